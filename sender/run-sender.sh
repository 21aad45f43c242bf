#!/usr/bin/env bash
# Runs Merrowick under Wine against the board simulator's data receiver.
#
#   sender/run-sender.sh
#
# With a display (DISPLAY set): the simulator runs as boardsim.exe and the
# program's window shows for the operator; when it is closed, the bytes the
# receiver got are left in $BUILD_DIR/artifacts/merrowick-received.bin.
# Headless: one send of a sample file is driven under Xvfb, the program's log
# rows are printed and a picture of the dialog is saved as
# $BUILD_DIR/artifacts/merrowick-dialog.png.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
export BUILD_DIR=${BUILD_DIR:-$top/build}

"$top/scripts/setup.sh"
if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
  cmake -S "$top" -B "$BUILD_DIR" -G "Unix Makefiles" \
    -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" >/dev/null
fi
cmake --build "$BUILD_DIR" -j"$(nproc)" --target Merrowick boardsim hid_stand_ins merrowick_e2e_tests \
  -- --no-print-directory >/dev/null

if [ -z "${DISPLAY:-}" ]; then
  "$top/sender/tests/screenshot.sh" "$BUILD_DIR"
  exit
fi

export HIDSIM_DEVICES="merrowick-peer-$$,0084,0041,65,69,peer"
# The prefix is made and started without the stand-in HID DLLs; the
# programs below load them.
"$top/scripts/wine-env.sh" --x11 boot
trap '"$top/scripts/wine-env.sh" --x11 stop' EXIT
export WINEPREFIX=$BUILD_DIR/wineprefix-x11 WINEDEBUG=-all WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml=;hid,setupapi=n"
wine=$(command -v wine64 || command -v wine)
[ -x /usr/lib/wine/wine64 ] && wine=/usr/lib/wine/wine64

out=$BUILD_DIR/artifacts
mkdir -p "$out"
cd "$BUILD_DIR/bin"
# The simulator quits at the end of its input: keep that open until the
# program has closed.
fifo=$(mktemp -u) && mkfifo "$fifo"
"$wine" boardsim.exe --no-pacing --dump-dir "$(winepath -w "$out" 2>/dev/null || echo "Z:${out//\//\\}")" \
  <"$fifo" >"$out/boardsim.log" 2>&1 &
sim=$!
exec 3>"$fifo"
for _ in $(seq 100); do grep -q ready "$out/boardsim.log" 2>/dev/null && break; sleep 0.1; done
echo "run-sender: the simulator's receiver is up; Merrowick is starting"
"$wine" Merrowick.exe || true
echo quit >&3
exec 3>&-
wait "$sim" || true
rm -f "$fifo"
received=$(ls "$out"/merrowick-peer-*.received.bin 2>/dev/null | tail -1 || true)
[ -n "$received" ] && mv "$received" "$out/merrowick-received.bin"
echo "run-sender: Halvick.log beside the program: $BUILD_DIR/bin/Halvick.log"
echo "run-sender: received bytes: $out/merrowick-received.bin"
