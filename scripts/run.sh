#!/usr/bin/env bash
# Builds the x86_64 Vantiro.exe and starts it under Wine.
#
# With a display ($DISPLAY answers) the program runs there until you close it.
# Without one it runs on a fresh Xvfb: the script waits for the window, leaves
# a screenshot in build/screenshot.png and ends the program.
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
exe_dir="$VANTIRO_BUILD/x86_64"

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
echo "== Vantiro runs on the virtual display $DISPLAY"
(cd "$exe_dir" && exec wine Vantiro.exe) </dev/null &
app_pid=$!

for ((tries = 0; tries < 300; tries++)); do
  if xdotool search --onlyvisible --name '^Vantiro!' >/dev/null 2>&1; then
    break
  fi
  if ! kill -0 "$app_pid" 2>/dev/null; then
    echo "run: Vantiro.exe ended before its window appeared" >&2
    exit 1
  fi
  sleep 0.2
done
if ((tries == 300)); then
  echo "run: no window \"Vantiro!\" after 60 s" >&2
  exit 1
fi

sleep 1 # let the window paint
import -window root "$VANTIRO_BUILD/screenshot.png"
echo "== Screenshot: build/screenshot.png"

wine "$exe_dir/e2e_probe.exe" </dev/null close 'Vantiro!' || true
for ((tries = 0; tries < 50; tries++)); do
  kill -0 "$app_pid" 2>/dev/null || break
  sleep 0.2
done
echo "== Vantiro ended"
