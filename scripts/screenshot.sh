#!/usr/bin/env bash
# Makes the README's screenshot, docs/screenshot.png: Vantiro at work under
# Wine on a virtual display, in folders this script makes under C:\Projects.
# Four folder boxes (the drives, C:\, Projects, Website), the file list of
# Website, its "HTML files" window and a picture in the viewer. Run it again
# after a change to what these windows show.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/setup.sh
cmake -S . -B build/x86_64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release >build/configure-x86_64.log
cmake --build build/x86_64 -j2 --target Vantiro help_file e2e_probe

# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh
# shellcheck source=scripts/headless.sh
source scripts/headless.sh
# A prefix of its own: C:\ holds what a fresh Wine has, and Projects.
export WINEPREFIX="$VANTIRO_BUILD/screenshot-prefix"
xvfb_start >/dev/null
wine_prefix_create

# page <file> <title>: an HTML page whose title the HTML files window lists.
page() {
  printf '<html><head><title>%s</title></head><body><h1>%s</h1></body></html>\n' "$2" "$2" >"$1"
}

projects="$WINEPREFIX/drive_c/Projects"
rm -rf "$projects"
at_exit "rm -rf $(printf %q "$projects")"
mkdir -p "$projects"/{Music,Photos,Website/{images,scripts,styles}}
site="$projects/Website"
page "$site/index.html" 'Welcome to our club'
page "$site/events.html" 'Events this winter'
page "$site/contact.htm" 'How to find us'
convert -size 240x160 -seed 14 plasma:steelblue-gold "BMP3:$site/banner.bmp"
echo 'body { font-family: sans-serif; }' >"$site/site.css"
echo 'Renew the domain in March.' >"$site/notes.txt"

start_first_run "$VANTIRO_BUILD/screenshot-run"
answer_first_run
click_entry 0 c:
sleep 1
click_entry 1 projects
sleep 1
click_entry 2 website
probe wait 'HTML files' 10 >/dev/null
click_entry 4 banner.bmp
probe wait 'banner.bmp ' 10 >/dev/null
# The viewer opens where the HTML files window stands: drag it below by its
# caption (a press on the picture would zoom).
read -r -a html <<<"$(probe window 'HTML files')"
read -r -a viewer <<<"$(probe window 'banner.bmp ')"
x=$((viewer[0] + viewer[2] / 2)) y=$((viewer[1] + 8))
xdotool mousemove "$x" "$y" mousedown 1
sleep 0.2
xdotool mousemove "$x" $((y + html[3] + 10))
sleep 0.2
xdotool mousemove "$x" $((y + html[3] + 12)) mouseup 1
mkdir -p docs
shot docs/screenshot.png
# Only the windows, on a narrow black margin.
convert docs/screenshot.png -trim +repage -bordercolor black -border 10 docs/screenshot.png
