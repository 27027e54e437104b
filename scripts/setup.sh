#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, run and test
# Vantiro, and nothing that is already there. Needs root or sudo.
set -euo pipefail

packages=(
  cmake g++ make                              # the native build
  googletest libgtest-dev libgmock-dev        # GoogleTest and GoogleMock: sources for mingw, libraries for g++
  g++-mingw-w64-x86-64 g++-mingw-w64-i686     # the Windows builds (with windres)
  clang-format                                # the format check
  halibut                                     # the help file HowTo.hlp from help/HowTo.but
  clang libclang-rt-14-dev                    # the fuzz targets (libFuzzer)
  wine wine64                                 # runs the x86_64 exe (no wine32: the kernel runs no i386 code)
  xvfb x11-utils xdotool imagemagick          # a virtual display, clicks and keys, screenshots
  python3                                     # the mutation check (scripts/mutate.py)
)

installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

missing=()
for package in "${packages[@]}"; do
  installed "$package" || missing+=("$package")
done

if ((${#missing[@]} == 0)); then
  echo "setup: every package is installed"
  exit 0
fi

as_root=()
if ((EUID != 0)); then
  as_root=(sudo)
fi

log="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/setup-apt.log"
mkdir -p "$(dirname "$log")"
echo "setup: installing ${missing[*]} (log: $log)"
if ! "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update >"$log" 2>&1 ||
  ! "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -q "${missing[@]}" </dev/null >>"$log" 2>&1; then
  tail -n 30 "$log" >&2
  echo "setup: apt-get failed" >&2
  exit 1
fi
echo "setup: done"
