#!/usr/bin/env bash
# Takes a picture of Merrowick's main dialog after a completed send and saves
# it as $BUILD_DIR/artifacts/merrowick-dialog.png. The headless prefix draws
# nothing, so this runs the end-to-end test's picture case in a second Wine
# prefix that uses the X11 driver, inside a Wine virtual desktop under Xvfb.
#   screenshot.sh BUILD_DIR
#   screenshot.sh BUILD_DIR --prepare-prefix   (on a display: only make the prefix)
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

export WINEPREFIX=$build/wineprefix-x11
export WINEDEBUG=-all WINEARCH=win64
wine=$(command -v wine64 || command -v wine)
[ -x /usr/lib/wine/wine64 ] && wine=/usr/lib/wine/wine64
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
[ -x /usr/lib/wine/wineserver64 ] && wineserver=/usr/lib/wine/wineserver64
export wine wineserver

marker=$out/merrowick-shot
if [ -z "${2:-}" ]; then
  rm -rf "$marker" && mkdir -p "$marker"
fi
export MERROWICK_SCREENSHOT="Z:${marker//\//\\}"

# The X11 prefix, made once (on a display).
prepare_prefix() {
  if [ ! -f "$WINEPREFIX/.project-ready" ]; then
    # The stand-in DLLs of a caller's overrides are not beside wineboot: without them.
    WINEDLLOVERRIDES="mscoree,mshtml=" "$wine" wineboot --init </dev/null >/dev/null 2>&1
    # Tahoma, which the dialog font maps to, has no Chinese glyphs: link the CJK font.
    for face in Tahoma "MS Shell Dlg" "MS Shell Dlg 2"; do
      "$wine" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
        /v "$face" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f </dev/null >/dev/null 2>&1
    done
    "$wineserver" -w
    touch "$WINEPREFIX/.project-ready"
  fi
}

run() {
  prepare_prefix
  export WINEDLLOVERRIDES="mscoree,mshtml=;hid,setupapi=n"
  cd "$build/bin"
  "$wine" explorer /desktop=merrowick,760x480 merrowick_e2e_tests.exe \
    --gtest_filter='MerrowickPicture.*' </dev/null >"$marker/test.log" 2>&1 &
  # The test writes the dialog's screen rectangle, waits for "done", then ends.
  for _ in $(seq 600); do
    [ -f "$marker/ready" ] && break
    sleep 0.1
  done
  if [ ! -f "$marker/ready" ]; then
    echo "screenshot: the dialog did not come up" >&2
    "$wineserver" -k || true
    return 1
  fi
  read -r x y w h <"$marker/ready"
  import -window root -crop "${w}x${h}+${x}+${y}" +repage "$out/merrowick-dialog.png"
  touch "$marker/done"
  "$wineserver" -w
}
case "${2:-}" in
  --on-display) run; exit;;
  --prepare-prefix) prepare_prefix; exit;;
esac
rc=0
timeout 300 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build" --on-display || rc=$?
[ -f "$marker/test.log" ] && grep -E '^\[ *(OK|FAILED|SKIPPED) *\]|Failure|^row: ' "$marker/test.log" || true
rm -rf "$marker"
[ "$rc" = 0 ] || { echo "screenshot: failed" >&2; exit "$rc"; }
echo "screenshot: $out/merrowick-dialog.png"
