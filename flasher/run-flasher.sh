#!/usr/bin/env bash
# Updates both CPUs of the simulated board with the sample images through the
# real Pyrolet_D.exe, driven as an operator would (Select File, both browse
# buttons, Update Both, Clear Log, the Close item), then prints the operation
# log. Where a display is present the window shows and a picture of it is
# saved to $BUILD_DIR/artifacts/.
#
#   run-flasher.sh [--xvfb] [--no-build]
#     --xvfb      run on a private Xvfb display (for the picture, headless)
#     --no-build  use what is built already
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
export BUILD_DIR=${BUILD_DIR:-$top/build}
bin=$BUILD_DIR/bin

xvfb=0 build=1
for arg in "$@"; do
  case "$arg" in
    --xvfb) xvfb=1 ;;
    --no-build) build=0 ;;
    *) echo "usage: $0 [--xvfb] [--no-build]" >&2; exit 2 ;;
  esac
done

if [ $build = 1 ]; then
  "$top/scripts/setup.sh"
  "$top/scripts/build.sh" >/dev/null
fi

xvfb_pid=
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

if [ $xvfb = 1 ]; then
  for n in $(seq 90 120); do
    [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || { display=:$n; break; }
  done
  Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=$display
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
fi

export WINEDLLOVERRIDES="mscoree,mshtml=;hid,setupapi=n"
run_args=(--gtest_color=no --gtest_filter=EndToEndTest.OperatorUpdatesBothCpusWithTheSampleImages)
status=0
if [ -n "${DISPLAY:-}" ]; then
  # The shared prefix draws nowhere: on a display, run in the X11 twin of it
  # (made in one place for both programs), inside a Wine virtual desktop.
  "$top/sender/tests/screenshot.sh" "$BUILD_DIR" --prepare-prefix
  export WINEPREFIX=$BUILD_DIR/wineprefix-x11
  mkdir -p "$BUILD_DIR/artifacts"
  export FLASHER_SCREENSHOT="Z:${BUILD_DIR//\//\\}\\artifacts\\pyrolet-after-update.png"
  # The desktop does not pass the test's exit code on: judge by its output.
  out=$BUILD_DIR/artifacts/flasher-e2e.txt
  (cd "$bin" && "$top/scripts/wine-env.sh" run explorer /desktop=pyrolet,1024x700 \
     "$bin/flasher_e2e_tests.exe" "${run_args[@]}" </dev/null >"$out" 2>&1) || true
  cat "$out"
  grep -q '^\[  PASSED  \] 1 test' "$out" || status=1
else
  "$top/scripts/wine-env.sh" boot
  (cd "$bin" && "$top/scripts/wine-env.sh" run "$bin/flasher_e2e_tests.exe" "${run_args[@]}" </dev/null) || status=$?
fi

echo
echo "=== operation log ($bin/Pyrolet_D.log) ==="
if [ -f "$bin/Pyrolet_D.log" ]; then
  iconv -f UTF-16 -t UTF-8 "$bin/Pyrolet_D.log" | tr -d '\r'
fi
[ -n "${FLASHER_SCREENSHOT:-}" ] && [ -f "$BUILD_DIR/artifacts/pyrolet-after-update.png" ] && \
  echo "picture: $BUILD_DIR/artifacts/pyrolet-after-update.png"
exit $status
