#!/usr/bin/env bash
# Updates both CPUs of the simulated board with the sample images through the
# real Pyrolet_D.exe, driven as an operator would (Select File, both browse
# buttons, Update Both, Clear Log, the Close item), then prints the operation
# log. Where a display is present the window shows and a picture of it is
# saved to $BUILD_DIR/artifacts/.
#
#   run-flasher.sh [--xvfb] [--no-build] [--by-hand]
#     --xvfb      run on a private Xvfb display (for the picture, headless)
#     --no-build  use what is built already
#     --by-hand   (on a display) start the simulated board and the flasher for
#                 a person to use; nothing is driven
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
export BUILD_DIR=${BUILD_DIR:-$top/build}
bin=$BUILD_DIR/bin
wine_env=$top/scripts/wine-env.sh

xvfb=0 build=1 by_hand=0
for arg in "$@"; do
  case "$arg" in
    --xvfb) xvfb=1 ;;
    --no-build) build=0 ;;
    --by-hand) by_hand=1 ;;
    *) echo "usage: $0 [--xvfb] [--no-build] [--by-hand]" >&2; exit 2 ;;
  esac
done
if [ $by_hand = 1 ] && { [ $xvfb = 1 ] || [ -z "${DISPLAY:-}" ]; }; then
  echo "run-flasher: using the flasher by hand needs a display (DISPLAY is not set)" >&2
  exit 2
fi

if [ $build = 1 ]; then
  "$top/scripts/setup.sh"
  "$top/scripts/build.sh" >/dev/null
fi

xvfb_pid= x11_booted=0 sim= fifo=
cleanup() {
  if [ -n "$fifo" ]; then exec 3>&- 2>/dev/null || true; rm -f "$fifo"; fi
  [ -n "$sim" ] && wait "$sim" 2>/dev/null || true
  [ $x11_booted = 1 ] && "$wine_env" --x11 stop
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

# The stand-in HID DLLs beside the programs are loaded only by the runs below;
# the prefixes are made and started without them.
stand_ins="mscoree,mshtml=;hid,setupapi=n"

if [ $by_hand = 1 ]; then
  "$wine_env" --x11 boot
  x11_booted=1
  out=$BUILD_DIR/artifacts
  mkdir -p "$out"
  export HIDSIM_DEVICES="pyrolet-board-$$,0084,0041,65,69,board"
  # The simulator serves the board until its input ends: keep that open
  # until the flasher has closed.
  fifo=$(mktemp -u) && mkfifo "$fifo"
  (cd "$bin" && WINEDLLOVERRIDES=$stand_ins exec "$wine_env" --x11 run boardsim.exe --no-pacing \
     --dump-dir "Z:${out//\//\\}" <"$fifo" >"$out/boardsim.log" 2>&1) &
  sim=$!
  exec 3>"$fifo"
  for _ in $(seq 100); do grep -q ready "$out/boardsim.log" 2>/dev/null && break; sleep 0.1; done
  if ! grep -q ready "$out/boardsim.log" 2>/dev/null; then
    echo "run-flasher: the simulated board did not start; see $out/boardsim.log" >&2
    exit 1
  fi
  echo "run-flasher: the simulated board is connected; Pyrolet_D is starting"
  echo "run-flasher: sample images to choose with Select File: $bin/samples/master.out and slave.out"
  status=0
  (cd "$bin" && WINEDLLOVERRIDES=$stand_ins "$wine_env" --x11 run Pyrolet_D.exe </dev/null) || status=$?
  echo quit >&3
  exec 3>&-
  wait "$sim" || true
  sim=
  echo "run-flasher: Pyrolet_D ended with exit code $status"
  echo "run-flasher: its operation log: $bin/Pyrolet_D.log"
  echo "run-flasher: the board's flash: $out/pyrolet-board-$$.master.txt and .slave.txt"
  exit $status
fi

run_args=(--gtest_color=no --gtest_filter=EndToEndTest.OperatorUpdatesBothCpusWithTheSampleImages)
status=0
if [ -n "${DISPLAY:-}" ]; then
  # The headless prefix draws nowhere: on a display, run in its X11 twin,
  # inside a Wine virtual desktop.
  "$wine_env" --x11 boot
  x11_booted=1
  mkdir -p "$BUILD_DIR/artifacts"
  export FLASHER_SCREENSHOT="Z:${BUILD_DIR//\//\\}\\artifacts\\pyrolet-after-update.png"
  # The desktop does not pass the test's exit code on: judge by its output.
  out=$BUILD_DIR/artifacts/flasher-e2e.txt
  (cd "$bin" && WINEDLLOVERRIDES=$stand_ins "$wine_env" --x11 run explorer /desktop=pyrolet,1024x700 \
     "$bin/flasher_e2e_tests.exe" "${run_args[@]}" </dev/null >"$out" 2>&1) || true
  cat "$out"
  grep -q '^\[  PASSED  \] 1 test' "$out" || status=1
else
  "$wine_env" boot
  (cd "$bin" && WINEDLLOVERRIDES=$stand_ins "$wine_env" run "$bin/flasher_e2e_tests.exe" "${run_args[@]}" </dev/null) \
    || status=$?
fi

echo
echo "=== operation log ($bin/Pyrolet_D.log) ==="
if [ -f "$bin/Pyrolet_D.log" ]; then
  iconv -f UTF-16 -t UTF-8 "$bin/Pyrolet_D.log" | tr -d '\r'
fi
[ -n "${FLASHER_SCREENSHOT:-}" ] && [ -f "$BUILD_DIR/artifacts/pyrolet-after-update.png" ] && \
  echo "picture: $BUILD_DIR/artifacts/pyrolet-after-update.png"
exit $status
