#!/usr/bin/env bash
# Starts the demo dialog under Wine's X11 driver, in a prefix of its own (the
# test prefix uses the null driver). With a display the dialog is shown for
# the user; without one it runs on a virtual X server and is driven to its
# end by demo_driver, which prints each step.
#   run-demo.sh BIN_DIR   (BUILD_DIR must be set)
set -euo pipefail
bin=$1
top=$(cd "$(dirname "$0")/.." && pwd)
wine_env=$top/scripts/wine-env.sh
# The server and Wine's services start with no pipe attached, so that a
# caller reading our output through a pipe is not kept waiting by them.
"$wine_env" --x11 boot
trap '"$wine_env" --x11 stop' EXIT

cd "$bin"
status=0
if [ "${RUN_DEMO_DRIVEN:-0}" = 1 ]; then
  "$wine_env" --x11 run demo_driver.exe ok </dev/null 2>/dev/null | tr -d '\r' || status=$?
else
  echo "run: the demo dialog is open; close it with OK or Cancel"
  "$wine_env" --x11 run Demo.exe </dev/null >/dev/null 2>&1 || status=$?
  case $status in
    1) echo "run: the demo ended with OK" ;;
    2) echo "run: the demo ended with Cancel" ;;
    *) echo "run: the demo ended with code $status" ;;
  esac
  [ "$status" = 1 ] || [ "$status" = 2 ] && status=0
fi
exit $status
