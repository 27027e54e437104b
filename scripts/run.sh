#!/usr/bin/env bash
# Builds the x86_64 Vantiro.exe and starts it under Wine.
#
# With a display ($DISPLAY answers) the program runs there until you close it.
# Without one it makes a first run on a fresh Xvfb (from build/first-run, with
# no settings): it answers the welcome question and the reminder and leaves a
# screenshot of each window as it comes, build/screenshot-1-message.png to
# build/screenshot-3-main.png, then ends the program.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/setup.sh
mkdir -p build

echo "== Building Vantiro.exe (x86_64)"
cmake -S . -B build/x86_64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release >build/configure-x86_64.log
cmake --build build/x86_64 -j2 --target Vantiro help_file e2e_probe

# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh
# shellcheck source=scripts/headless.sh
source scripts/headless.sh

if [[ -n "${DISPLAY:-}" ]] && xdpyinfo >/dev/null 2>&1; then
  wine_prefix_create
  echo "== Vantiro runs on $DISPLAY; close its window to end"
  # The program finds its settings in its current folder: start it from its own.
  cd "$exe_dir"
  wine Vantiro.exe
  exit 0
fi

xvfb_start
wine_prefix_create
echo "== A first run of Vantiro on the virtual display $DISPLAY"
start_first_run "$VANTIRO_BUILD/first-run"
rm -f "$VANTIRO_BUILD"/screenshot-*.png
answer_first_run "$VANTIRO_BUILD/screenshot"
end_program
echo "== Vantiro ended"
