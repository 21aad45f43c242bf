#!/usr/bin/env bash
# Prepares this machine for building and testing: Debian packages, libpng built
# for the target, and a private headless Wine prefix. Safe to run again; when
# everything is in place it only checks and returns.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$top/build}
deps=$build/deps
mkdir -p "$deps"

# fonts-wine: Wine's own fonts, which hold the glyphs of the title bars' buttons.
packages=(cmake make g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
          wine wine64 xvfb xauth libz-mingw-w64-dev googletest ccache dpkg-dev
          imagemagick fonts-wqy-microhei fonts-wine)

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Source packages: derive deb-src entries from the machine's own deb entries,
# so no package host is written into this repository.
enable_sources() {
  apt-get source --print-uris "$1" >/dev/null 2>&1 && return
  src=/etc/apt/sources.list.d/project-deb-src.sources
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    sed 's/^Types:.*/Types: deb-src/' /etc/apt/sources.list.d/debian.sources | as_root tee "$src" >/dev/null
  elif [ -f /etc/apt/sources.list ]; then
    grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' | as_root tee /etc/apt/sources.list.d/project-deb-src.list >/dev/null
  fi
  as_root apt-get update -qq
}

# Unpacks Debian's source package $1 into $2/src. A listed version can be
# missing from its archive; the first that downloads is taken.
fetch_source() {
  enable_sources "$1"
  rm -rf "$2" && mkdir -p "$2"
  local v got=
  for v in $(apt-cache showsrc "$1" | sed -n 's/^Version: //p' | sort -rV); do
    if (cd "$2" && apt-get source -qq --download-only "$1=$v" >/dev/null 2>&1); then got=$v; break; fi
    rm -f "$2/$1"_*
  done
  [ -n "$got" ] || { echo "setup: could not fetch the $1 source package" >&2; exit 1; }
  (cd "$2" && dpkg-source -x "$1"_*.dsc src >/dev/null)
}

# --- libpng for the target, from Debian's own source package -----------------
png_prefix=$deps/libpng
if [ ! -f "$png_prefix/lib/libpng16.a" ] && [ ! -f "$png_prefix/lib/libpng.a" ]; then
  work=$deps/libpng-src
  fetch_source libpng1.6 "$work"
  cmake -S "$work/src" -B "$work/build" -G "Unix Makefiles" \
    -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$png_prefix" \
    -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF -DPNG_TOOLS=OFF \
    -DSKIP_INSTALL_EXECUTABLES=ON -DSKIP_INSTALL_PROGRAMS=ON -DSKIP_INSTALL_FILES=ON \
    -DCMAKE_C_FLAGS="-fexceptions" >/dev/null
  cmake --build "$work/build" -j"$(nproc)" >/dev/null
  cmake --install "$work/build" >/dev/null
  rm -rf "$work"
  echo "setup: libpng built into $png_prefix"
fi

# --- pugixml for the target, the markup benchmark's plain XML parse ----------
xml_prefix=$deps/pugixml
if [ ! -f "$xml_prefix/lib/libpugixml.a" ]; then
  work=$deps/pugixml-src
  fetch_source pugixml "$work"
  cmake -S "$work/src" -B "$work/build" -G "Unix Makefiles" \
    -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$xml_prefix" -DCMAKE_INSTALL_LIBDIR=lib \
    -DBUILD_SHARED_LIBS=OFF -DPUGIXML_BUILD_TESTS=OFF >/dev/null
  cmake --build "$work/build" -j"$(nproc)" >/dev/null
  cmake --install "$work/build" >/dev/null
  rm -rf "$work"
  echo "setup: pugixml built into $xml_prefix"
  # A build tree configured before the parser was there looks for it again.
  if [ -f "$build/CMakeCache.txt" ]; then cmake "$build" >/dev/null; fi
fi

# --- GoogleTest for the target ---------------------------------------------
# Built as part of our own tree from /usr/src/googletest (see CMakeLists.txt).
[ -f /usr/src/googletest/CMakeLists.txt ] || { echo "setup: /usr/src/googletest missing" >&2; exit 1; }

# --- the private Wine prefix -------------------------------------------------
"$top/scripts/wine-env.sh" boot
