#!/usr/bin/env bash
# Sets up this machine and builds only the targets a run needs, showing the
# build's progress; the build's whole output goes to $BUILD_DIR/run-build.log.
#   build-for-run.sh TARGET...
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$top/build}
log=$build/run-build.log

if [ ! -f "$build/CMakeCache.txt" ]; then
  echo "run: the first run sets up this machine and builds the programs; that takes a while" \
       "(several minutes, more on a busy machine). Later runs build only what changed."
fi
"$top/scripts/setup.sh"
if [ ! -f "$build/CMakeCache.txt" ]; then
  echo "run: configuring the build"
  cmake -S "$top" -B "$build" -G "Unix Makefiles" \
    -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" >"$log" 2>&1 || {
    echo "run: configuring the build failed; its output:" >&2
    tail -n 30 "$log" >&2
    exit 1
  }
fi

echo "run: building $* (the build's output: $log)"
targets=()
for t in "$@"; do targets+=(--target "$t"); done
# One line for each tenth of the way on a pipe, one updated line on a terminal.
progress() {
  awk -v tty="$1" '
    match($0, /^\[ *[0-9]+%\]/) {
      p = substr($0, RSTART + 1, RLENGTH - 3) + 0
      if (tty == 1) { printf "\rrun: built %3d%%", p; fflush(); shown = 1 }
      else if (int(p / 10) > int(last / 10)) { printf "run: built %d%%\n", p; fflush() }
      last = p
    }
    END { if (tty == 1 && shown) printf "\n" }'
}
tty=0
[ -t 1 ] && tty=1
status=0
cmake --build "$build" -j"${BUILD_JOBS:-$(nproc)}" "${targets[@]}" -- --no-print-directory 2>&1 \
  | tee "$log" | progress $tty || status=$?
if [ $status != 0 ]; then
  echo "run: the build failed; its first errors (the whole output: $log):" >&2
  grep -E -m 20 'error|Error' "$log" >&2 || tail -n 30 "$log" >&2
  exit 1
fi
echo "run: the build is done"
