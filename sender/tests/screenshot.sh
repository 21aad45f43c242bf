#!/usr/bin/env bash
# Takes a picture of Merrowick's main dialog after a completed send and saves
# it as $BUILD_DIR/artifacts/merrowick-dialog.png. The headless prefix draws
# nothing, so this runs the end-to-end test's picture case in a second Wine
# prefix that uses the X11 driver, inside a Wine virtual desktop under Xvfb.
#   screenshot.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?usage: screenshot.sh BUILD_DIR}" && pwd)
out=$build/artifacts
mkdir -p "$out"

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo -n "$@"; fi; }

# The dialog's texts are Chinese: without a CJK font they come out as boxes.
if ! fc-list :lang=zh | grep -q .; then
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    fonts-wqy-microhei >/dev/null 2>&1 || echo "screenshot: no CJK font could be installed" >&2
fi

top=$(cd "$(dirname "$0")/../.." && pwd)
export BUILD_DIR=$build
export WINEPREFIX=$build/wineprefix-x11
wine=$(command -v wine64 || command -v wine)
[ -x /usr/lib/wine/wine64 ] && wine=/usr/lib/wine/wine64

marker=$out/merrowick-shot
if [ -z "${2:-}" ]; then
  rm -rf "$marker" && mkdir -p "$marker"
fi
export MERROWICK_SCREENSHOT="Z:${marker//\//\\}"

run() {
  "$top/scripts/wine-env.sh" --x11 boot
  export WINEDLLOVERRIDES="mscoree,mshtml=;hid,setupapi=n"
  cd "$build/bin"
  "$wine" explorer /desktop=merrowick,760x480 merrowick_e2e_tests.exe \
    --gtest_filter='MerrowickPicture.*' </dev/null >"$marker/test.log" 2>&1 &
  local desktop=$!
  # The test writes the dialog's screen rectangle, waits for "done", then ends.
  for _ in $(seq 600); do
    [ -f "$marker/ready" ] && break
    sleep 0.1
  done
  if [ ! -f "$marker/ready" ]; then
    echo "screenshot: the dialog did not come up" >&2
    "$top/scripts/wine-env.sh" --x11 stop
    return 1
  fi
  read -r x y w h <"$marker/ready"
  import -window root -crop "${w}x${h}+${x}+${y}" +repage "$out/merrowick-dialog.png"
  touch "$marker/done"
  # The desktop does not pass the test's exit code on: the log is judged below.
  wait "$desktop" || true
  "$top/scripts/wine-env.sh" --x11 stop
}
case "${2:-}" in
  --on-display) run; exit;;
esac
rc=0
timeout 300 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build" --on-display || rc=$?
[ -f "$marker/test.log" ] && grep -E '^\[ *(OK|FAILED|SKIPPED) *\]|Failure|^row: ' "$marker/test.log" || true
[ "$rc" != 0 ] || grep -q '^\[  PASSED  \]' "$marker/test.log" 2>/dev/null || rc=1
rm -rf "$marker"
[ "$rc" = 0 ] || { echo "screenshot: failed" >&2; exit "$rc"; }
echo "screenshot: $out/merrowick-dialog.png"
