#!/usr/bin/env bash
# Updates both CPUs of the simulated board with the sample images through the
# real Pyrolet_D.exe, driven as an operator would (Select File, both browse
# buttons, Update Both, Clear Log, the Close item), then says in a few lines
# how each CPU fared and where the operation log (also as readable text) and
# the board's flash are. Everything the run printed goes to a file. Where a
# display is present the window shows and a picture of it is saved to
# $BUILD_DIR/artifacts/.
#
#   run-flasher.sh [--xvfb] [--no-build] [--by-hand] [--verbose]
#     --xvfb      run on a private Xvfb display (for the picture, headless)
#     --no-build  use what is built already
#     --by-hand   (on a display) start the simulated board and the flasher for
#                 a person to use; nothing is driven
#     --verbose   also print everything the run printed
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
export BUILD_DIR=${BUILD_DIR:-$top/build}
bin=$BUILD_DIR/bin
out=$BUILD_DIR/artifacts
wine_env=$top/scripts/wine-env.sh

xvfb=0 build=1 by_hand=0 verbose=0
for arg in "$@"; do
  case "$arg" in
    --xvfb) xvfb=1 ;;
    --no-build) build=0 ;;
    --by-hand) by_hand=1 ;;
    --verbose) verbose=1 ;;
    *) echo "usage: $0 [--xvfb] [--no-build] [--by-hand] [--verbose]" >&2; exit 2 ;;
  esac
done
if [ $by_hand = 1 ] && { [ $xvfb = 1 ] || [ -z "${DISPLAY:-}" ]; }; then
  echo "run-flasher: using the flasher by hand needs a display (DISPLAY is not set)" >&2
  exit 2
fi

if [ $build = 1 ]; then
  # The programs, the simulated board, the stand-in HID DLLs and the driver.
  "$top/scripts/build-for-run.sh" flasher_e2e_tests boardsim
fi
mkdir -p "$out"

# The program writes its operation log in UTF-16; a copy as UTF-8 text with
# plain line ends is what people read and search.
readable_log() {
  local from=$1 to=$2
  if [ -f "$from" ]; then
    iconv -f UTF-16 -t UTF-8 "$from" | tr -d '\r' >"$to"
    return 0
  fi
  return 1
}

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
  if readable_log "$bin/Pyrolet_D.log" "$out/Pyrolet_D.log.txt"; then
    echo "run-flasher: its operation log: $out/Pyrolet_D.log.txt (as the program wrote it, UTF-16: $bin/Pyrolet_D.log)"
  fi
  flashed=0
  for cpu in master slave; do
    dump=$out/pyrolet-board-$$.$cpu.txt
    if [ -s "$dump" ]; then
      flashed=1
      echo "run-flasher: the board's $cpu flash: $dump"
    else
      rm -f "$dump"
    fi
  done
  [ $flashed = 1 ] || echo "run-flasher: nothing was flashed: the board's flash is still empty"
  exit $status
fi

run_args=(--gtest_color=no --gtest_filter=EndToEndTest.OperatorUpdatesBothCpusWithTheSampleImages)
detail=$out/flasher-run.txt
rm -f "$bin/Pyrolet_D.log" "$out/Pyrolet_D.log.txt" "$out/board.master.txt" "$out/board.slave.txt"
export FLASHER_FLASH_DUMP="Z:${out//\//\\}"
echo "run-flasher: updating both CPUs of the simulated board (about a minute)"
status=0
if [ -n "${DISPLAY:-}" ]; then
  # The headless prefix draws nowhere: on a display, run in its X11 twin,
  # inside a Wine virtual desktop.
  "$wine_env" --x11 boot
  x11_booted=1
  export FLASHER_SCREENSHOT="Z:${out//\//\\}\\pyrolet-after-update.png"
  rm -f "$out/pyrolet-after-update.png"
  # The desktop does not pass the test's exit code on: judge by its output.
  (cd "$bin" && WINEDLLOVERRIDES=$stand_ins "$wine_env" --x11 run explorer /desktop=pyrolet,1024x700 \
     "$bin/flasher_e2e_tests.exe" "${run_args[@]}" </dev/null >"$detail" 2>&1) || true
  grep -q '^\[  PASSED  \] 1 test' "$detail" || status=1
else
  "$wine_env" boot
  (cd "$bin" && WINEDLLOVERRIDES=$stand_ins "$wine_env" run "$bin/flasher_e2e_tests.exe" "${run_args[@]}" \
     </dev/null >"$detail" 2>&1) || status=$?
fi
tr -d '\r' <"$detail" >"$detail.tmp" && mv "$detail.tmp" "$detail"
if [ $verbose = 1 ]; then cat "$detail"; fi

# The summary: each CPU, then where things are.
echo
log_text=
if readable_log "$bin/Pyrolet_D.log" "$out/Pyrolet_D.log.txt"; then
  log_text=$out/Pyrolet_D.log.txt
fi
for cpu in Master Slave; do
  if [ -n "$log_text" ] && grep -q ": $cpu cpu update successfully!\$" "$log_text"; then
    echo "run-flasher: the ${cpu,,} CPU was updated"
  else
    echo "run-flasher: the ${cpu,,} CPU was NOT updated"
    [ $status != 0 ] || status=1
  fi
done
if [ -n "$log_text" ]; then
  echo "run-flasher: operation log: $log_text (as the program wrote it, UTF-16: $bin/Pyrolet_D.log)"
else
  echo "run-flasher: the program wrote no operation log"
fi
if [ -s "$out/board.master.txt" ]; then
  echo "run-flasher: the board's flash: $out/board.master.txt and board.slave.txt"
fi
[ -n "${FLASHER_SCREENSHOT:-}" ] && [ -f "$out/pyrolet-after-update.png" ] && \
  echo "run-flasher: picture of the window: $out/pyrolet-after-update.png"
if [ $verbose = 1 ]; then
  echo "run-flasher: everything the run printed (above): $detail"
else
  echo "run-flasher: everything the run printed: $detail (./run.sh -v prints it too)"
fi
if [ $status != 0 ] && [ $verbose = 0 ]; then
  echo "run-flasher: the run failed; its last lines:"
  tail -n 25 "$detail" | sed 's/^/  /'
fi
exit $status
