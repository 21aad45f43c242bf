#!/usr/bin/env bash
# The main job: sets up this machine, builds what the run needs, and runs a
# program under Wine.
#
#   ./run.sh [-v]      the flasher updates both CPUs of the simulated board with
#                      the sample images; a short summary says how each CPU
#                      fared and where the operation log and the board's flash
#                      are (-v: also everything the run printed)
#   ./run.sh sender    the data sender sends a file to the simulated receiver
#   ./run.sh demo      the framework's demo dialog
#   ./run.sh manual    (on a display) the simulated board and the flasher, for
#                      a person to use by hand
#
# With a display the program's window shows; headless the programs run on a
# virtual X server and are driven to their end. A Wine server that the run
# started is stopped at its end.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
export BUILD_DIR=${BUILD_DIR:-$top/build}

mode=flasher verbose=()
for arg in "$@"; do
  case "$arg" in
    -v|--verbose) verbose=(--verbose) ;;
    flasher|manual|sender|demo) mode=$arg ;;
    *) echo "usage: $0 [-v] [flasher|manual|sender|demo]" >&2; exit 2 ;;
  esac
done

# The set-up starts the test prefix's Wine server; when none ran before, the
# run ends it again.
server_was_running=0
"$top/scripts/wine-env.sh" running 2>/dev/null && server_was_running=1
stop_started_server() {
  if [ $server_was_running = 0 ] && "$top/scripts/wine-env.sh" running 2>/dev/null; then
    "$top/scripts/wine-env.sh" stop
  fi
}
trap stop_started_server EXIT

status=0
case "$mode" in
  flasher)
    if [ -n "${DISPLAY:-}" ]; then
      "$top/flasher/run-flasher.sh" "${verbose[@]}" || status=$?
    else
      "$top/flasher/run-flasher.sh" --xvfb "${verbose[@]}" || status=$?
    fi
    ;;
  manual)
    "$top/flasher/run-flasher.sh" --by-hand || status=$?
    ;;
  sender)
    "$top/sender/run-sender.sh" || status=$?
    ;;
  demo)
    "$top/scripts/build-for-run.sh" Demo demo_driver
    if [ -n "${DISPLAY:-}" ]; then
      "$top/demo/run-demo.sh" "$BUILD_DIR/bin" || status=$?
    else
      echo "run: no display; starting the demo on a virtual X server and driving it"
      RUN_DEMO_DRIVEN=1 timeout 300 xvfb-run -a "$top/demo/run-demo.sh" "$BUILD_DIR/bin" || status=$?
    fi
    ;;
esac
exit $status
