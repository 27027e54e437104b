#!/usr/bin/env bash
# Runs the Wine benchmark (bench_win32.exe) on a virtual display. Its big
# folders are made here natively first, in the prefix's C:\: under Wine each
# new name costs a scan of the whole folder, so 100,000 names made through
# Wine take far longer than the benchmark itself. Run by hand; it prints one
# line per measurement, each with its ratio to the raw calls.
#
#   bench/win32/run_bench.sh [build-dir]      (default: build/x86_64)
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=scripts/wine-env.sh
source "$here/../../scripts/wine-env.sh"

build_dir=$(cd "${1:-$VANTIRO_BUILD/x86_64}" && pwd)
exe="$build_dir/bench_win32.exe"
[[ -f "$exe" ]] || {
  echo "run_bench: $exe is missing: build the x86_64 targets first" >&2
  exit 2
}

# The names the benchmark looks for (bench/win32/bench_win32.h).
root="$WINEPREFIX/drive_c/vantiro-bench"
windows_root="C:\\vantiro-bench\\"

# make_names <folder> <count> <seq format> <command>: runs the command
# (mkdir, touch) on the names 0 to count-1, as few times as xargs can.
make_names() {
  mkdir -p "$1"
  (cd "$1" && seq -f "$3" 0 $(($2 - 1)) | xargs -d '\n' "$4")
}

make_pages() {
  local folder=$1 count=$2 page i
  mkdir -p "$folder"
  printf -v page '%*s' $((50 * 1024)) ''
  page="<html><head><title>A page</title></head><body>${page// /x}</body></html>"
  for ((i = 0; i < count; i++)); do
    printf '%s' "$page" >"$folder/$(printf 'page %04d.html' "$i")"
  done
}

main() {
  xvfb_start >/dev/null
  wine_prefix_create
  rm -rf "$root"
  at_exit "rm -rf $(printf %q "$root")"
  echo "Making the folders in $windows_root"
  make_names "$root/small" 10000 'folder %06g' mkdir
  make_names "$root/big" 100000 'folder %06g' mkdir
  make_names "$root/files small" 10000 'file %06g.txt' touch
  make_names "$root/files big" 100000 'file %06g.txt' touch
  make_pages "$root/web" 1000
  local i
  for i in $(seq -f '%03g' 0 199); do make_names "$root/keys/k$i" 500 'file %03g.txt' touch; done
  # Real pages: the machine's largest folder of them (a documentation set).
  local pages
  pages=$(find / -xdev -name '*.html' -type f -not -path "$root/*" -printf '%h\n' 2>/dev/null |
    sort | uniq -c | sort -rn | awk 'NR == 1 { $1 = ""; print substr($0, 2) }')
  [[ -n "$pages" ]] && cp -r "$pages" "$root/real pages"
  mkdir -p "$root/pictures"
  convert -size 6000x4000 gradient:navy-orange -quality 90 "$root/pictures/big.jpg"
  convert -size 12000x8000 gradient:navy-orange -quality 90 "$root/pictures/huge.jpg"
  convert -size 10000x10000 gradient:white-teal -depth 8 "PNG24:$root/pictures/huge.png"
  mkdir -p "$root/photos"
  convert -size 4000x3000 plasma:fractal -quality 85 "$root/photos/photo 000.jpg"
  for i in $(seq -f '%03g' 1 99); do cp "$root/photos/photo 000.jpg" "$root/photos/photo $i.jpg"; done
  # Nothing else may run in the prefix meanwhile, and nothing may wait for
  # ever: an hour is far more than the benchmark takes.
  (cd "$build_dir" && timeout -k 10 3600 wine bench_win32.exe "$windows_root" </dev/null)
}

main
