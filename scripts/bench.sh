#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine; each prints its own figures.
#   scripts/bench.sh [image|update|startup|popup|markup]...   (default: all)
#     image    loading a large firmware image
#     update   one Update Both on a line paced at the bridge's baud rate (about two minutes)
#     startup  start time and idle working set of the programs beside the demo dialog
#     popup    a command-bar popup beside the system's popup menu, enabled and disabled
#     markup   building, laying out and drawing large markup
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
export BUILD_DIR=${BUILD_DIR:-$top/build}
"$top/scripts/setup.sh"
"$top/scripts/build.sh" >/dev/null
"$top/scripts/wine-env.sh" boot
cd "$BUILD_DIR/bin"
for name in ${@:-image update startup popup markup}; do
  case "$name" in
    image|update|startup) exe=flasher_${name}_bench.exe ;;
    popup) exe=commandbars_popup_bench.exe ;;
    markup) exe=markup_bench.exe ;;
    *) echo "bench: no benchmark named $name" >&2; exit 2 ;;
  esac
  echo "== ${exe%.exe}"
  # The programs run against the simulated board behind the stand-in HID DLLs.
  WINEDLLOVERRIDES="mscoree,mshtml=;hid,setupapi=n" \
    "$top/scripts/wine-env.sh" run "./$exe"
done
