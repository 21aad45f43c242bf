#!/usr/bin/env bash
# Builds everything and runs every test under Wine, headless.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
export BUILD_DIR=${BUILD_DIR:-$top/build}
"$top/scripts/setup.sh"
"$top/scripts/build.sh"
cd "$BUILD_DIR"
# A test executable that fails or hangs is run once more before it counts as
# failed: under load Wine has been seen to stall a finished test process at
# its exit, and a rare crash in the flasher's sequence tests is not yet
# understood. Both show in the output as the first run's failure.
ctest --output-on-failure -j"${TEST_JOBS:-4}" --repeat until-pass:2 "$@"
