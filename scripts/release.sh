#!/usr/bin/env bash
# Builds the release zips from the sources as they stand: both Windows builds
# in Release mode (build/i686, build/x86_64, as scripts/test.sh builds them),
# then for each a zip in dist/ of the stripped Vantiro.exe, its help, the
# manual, README.txt and the licence:
#
#   dist/vantiro-<version>-win32.zip   i686, the one that ships
#   dist/vantiro-<version>-win64.zip   x86_64
#
# The same sources give the same zips, byte for byte: the exe and the help
# carry no time of the build (see CMakeLists.txt; strip writes the one of
# SOURCE_DATE_EPOCH), and the files go in by name, each with that time and
# one mode.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/setup.sh >/dev/null
version=$(head -n 1 VERSION)
export SOURCE_DATE_EPOCH=946684800 # 2000-01-01, as the help file's time
mkdir -p dist build

# package <arch> <name>: builds one target and zips what ships of it.
package() {
  local arch=$1 name=$2
  local tree="build/$arch" stage="build/release/vantiro-$version-$name"
  local zip="$PWD/dist/vantiro-$version-$name.zip"
  cmake -S . -B "$tree" -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-$arch.cmake" \
    -DCMAKE_BUILD_TYPE=Release >"build/configure-$arch.log"
  cmake --build "$tree" -j"$(nproc)" --target Vantiro help_file >"build/release-$arch.log"
  rm -rf "$stage" "$zip"
  mkdir -p "$stage"
  "$arch-w64-mingw32-strip" -o "$stage/Vantiro.exe" "$tree/Vantiro.exe"
  cp "$tree/HowTo.hlp" "$tree/HowTo.cnt" "$tree/manual.html" "$stage/"
  sed "s/@VERSION@/$version/; s/\$/\r/" help/README.txt >"$stage/README.txt"
  sed 's/$/\r/' LICENSE >"$stage/LICENSE.txt"
  chmod 644 "$stage"/*
  touch -d "@$SOURCE_DATE_EPOCH" "$stage"/*
  (cd "$stage" && find . -type f -printf '%P\n' | LC_ALL=C sort | TZ=UTC zip -q -X -D "$zip" -@)
  echo "release: dist/${zip##*/}, $(stat -c %s "$zip") bytes (Vantiro.exe $(stat -c %s "$stage/Vantiro.exe"))"
}

package i686 win32
package x86_64 win64
