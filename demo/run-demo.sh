#!/usr/bin/env bash
# Starts the demo dialog under Wine's X11 driver, in a prefix of its own (the
# test prefix uses the null driver). With a display the dialog is shown for
# the user; without one it runs on a virtual X server and is driven to its
# end by demo_driver, which prints each step.
#   run-demo.sh BIN_DIR   (BUILD_DIR must be set)
set -euo pipefail
bin=$1
export WINEPREFIX=$BUILD_DIR/wineprefix-x11
export WINEDEBUG=${WINEDEBUG:--all}
export WINEARCH=win64
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
wine=$(command -v wine64 || command -v wine)
[ -x /usr/lib/wine/wine64 ] && wine=/usr/lib/wine/wine64
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
[ -x /usr/lib/wine/wineserver64 ] && wineserver=/usr/lib/wine/wineserver64

# The server and Wine's services start with no pipe attached, so that a
# caller reading our output through a pipe is not kept waiting by them.
"$wineserver" -k </dev/null >/dev/null 2>&1 || true
mkdir -p "$WINEPREFIX"
"$wineserver" -p5 </dev/null >/dev/null 2>&1
"$wine" wineboot --init </dev/null >/dev/null 2>&1 || true

cd "$bin"
status=0
if [ "${RUN_DEMO_DRIVEN:-0}" = 1 ]; then
  "$wine" demo_driver.exe ok </dev/null 2>/dev/null | tr -d '\r' || status=$?
else
  echo "run: the demo dialog is open; close it with OK or Cancel"
  "$wine" Demo.exe </dev/null >/dev/null 2>&1 || status=$?
  case $status in
    1) echo "run: the demo ended with OK" ;;
    2) echo "run: the demo ended with Cancel" ;;
    *) echo "run: the demo ended with code $status" ;;
  esac
  [ "$status" = 1 ] || [ "$status" = 2 ] && status=0
fi
"$wineserver" -k </dev/null >/dev/null 2>&1 || true
exit $status
