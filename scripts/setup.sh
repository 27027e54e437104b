#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, run and test
# Vantiro, and nothing that is already there. Needs root or sudo.
#
# Where the kernel runs i386 code, it also installs wine32:i386, which runs
# the shipped 32-bit Vantiro.exe; build/i386-wine says whether it could
# ("yes", or "no: " and why) for scripts/test.sh.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

packages=(
  cmake g++ make                              # the native build
  googletest libgtest-dev libgmock-dev        # GoogleTest and GoogleMock: sources for mingw, libraries for g++
  g++-mingw-w64-x86-64 g++-mingw-w64-i686     # the Windows builds (with windres)
  clang-format                                # the format check
  halibut                                     # the help file HowTo.hlp from help/HowTo.but
  faketime zip unzip                          # the release zips, the same for the same sources
  clang libclang-rt-14-dev                    # the fuzz targets (libFuzzer)
  wine wine64                                 # runs the x86_64 exe (wine32:i386 below, where it can)
  xvfb x11-utils xdotool imagemagick          # a virtual display, clicks and keys, screenshots
  python3                                     # the mutation check (scripts/mutate.py)
  python3-fusepy                              # a folder that stops answering, for the end-to-end test
)

installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

as_root=()
if ((EUID != 0)); then
  as_root=(sudo)
fi
log="$root/build/setup-apt.log"
mkdir -p "$root/build"

# apt_install <what> <package>...: installs them, or shows the log's end.
apt_install() {
  local what=$1
  shift
  echo "setup: installing $*${what:+ ($what)} (log: $log)"
  if ! "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update >"$log" 2>&1 ||
    ! "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
      apt-get install -y -q "$@" </dev/null >>"$log" 2>&1; then
    tail -n 30 "$log" >&2
    echo "setup: apt-get failed" >&2
    return 1
  fi
}

missing=()
for package in "${packages[@]}"; do
  installed "$package" || missing+=("$package")
done
if ((${#missing[@]} > 0)); then
  apt_install "" "${missing[@]}"
else
  echo "setup: every package is installed"
fi

# Whether this kernel runs i386 code: a static i386 program that exits 42.
runs_i386() {
  local probe
  probe=$(mktemp -d)
  printf '.globl _start\n_start: movl $1, %%eax\n movl $42, %%ebx\n int $0x80\n' >"$probe/exit.s"
  as --32 -o "$probe/exit.o" "$probe/exit.s" && ld -m elf_i386 -o "$probe/exit" "$probe/exit.o" &&
    { "$probe/exit" 2>/dev/null || [[ $? == 42 ]]; }
  local status=$?
  rm -rf "$probe"
  return "$status"
}

verdict="$root/build/i386-wine"
if ! runs_i386; then
  echo "no: this machine's kernel runs no i386 code" >"$verdict"
elif installed wine32:i386; then
  echo yes >"$verdict"
elif { dpkg --print-foreign-architectures | grep -qx i386 || "${as_root[@]}" dpkg --add-architecture i386; } &&
  apt_install "the kernel runs i386 code" wine32:i386; then
  echo yes >"$verdict"
else
  echo "no: wine32:i386 could not be installed (see $log)" >"$verdict"
fi
echo "setup: 32-bit Wine: $(cat "$verdict")"
