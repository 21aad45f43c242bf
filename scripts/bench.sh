#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine; each prints its own figures.
#   scripts/bench.sh [image|update]...   (default: both)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
export BUILD_DIR=${BUILD_DIR:-$top/build}
"$top/scripts/setup.sh"
"$top/scripts/build.sh" >/dev/null
"$top/scripts/wine-env.sh" boot
cd "$BUILD_DIR/bin"
for b in "${@:-image update}"; do
  for name in $b; do
    echo "== flasher_${name}_bench"
    # The update runs against the simulated board behind the stand-in HID DLLs.
    WINEDLLOVERRIDES="mscoree,mshtml=;hid,setupapi=n" \
      "$top/scripts/wine-env.sh" run "./flasher_${name}_bench.exe"
  done
done
