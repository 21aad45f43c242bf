#!/usr/bin/env bash
# Configures (once) and builds the whole tree for Windows x86_64.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$top/build}
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$top" -B "$build" -G "Unix Makefiles" \
    -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" >/dev/null
fi
# BUILD_JOBS limits the parallel compiles (several trees building on one machine).
cmake --build "$build" -j"${BUILD_JOBS:-$(nproc)}" -- --no-print-directory
