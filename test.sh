#!/usr/bin/env bash
# Builds everything and runs every test under Wine, headless.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
export BUILD_DIR=${BUILD_DIR:-$top/build}
"$top/scripts/setup.sh"
"$top/scripts/build.sh"
cd "$BUILD_DIR"
ctest --output-on-failure -j"${TEST_JOBS:-4}" "$@"
