#!/usr/bin/env bash
# The main job: sets up this machine, builds, and runs a program under Wine.
#
#   ./run.sh           the flasher updates both CPUs of the simulated board with
#                      the sample images and prints its operation log
#   ./run.sh sender    the data sender sends a file to the simulated receiver
#   ./run.sh demo      the framework's demo dialog
#   ./run.sh manual    (on a display) the simulated board and the flasher, for
#                      a person to use by hand
#
# With a display the program's window shows; headless the programs run on a
# virtual X server and are driven to their end.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
export BUILD_DIR=${BUILD_DIR:-$top/build}

case "${1:-flasher}" in
  flasher)
    if [ -n "${DISPLAY:-}" ]; then
      exec "$top/flasher/run-flasher.sh"
    fi
    exec "$top/flasher/run-flasher.sh" --xvfb
    ;;
  manual)
    exec "$top/flasher/run-flasher.sh" --by-hand
    ;;
  sender)
    exec "$top/sender/run-sender.sh"
    ;;
  demo)
    "$top/scripts/setup.sh"
    "$top/scripts/build.sh" >/dev/null
    if [ -n "${DISPLAY:-}" ]; then
      exec "$top/demo/run-demo.sh" "$BUILD_DIR/bin"
    fi
    echo "run: no display; starting the demo on a virtual X server and driving it"
    RUN_DEMO_DRIVEN=1 exec timeout 300 xvfb-run -a "$top/demo/run-demo.sh" "$BUILD_DIR/bin"
    ;;
  *)
    echo "usage: $0 [flasher|manual|sender|demo]" >&2
    exit 2
    ;;
esac
