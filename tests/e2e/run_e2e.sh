#!/usr/bin/env bash
# End-to-end test: starts the real Vantiro.exe under Wine on a virtual display
# and uses it as a person would, with the mouse and the keyboard (xdotool),
# reading what the window shows through e2e_probe.exe.
#
#   tests/e2e/run_e2e.sh [build-dir]      (default: build/x86_64)
#
# Each check prints "ok - ..." or "not ok - ..."; the last line counts them.
# To add a step, write a check_* function and call it from main below.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=scripts/wine-env.sh
source "$here/../../scripts/wine-env.sh"
# shellcheck source=scripts/headless.sh
source "$here/../../scripts/headless.sh"

build_dir=$(cd "${1:-$VANTIRO_BUILD/x86_64}" && pwd)
probe_exe="$build_dir/e2e_probe.exe"
# The folder the file-list checks open: made in C:\ before the program starts,
# shown lower-cased in its box. Names of four characters or fewer (a.c, x.js)
# are never listed.
html_folder="$WINEPREFIX/drive_c/E2E Html"
html_entry='e2e html'
html_title='HTML files'
# The HTML files first, each put on top as the sorted names come (a.html,
# b.htm, Gamma.HTM), then the others by name without regard to case, programs
# with their extension in capitals; the HTML files window holds the titles
# line for line.
all_files=(Gamma.HTM b.htm a.html café.txt notes.txt pic.bmp run.BAT 'Tom & Jerry.txt')
all_titles=(Gamma Beta 'Alpha page')
filter='*.txt;*.bat'
filtered_files=(café.txt notes.txt run.BAT 'Tom & Jerry.txt')
passed=0
failed=0
app_pid=

# ---- reporting ---------------------------------------------------------------

ok() {
  echo "ok - $1"
  passed=$((passed + 1))
}

# A failed check leaves a screenshot beside the build for a look afterwards.
not_ok() {
  echo "not ok - $1"
  if (($# > 1)); then
    printf '%s\n' "${@:2}" | sed 's/^/#   /'
  fi
  failed=$((failed + 1))
  import -window root "$VANTIRO_BUILD/e2e-failure-$failed.png" 2>/dev/null || true
}

# ---- the program and the probe -------------------------------------------------

# Retries a command every 0.3 s until it succeeds or the seconds run out: the
# window moves and resizes on a timer, so a state may take a moment to settle.
eventually() {
  local seconds=$1
  shift
  local deadline=$((SECONDS + seconds))
  until "$@" >/dev/null 2>&1; do
    if ((SECONDS >= deadline)); then
      return 1
    fi
    sleep 0.3
  done
}

# Vantiro reads its program folder from its current folder: start it from the
# folder that holds the exe. The first start gets a fresh copy, so that no
# settings file is found; "again" starts it on the files the last run left.
run_dir="$VANTIRO_BUILD/e2e-run"
start_program() {
  if [[ "${1:-}" != again ]]; then
    rm -rf "$run_dir"
    mkdir -p "$run_dir"
    cp "$build_dir/Vantiro.exe" "$build_dir/HowTo.hlp" "$build_dir/HowTo.cnt" "$run_dir/"
  fi
  (cd "$run_dir" && exec wine Vantiro.exe) </dev/null >"$VANTIRO_BUILD/e2e-program.log" 2>&1 &
  app_pid=$!
  at_exit 'stop_program'
}

stop_program() {
  if [[ -n "$app_pid" ]] && kill -0 "$app_pid" 2>/dev/null; then
    probe close "$title" >/dev/null || true
    sleep 1
    kill "$app_pid" 2>/dev/null || true
  fi
}

program_running() {
  kill -0 "$app_pid" 2>/dev/null
}

# press_key <key>: a key press in the main window.
press_key() {
  focus_window "$title_regex"
  xdotool key "$1"
}

# "left top width height clientWidth clientHeight" of the main window.
window_field() {
  local fields
  local -a geometry
  fields=$(probe window "$title") || return 1
  read -r -a geometry <<<"$fields"
  echo "${geometry[$1]}"
}

client_width_is() {
  [[ "$(window_field 4)" == "$1" ]]
}

box_count_is() {
  [[ "$(probe boxes "$title" | wc -l)" == "$1" ]]
}

# The entries of box <index> (left to right), one a line.
box_items() {
  probe items "$title" "$1"
}

box_left() {
  local line
  line=$(probe boxes "$title" | sed -n "$(($1 + 1))p")
  [[ -n "$line" ]] || return 1
  echo "${line%% *}"
}

# items_are <window title> <box> <entry>...: the box holds these, in order.
items_are() {
  [[ "$(probe items "$1" "$2")" == "$(printf '%s\n' "${@:3}")" ]]
}

# With the test folder open: box 0, box 1, then the file list at 200 pixels
# (3000 twips: box 0 shrunk to 1200, box 1 at the full 1800) holding these.
file_list_is() {
  box_count_is 3 && [[ "$(box_left 2)" == 200 ]] && items_are "$title" 2 "$@"
}

# Box 0 right after start or a refresh: the drives c: and z: (each perhaps
# followed by a blank and a label) and then the empty separator.
drives_listed() {
  local items
  mapfile -t items < <(box_items 0)
  ((${#items[@]} == 3)) &&
    [[ "${items[0]}" == "c:" || "${items[0]}" == "c: "* ]] &&
    [[ "${items[1]}" == "z:" || "${items[1]}" == "z: "* ]] &&
    [[ -z "${items[2]}" ]]
}

# What box 1 should hold once C:\ is open: the sub-folders of the prefix's
# drive_c, lower-cased, sorted by name without regard to case.
c_folders() {
  find "$WINEPREFIX/drive_c" -mindepth 1 -maxdepth 1 -type d -printf '%f\n' |
    tr '[:upper:]' '[:lower:]' | LC_ALL=C sort
}

box1_holds_c_folders() {
  [[ "$(box_items 1)" == "$(c_folders)" ]]
}

# Makes the test folder of the file-list checks; it goes again at exit.
make_html_folder() {
  rm -rf "$html_folder"
  mkdir -p "$html_folder"
  at_exit "rm -rf $(printf %q "$html_folder")"
  printf '<html><head><TITLE>Alpha page</TITLE></head><body>A</body></html>\n' >"$html_folder/a.html"
  printf '<title>Beta</title>\n' >"$html_folder/b.htm"
  printf '<p>First</p><Title>Gamma</Title>\n' >"$html_folder/Gamma.HTM"
  local name
  for name in notes.txt run.bat a.c x.js pic.bmp 'Tom & Jerry.txt' café.txt; do
    : >"$html_folder/$name"
  done
}

# The HTML files window stands flush right of the main window, top-aligned.
html_window_beside() {
  local -a main html
  read -r -a main <<<"$(probe window "$title")"
  read -r -a html <<<"$(probe window "$html_title")"
  ((${#main[@]} == 6 && ${#html[@]} == 6)) &&
    ((html[0] == main[0] + main[2] && html[1] == main[1]))
}

# Menus stay inside their process under Wine and cannot be read from here,
# but an open menu is a window of its own: menus are told apart by its size.
# Prints "width height" of the menu open in the main window, once one is.
open_menu_size() {
  local -a fields
  eventually 5 probe menu "$title" || return 1
  read -r -a fields <<<"$(probe menu "$title")"
  ((${#fields[@]} == 4)) && echo "${fields[2]} ${fields[3]}"
}

no_menu_open() {
  ! probe menu "$title"
}

# The size of the last menu of the menu bar: F10 highlights the first menu,
# Left reaches the system menu, Left again the last menu, Down opens it. The
# first Escape closes it, the second leaves the menu bar.
bar_last_menu_size() {
  press_key F10
  sleep 0.3
  xdotool key --delay 200 Left Left Down
  open_menu_size || true
  xdotool key --delay 200 Escape Escape
  eventually 5 no_menu_open
}

# context_menu_size <entry> | below: the size of the menu a right click on an
# entry of the file list pops up, or two rows below its last entry.
context_menu_size() {
  if [[ "$1" == below ]]; then
    local -a first second last
    read -r -a first <<<"$(probe item-center "$title" 2 0)"
    read -r -a second <<<"$(probe item-center "$title" 2 1)"
    read -r -a last <<<"$(probe item-center "$title" 2 $(($(box_items 2 | wc -l) - 1)))"
    ((${#first[@]} == 2 && ${#second[@]} == 2 && ${#last[@]} == 2)) || return 1
    click_at "$title_regex" "${last[0]}" $((last[1] + 2 * (second[1] - first[1]))) 3
  else
    click_entry 2 "$1" 3 || return 1
  fi
  open_menu_size || true
  xdotool key Escape
  eventually 5 no_menu_open
}

# window_says <window title> <text>: one of the window's texts is exactly that.
window_says() {
  probe texts "$1" | grep -qxF -- "$2"
}

# ---- the checks ----------------------------------------------------------------

# Whichever comes first: the main window, or a message box with the
# application title (the first-run welcome). Prints "main" or "message".
first_window() {
  local deadline=$((SECONDS + 60))
  while ((SECONDS < deadline)) && program_running; do
    if probe wait "$title" 0 >/dev/null 2>&1; then
      echo main
      return 0
    fi
    if probe wait "$app_title" 0 >/dev/null 2>&1; then
      echo message
      return 0
    fi
    sleep 0.3
  done
  return 1
}

reminder_shown() {
  probe texts "$app_title" | grep -q 'Please remember'
}

# With no settings file beside the exe, a welcome question and a reminder come
# before the window: a person answers No (no help file), then OK.
check_first_run_welcome() {
  local name="on a first run the welcome question, then the reminder, come before the window"
  if ! probe texts "$app_title" | grep -q 'Welcome to Vantiro!'; then
    not_ok "$name" "the first message box says:" "$(probe texts "$app_title")"
    return
  fi
  click_button "$app_title" "$app_title_regex" No || true
  if ! eventually 10 reminder_shown; then
    not_ok "$name" "no reminder after No:" "$(probe texts "$app_title")"
    return
  fi
  click_button "$app_title" "$app_title_regex" OK || true
  if probe wait "$title" 20 >/dev/null; then
    ok "$name"
  else
    not_ok "$name" "no main window after the reminder"
  fi
}

check_window_appears() {
  if probe wait "$title" 60 >/dev/null; then
    ok "the main window \"$title\" appears"
  else
    not_ok "the main window \"$title\" appears" "program output: $(tail -n 5 "$VANTIRO_BUILD/e2e-program.log")"
    return 1
  fi
}

check_window_position() {
  local left top
  left=$(window_field 0 || true)
  top=$(window_field 1 || true)
  if [[ "$left" == 30 && "$top" == 40 ]]; then
    ok "the window stands at 30, 40 pixels (450, 600 twips)"
  else
    not_ok "the window stands at 30, 40 pixels (450, 600 twips)" "found left $left top $top"
  fi
}

check_width_with_no_folder_open() {
  if eventually 5 client_width_is 120; then
    ok "with no folder open the client area is 120 pixels wide (1800 twips)"
  else
    not_ok "with no folder open the client area is 120 pixels wide (1800 twips)" \
      "found $(window_field 4)"
  fi
}

check_drives_box() {
  if box_count_is 1 && drives_listed; then
    ok "one list box, holding c:, z: and the empty separator"
  else
    not_ok "one list box, holding c:, z: and the empty separator" "$(probe boxes "$title")"
  fi
}

check_click_c_opens_folder() {
  if ! click_entry 0 c:; then
    not_ok "clicking c: lists the sub-folders of C:\\ in a second box" "no entry c: to click"
    return
  fi
  if eventually 10 box1_holds_c_folders; then
    ok "clicking c: lists the sub-folders of C:\\ in a second box"
  else
    not_ok "clicking c: lists the sub-folders of C:\\ in a second box" \
      "expected: $(c_folders | paste -sd '|')" "boxes:" "$(probe boxes "$title")"
  fi
}

check_second_box_position() {
  local left
  left=$(box_left 1 || true)
  if [[ "$left" == 80 ]]; then
    ok "the second box stands at 80 pixels in the client area (1200 twips)"
  else
    not_ok "the second box stands at 80 pixels in the client area (1200 twips)" "found ${left:-no box}"
  fi
}

check_width_with_c_open() {
  if eventually 10 client_width_is 200; then
    ok "with C:\\ open the client area grows to 200 pixels (1200 + 1800 twips)"
  else
    not_ok "with C:\\ open the client area grows to 200 pixels (1200 + 1800 twips)" \
      "found $(window_field 4)"
  fi
}

check_file_list() {
  local name="a click on a folder lists its files right of the boxes at 200 pixels (3000 twips):"
  name+=" HTML files first, then by name, programs in capitals, short names left out"
  if ! click_entry 1 "$html_entry"; then
    not_ok "$name" "no entry $html_entry in box 1" "$(probe boxes "$title")"
  elif eventually 10 file_list_is "${all_files[@]}"; then
    ok "$name"
  else
    not_ok "$name" "expected: $(printf '%s|' "${all_files[@]}")" "boxes:" "$(probe boxes "$title")"
  fi
}

check_caption_names_folder() {
  local caption
  caption=$(probe caption "$title" || true)
  if [[ "$caption" == "$title - $html_entry" ]]; then
    ok "the caption names the folder clicked: \"$title - $html_entry\""
  else
    not_ok "the caption names the folder clicked: \"$title - $html_entry\"" "found \"$caption\""
  fi
}

check_html_window() {
  local name="the \"$html_title\" window stands flush right of the main window, holding the"
  name+=" page titles line for line with the HTML files"
  if eventually 5 html_window_beside && items_are "$html_title" 0 "${all_titles[@]}"; then
    ok "$name"
  else
    not_ok "$name" "main window: $(probe window "$title")" \
      "$html_title: $(probe window "$html_title") $(probe items "$html_title" 0 | paste -sd '|')"
  fi
}

# A press on the second title selects the second HTML file in the file list.
check_title_selects_file() {
  local name="a press on the second title in \"$html_title\" selects the second HTML file in the file list"
  local point
  if point=$(probe item-center "$html_title" 0 1); then
    # shellcheck disable=SC2086
    click_at "^$html_title\$" $point
  fi
  if eventually 10 test "$(probe selected "$title" 2)" = 1; then
    ok "$name"
  else
    not_ok "$name" "file list selection: $(probe selected "$title" 2)"
  fi
  click_entry 2 1 || true # the main window active again, for the keys to come
}

check_folder_menu() {
  local name="after a folder click the menu bar ends with FOLDER, not FILE: its last menu is"
  name+=" the one a right click below the files pops up"
  local bar folder
  bar=$(bar_last_menu_size || true)
  folder=$(context_menu_size below || true)
  if [[ -n "$bar" && "$bar" == "$folder" ]]; then
    ok "$name"
  else
    not_ok "$name" "last menu of the bar: ${bar:-none}" "menu below the files: ${folder:-none}"
  fi
}

# A right click on b.htm (entry 1) selects it, and its title, line 1.
check_file_menu() {
  local name="a right click on a file selects it and its title and pops up FILE, which then"
  name+=" ends the menu bar"
  local folder file bar selected title_selected
  folder=$(context_menu_size below || true)
  file=$(context_menu_size b.htm || true)
  selected=$(probe selected "$title" 2 || true)
  title_selected=$(probe selected "$html_title" 0 || true)
  bar=$(bar_last_menu_size || true)
  if [[ -n "$file" && "$file" != "$folder" && "$file" == "$bar" && "$selected" == 1 &&
    "$title_selected" == 1 ]]; then
    ok "$name"
  else
    not_ok "$name" "menu on b.htm: ${file:-none}, below the files: ${folder:-none}," \
      "last of the bar: ${bar:-none}; selected file ${selected:-?}, title ${title_selected:-?}"
  fi
}

# Escape answers a "File Filters" input box left open by a failed step.
cancel_filters() {
  if probe wait "File Filters" 0 >/dev/null 2>&1; then
    focus_window '^File Filters$'
    xdotool key Escape
    probe gone "File Filters" 5 >/dev/null || true
  fi
}

# The new filter rebuilds the view, which opens the remembered folder again
# with only the matching files.
check_filter() {
  local name="Ctrl+F asks for the filter, \"*.*\" at first; with \"$filter\" the folder lists only"
  name+=" those files and the \"$html_title\" window goes"
  press_key ctrl+f
  if ! probe wait "File Filters" 10 >/dev/null ||
    ! window_says "File Filters" 'Please enter one or more filters (i.e. *.bmp)' ||
    ! window_says "File Filters" '*.*' || ! window_says "File Filters" OK ||
    ! window_says "File Filters" Cancel; then
    not_ok "$name" "the input box \"File Filters\" says:" "$(probe texts "File Filters")"
    cancel_filters
    return
  fi
  focus_window '^File Filters$'
  xdotool type --delay 50 "$filter"
  if ! eventually 5 window_says "File Filters" "$filter"; then
    not_ok "$name" "after typing the input box says:" "$(probe texts "File Filters")"
    cancel_filters
    return
  fi
  xdotool key Return
  if ! probe gone "File Filters" 10 >/dev/null; then
    not_ok "$name" "Enter left the input box up"
    cancel_filters
    return
  fi
  # The new filter refreshes the view, which opens the folder again.
  if eventually 10 file_list_is "${filtered_files[@]}" &&
    probe gone "$html_title" 5 >/dev/null; then
    ok "$name"
  else
    not_ok "$name" "expected: $(printf '%s|' "${filtered_files[@]}")" "boxes:" \
      "$(probe boxes "$title")" "$html_title: $(probe window "$html_title" 2>&1)"
  fi
}

# A refresh reads the disk again: a folder made in C:\ after it was opened
# shows up. With the path remembered, C:\ opens again at once; otherwise box 0
# stands alone. A stale second box means F5 did nothing.
refresh_done() {
  drives_listed || return 1
  box_count_is 1 || box1_holds_c_folders
}

check_refresh_key() {
  local name="F5 rebuilds the view from the disk: the drives in box 0, the new folder in C:\\"
  made_folder="$WINEPREFIX/drive_c/e2e refresh"
  mkdir -p "$made_folder"
  at_exit "rmdir $(printf %q "$made_folder")"
  press_key F5
  if eventually 10 refresh_done && program_running; then
    ok "$name"
  else
    not_ok "$name" "$(probe boxes "$title")"
  fi
}

check_close_box_ends_program() {
  local point
  if ! point=$(probe close-box "$title"); then
    not_ok "the close box ends the program" "no close box found"
    return
  fi
  # shellcheck disable=SC2086
  click_at "$title_regex" $point
  if eventually 10 bash -c "! kill -0 $app_pid 2>/dev/null"; then
    ok "the close box ends the program"
  else
    not_ok "the close box ends the program" "still running after 10 s (close box at $point)"
  fi
}

# ---- the settings files ----------------------------------------------------------

# A folder of drive_c with a sub-folder and two files, for the restart checks.
settings_folder="e2e settings"
make_settings_folder() {
  local folder="$WINEPREFIX/drive_c/$settings_folder"
  mkdir -p "$folder/inner"
  printf one >"$folder/first.txt"
  printf two >"$folder/second.txt"
  at_exit "rm -rf $(printf %q "$folder")"
}

program_ended() {
  ! program_running
}

# Closes the main window as the close box does and waits for the program to end.
close_program() {
  probe close "$title" >/dev/null && eventually 10 program_ended
}

restart_program() {
  close_program || return 1
  start_program again
  probe wait "$title" 30 >/dev/null
}

# Line <n> of a settings file, without its CR LF.
settings_line() {
  sed -n "$2p" "$run_dir/$1" | tr -d '\r'
}

selected_text_is() {
  local index
  index=$(probe selected "$title" "$1") || return 1
  [[ "$(box_items "$1" | sed -n "$((index + 1))p")" == "$2" ]]
}

# Opens the folder below C:\ and selects a file, then closes: the Config file
# names the chain, and a restart brings back the boxes, selections and file.
check_restart_restores_the_path() {
  local name="a restart re-opens the folders and re-selects the file of the last run"
  make_settings_folder
  if ! restart_program || ! eventually 10 box1_holds_c_folders; then
    not_ok "$name" "C:\\ was not opened again at the restart" "$(probe boxes "$title")"
    return
  fi
  # Whatever goes wrong here shows in the Config lines checked below. The
  # selection must have landed before the close is posted.
  if click_entry 1 "$settings_folder" && eventually 10 box_count_is 4 &&
    click_entry 3 second.txt; then
    eventually 5 selected_text_is 3 second.txt || true
  fi
  if ! close_program; then
    not_ok "$name" "the program did not end on WM_CLOSE"
    return
  fi
  local expected actual
  expected=$(printf '%s|' 2 "\"c:\\$settings_folder\\\"" 1 "\"second.txt\"")
  actual=$(printf '%s|' "$(settings_line Config 13)" "$(settings_line Config 14)" \
    "$(settings_line Config 24)" "$(settings_line Config 25)")
  if [[ "$actual" != "$expected" ]]; then
    not_ok "$name" "Config lines 13, 14, 24, 25: $actual" "expected: $expected"
    return
  fi
  start_program again
  if probe wait "$title" 30 >/dev/null && eventually 10 selected_text_is 3 second.txt &&
    selected_text_is 1 "$settings_folder" && selected_text_is 0 c: &&
    [[ "$(box_items 2)" == inner ]]; then
    ok "$name"
  else
    not_ok "$name" "$(probe boxes "$title")"
  fi
}

favorite_listed() {
  box_items 0 | grep -qxF "c:\\$settings_folder\\"
}

# Ctrl+A adds the open folder to box 0; it is there after a restart and
# opens with a click.
check_favorite_survives_a_restart() {
  local name="Ctrl+A adds a favourite that comes back after a restart and opens with a click"
  press_key ctrl+a
  if ! eventually 5 favorite_listed; then
    not_ok "$name" "no favourite after Ctrl+A" "$(box_items 0)"
    return
  fi
  if ! restart_program || ! eventually 10 favorite_listed; then
    not_ok "$name" "the favourite is gone after the restart" \
      "Favorites: $(tr -d '\r' <"$run_dir/Favorites" 2>/dev/null)"
    return
  fi
  click_entry 0 "c:\\$settings_folder\\" || true
  if eventually 10 box1_is_inner; then
    ok "$name"
  else
    not_ok "$name" "$(probe boxes "$title")"
  fi
}

box1_is_inner() {
  [[ "$(box_items 1)" == inner ]]
}

# ---- at any depth and length --------------------------------------------------

browse_folders=("$WINEPREFIX/drive_c/deep" "$WINEPREFIX/drive_c/long" "$WINEPREFIX/drive_c/stale")

# C:\deep\d1\...\d40; C:\long\ and five folders of 61 characters below it,
# holding a page and a file behind a path of more than 300 characters; and
# C:\stale\: a\a1\a2, leaf\ with a file, gone\, and a name too wide for its box.
make_browse_folders() {
  rm -rf "${browse_folders[@]}"
  at_exit "rm -rf $(printf '%q ' "${browse_folders[@]}")"
  local deep="${browse_folders[0]}" long="${browse_folders[1]}" i
  for ((i = 1; i <= 40; i++)); do deep+="/d$i"; done
  for ((i = 1; i <= 5; i++)); do long+="/$i$(printf 'l%.0s' {1..60})"; done
  mkdir -p "$deep" "$long" "${browse_folders[2]}"/{a/a1/a2,leaf,gone,"$(printf 'w%.0s' {1..80})"}
  printf '<title>Far away</title>\n' >"$long/page.htm"
  : >"$long/far.txt"
  : >"${browse_folders[2]}/leaf/leaf.txt"
}

box_holds() {
  box_items "$1" | grep -qxF -- "$2"
}

# The entry's centre lies on the screen, where a hand can click it.
entry_on_screen() {
  local -a point screen
  read -r -a point <<<"$(probe item-center "$title" "$1" "$2")"
  read -r -a screen <<<"$(xdotool getdisplaygeometry)"
  ((${#point[@]} == 2 && point[0] >= 0 && point[0] < screen[0] && point[1] < screen[1]))
}

# open_chain <box> <entry>...: clicks each entry in turn, the first in <box>,
# each next one in the box the click before filled.
open_chain() {
  local box=$1
  shift
  local -a entries=("$@")
  local i
  for ((i = 0; i < ${#entries[@]}; i++)); do
    # The window moves to keep the active box in sight as the boxes settle.
    if ! eventually 5 entry_on_screen "$box" "${entries[i]}"; then
      echo "'${entries[i]}' is not on the screen in box $box"
      return 1
    fi
    click_entry "$box" "${entries[i]}" || return 1
    box=$((box + 1))
    if ((i + 1 < ${#entries[@]})) && ! eventually 10 box_holds "$box" "${entries[i + 1]}"; then
      echo "box $box did not open after '${entries[i]}'"
      return 1
    fi
  done
}

check_deep_chain() {
  local name="a chain of 40 folders opens click by click, each entry on the screen"
  local -a chain=(c: deep)
  for ((i = 1; i <= 40; i++)); do chain+=("d$i"); done
  local why
  if why=$(open_chain 0 "${chain[@]}") && eventually 10 caption_is "$title - d40" &&
    entry_on_screen 41 d40; then
    ok "$name"
  else
    not_ok "$name" "$why" "$(probe window "$title")"
  fi
}

caption_is() {
  [[ "$(probe caption "$title")" == "$1" ]]
}

long_files_listed() {
  [[ "$(box_items 7)" == "$(printf '%s\n' page.htm far.txt)" ]] &&
    items_are "$html_title" 0 "Far away"
}

check_long_path() {
  local name="a folder behind a path of more than 300 characters opens and lists its files and titles"
  local -a chain=(c: long)
  for ((i = 1; i <= 5; i++)); do chain+=("$i$(printf 'l%.0s' {1..60})"); done
  local why
  if why=$(open_chain 0 "${chain[@]}") && eventually 10 long_files_listed; then
    ok "$name"
  else
    not_ok "$name" "$why" "$(probe boxes "$title")"
  fi
}

# "bottom edges": the bottom of each list in sight, one a line.
list_bottoms() {
  probe boxes "$title" | awk '{ print $2 + $4 }' | sort -u
}

leaf_shown() {
  box_count_is 4 && [[ "$(box_items 3)" == leaf.txt ]]
}

# Boxes 3 and 4 hold a1 and a2 when leaf (no sub-folders) is clicked in box 2:
# they must not stand over box 2 and the file list; nor anything after a
# folder that cannot be opened and Cancel.
check_no_stale_box() {
  local name="after a folder without sub-folders, or a failed click and Cancel, no stale box shows; every list ends at one bottom edge"
  local why
  if ! why=$(open_chain 0 c: stale a a1) || ! eventually 10 box_holds 4 a2; then
    not_ok "$name" "$why" "$(probe boxes "$title")"
    return
  fi
  click_entry 2 leaf || true
  if ! eventually 10 leaf_shown || [[ "$(list_bottoms | wc -l)" != 1 ]]; then
    not_ok "$name" "after leaf:" "$(probe boxes "$title")"
    return
  fi
  rm -rf "${browse_folders[2]}/gone"
  click_entry 2 gone || true
  if eventually 10 probe button-center "$app_title" Cancel &&
    click_button "$app_title" "$app_title_regex" Cancel && eventually 10 box_count_is 1; then
    ok "$name"
  else
    not_ok "$name" "after Cancel:" "$(probe boxes "$title")"
  fi
}

# ---- the FILE and FOLDER commands ----------------------------------------------

# C:\cmd\src\ holds four files; C:\cmd\dest\ is empty. run.bat leaves a marker.
cmd_folder="$WINEPREFIX/drive_c/cmd"
make_command_folders() {
  rm -rf "$cmd_folder"
  at_exit "rm -rf $(printf %q "$cmd_folder")"
  mkdir -p "$cmd_folder/src" "$cmd_folder/dest"
  local name
  for name in 'a & b.txt' keep.txt trash.txt gone.txt share.txt; do echo "$name" >"$cmd_folder/src/$name"; done
  printf 'echo done > C:\\cmd\\marker.txt\r\n' >"$cmd_folder/src/run.bat"
}

# answer_message <title> <text> <button>: a message box of that title comes
# and holds the text; then its button is clicked.
answer_message() {
  local title=$1 text=$2 button=$3
  eventually 10 probe wait "$title" 0 || return 1
  probe texts "$title" | grep -qF -- "$text" || {
    echo "\"$title\" says: $(probe texts "$title")"
    return 1
  }
  click_button "$title" "^${title//\?/\\?}\$" "$button" && probe gone "$title" 10 >/dev/null
}

# select_file <entry>: src open, the entry of the file list (box 3) selected.
select_file() {
  box_holds 2 src || open_chain 0 c: cmd >/dev/null || return 1
  click_entry 2 src && eventually 10 box_holds 3 "$1" && click_entry 3 "$1"
}

in_src() { [[ -e "$cmd_folder/src/$1" ]]; }

check_copy_and_paste() {
  local name="Ctrl+C remembers a file, Ctrl+V in its own folder refuses, in another folder copies it after \"Confirm ?\""
  local why
  if why=$(select_file 'a & b.txt') && press_key ctrl+c &&
    why=$(answer_message "$app_title" "a & b.txt' has been copied." OK) &&
    press_key ctrl+v &&
    why=$(answer_message "$app_title" 'Destination folder must be different from source folder.' OK) &&
    click_entry 2 dest && sleep 0.5 && press_key ctrl+v &&
    why=$(answer_message 'Confirm ?' 'Do you want to continue ?' Yes) &&
    eventually 10 test -e "$cmd_folder/dest/a & b.txt"; then
    ok "$name"
  else
    not_ok "$name" "$why"
  fi
}

check_rename() {
  local name="F2 renames the selected file to the name typed; the list follows"
  local why
  if why=$(select_file keep.txt) && press_key F2 && eventually 10 probe wait Rename 0 &&
    window_says Rename keep.txt; then
    focus_window '^Rename$'
    xdotool key ctrl+a && xdotool type --delay 50 'kept & sound.txt' && xdotool key Return
    if eventually 10 in_src 'kept & sound.txt' && eventually 10 box_holds 3 'kept & sound.txt'; then
      ok "$name"
      return
    fi
  fi
  not_ok "$name" "$why" "$(ls "$cmd_folder/src")"
}

# Wine's own question before it moves a file to its trash.
trash_question() {
  probe wait 'Confirm file deletion' 0
}

check_delete_and_recycle() {
  local name="Del sends the file to the trash after the shell's question; Shift+Del deletes one for good after the program's"
  local why
  if ! why=$(select_file trash.txt) || ! press_key Delete || ! eventually 10 trash_question; then
    not_ok "$name" "$why" "no question from the shell"
    return
  fi
  click_button 'Confirm file deletion' '^Confirm file deletion$' Yes || true
  if ! eventually 10 test ! -e "$cmd_folder/src/trash.txt" ||
    ! ls "$XDG_DATA_HOME"/Trash/files 2>/dev/null | grep -q trash.txt; then
    not_ok "$name" "trash.txt: $(ls "$cmd_folder/src"); trash: $(ls -R "$XDG_DATA_HOME" 2>&1 | head)"
    return
  fi
  if why=$(select_file gone.txt) && press_key shift+Delete &&
    why=$(answer_message "$app_title" "Do you really want to delete '" Yes) &&
    eventually 10 test ! -e "$cmd_folder/src/gone.txt"; then
    ok "$name"
  else
    not_ok "$name" "$why"
  fi
}

# In c:\odd, names the shell would read as others' (a.txt. beside a.txt) and
# a folder holding a link to another: the shell's commands say why not.
odd_folder="$WINEPREFIX/drive_c/odd"
check_names_the_shell_misreads() {
  local name="Del on a.txt. beside a.txt says why not, Shift+Del deletes a.txt. alone; a folder holding a link is refused with its reason"
  local why
  rm -rf "$odd_folder" && mkdir -p "$odd_folder"/{names,holder,target}
  echo plain >"$odd_folder/names/a.txt"
  echo dot >"$odd_folder/names/a.txt."
  echo kept >"$odd_folder/target/kept.txt"
  ln -s ../target "$odd_folder/holder/link"
  if why=$(open_chain 0 c: odd names) && eventually 10 box_holds 3 a.txt. &&
    click_entry 3 a.txt. && press_key Delete &&
    why=$(answer_message "$app_title" "a.txt.' cannot be sent to the Recycle Bin: its name ends in a dot." OK) &&
    press_key shift+Delete && why=$(answer_message "$app_title" "names\\a.txt.' ?" Yes) &&
    eventually 10 test ! -e "$odd_folder/names/a.txt." && [[ "$(cat "$odd_folder/names/a.txt")" == plain ]] &&
    click_entry 2 holder 3 && open_menu_size >/dev/null && xdotool key --delay 200 Down Down Down Return &&
    why=$(answer_message "$app_title" "holder' cannot be sent to the Recycle Bin: 'link' inside it is a link." OK) &&
    [[ -L "$odd_folder/holder/link" && -f "$odd_folder/target/kept.txt" ]]; then
    ok "$name"
  else
    not_ok "$name" "$why" "$(ls -R "$odd_folder")"
  fi
  rm -rf "$odd_folder"
}

properties_sheet() {
  xdotool search --onlyvisible --name 'kept & sound' 2>/dev/null | head -n 1
}

check_properties() {
  local name="F3 shows a Properties sheet naming the file"
  local why
  if why=$(select_file 'kept & sound.txt') && press_key F3 && eventually 15 properties_sheet; then
    ok "$name"
    focus_window 'kept & sound'
    xdotool key Escape
    eventually 10 test -z "$(properties_sheet)" || true
  else
    not_ok "$name" "$why"
  fi
}

notepad_on() {
  xdotool search --onlyvisible --name "$1 - Notepad" 2>/dev/null | head -n 1
}

# The entry selected in the "Open with" box names notepad.exe.
notepad_chosen() {
  local index
  index=$(probe selected 'Open with' 0) || return 1
  [[ "$(probe items 'Open with' 0 | sed -n "$((index + 1))p")" == *notepad.exe ]]
}

# Wine's shell has no Open With dialog, nor a program for ".txt": the
# program's own box comes, and "Browse..." finds Wine's notepad.
check_open_with() {
  local name="Ctrl+O opens the program's own box; a program found with Browse... opens the file"
  local why
  if ! why=$(select_file 'kept & sound.txt') || ! press_key ctrl+o ||
    ! eventually 10 probe wait 'Open with' 0 ||
    ! window_says 'Open with' "Choose the program to open 'kept & sound.txt' with:"; then
    not_ok "$name" "$why" "$(probe texts 'Open with' 2>&1)"
    return
  fi
  click_button 'Open with' '^Open with$' 'Browse...' || true
  if ! eventually 10 probe wait 'Choose a program' 0; then
    not_ok "$name" "no file dialog after Browse..."
    return
  fi
  focus_window '^Choose a program$'
  xdotool type --delay 30 'C:\windows\notepad.exe'
  xdotool key Return
  if ! probe gone 'Choose a program' 10 >/dev/null ||
    ! eventually 5 notepad_chosen; then
    not_ok "$name" "notepad not chosen:" "$(probe items 'Open with' 0 2>&1)"
    return
  fi
  click_button 'Open with' '^Open with$' OK || true
  if probe gone 'Open with' 10 >/dev/null && eventually 20 notepad_on 'kept & sound.txt'; then
    ok "$name"
    probe close 'kept & sound.txt - Notepad' >/dev/null || true
  else
    not_ok "$name" "no notepad on the file"
  fi
}

# The X windows of the program's main windows, one a line.
main_windows() {
  xdotool search --onlyvisible --name "$title_regex" 2>/dev/null
}

two_main_windows() {
  (($(main_windows | wc -l) == 2))
}

# "x y" of an X window on the screen.
x_position() {
  xdotool getwindowgeometry "$1" | awk '/Position/ { split($2, p, ","); print p[1], p[2] }'
}

# Ctrl+N: a second process opens where this window was, with the same
# folders, while this one moves 500 twips (33 pixels) down and right. A file
# copied in the first window is pasted in the second.
check_new_window() {
  local name="Ctrl+N opens a second window at the old place with the same folders, this one 33 px down and right; Copy in one, Paste in the other"
  local why first second before after dest
  local -a old new
  if ! why=$(select_file share.txt) || ! press_key ctrl+c ||
    ! why=$(answer_message "$app_title" "share.txt' has been copied." OK) ||
    ! click_entry 2 src || ! dest=$(probe item-center "$title" 2 dest); then
    not_ok "$name" "$why"
    return
  fi
  first=$(main_windows | head -n 1)
  before=$(x_position "$first")
  press_key ctrl+n
  if ! eventually 20 two_main_windows; then
    not_ok "$name" "no second window"
    return
  fi
  second=$(main_windows | grep -vx "$first")
  after=$(x_position "$first")
  read -r -a old <<<"$before"
  read -r -a new <<<"$after"
  if [[ "${new[0]} ${new[1]}" != "$((old[0] + 33)) $((old[1] + 33))" ]] ||
    [[ "$(x_position "$second")" != "$before" ]]; then
    not_ok "$name" "first at $before then $after; second at $(x_position "$second")"
    return
  fi
  # The second window shows the same folders at the old place: dest's entry
  # lies where it lay in the first.
  # shellcheck disable=SC2086
  click_at "^Vantiro! - src\$" $dest
  if eventually 10 probe wait "$title - dest" 0 && focus_window "^Vantiro! - dest\$" &&
    xdotool key ctrl+v && why=$(answer_message 'Confirm ?' 'Do you want to continue ?' Yes) &&
    eventually 10 test -e "$cmd_folder/dest/share.txt"; then
    ok "$name"
  else
    not_ok "$name" "$why" "$(xdotool search --onlyvisible --name . getwindowname %@ 2>&1)"
  fi
  probe close "$title - dest" >/dev/null || true
  eventually 10 test "$(main_windows | wc -l)" = 1 || true
}

# drag_to <x> <y>: the left button held from where the pointer is to there,
# in steps, as a hand drags.
drag_to() {
  xdotool mousedown 1
  sleep 0.3
  local i x y
  read -r x y < <(xdotool getmouselocation | sed 's/x:\([0-9]*\) y:\([0-9]*\).*/\1 \2/')
  for i in 1 2 3 4 5; do
    xdotool mousemove $((x + ($1 - x) * i / 5)) $((y + ($2 - y) * i / 5))
    sleep 0.1
  done
  sleep 0.3
  xdotool mouseup 1
}

# A right press on a folder opens it and pops up FOLDER; a press below the
# last entry of box 2 steps back to box 1's folder; a file dragged from the
# file list onto box 2 is copied into box 2's folder (C:\cmd\).
check_folder_mouse() {
  local name="a right press on a folder opens it with FOLDER; a press below a box's entries steps back; a file dragged onto a box is copied into its folder"
  local why size point
  if ! why=$(select_file 'a & b.txt') || ! click_entry 2 dest 3 || ! size=$(open_menu_size) ||
    ! eventually 10 caption_is "$title - dest"; then
    not_ok "$name" "$why" "right press: menu '${size:-none}', caption $(probe caption "$title")"
    return
  fi
  xdotool key Escape
  eventually 5 no_menu_open || true
  read -r -a point <<<"$(probe item-center "$title" 2 src)"
  click_at "$title_regex" "${point[0]}" $((point[1] + 100))
  if ! eventually 10 caption_is "$title - cmd" || [[ "$(probe selected "$title" 2)" != -1 ]]; then
    not_ok "$name" "below the entries: caption $(probe caption "$title"), box 2 selection $(probe selected "$title" 2)"
    return
  fi
  if ! why=$(select_file 'a & b.txt') || ! point=$(probe item-center "$title" 3 'a & b.txt'); then
    not_ok "$name" "$why"
    return
  fi
  local -a from to
  read -r -a from <<<"$point"
  read -r -a to <<<"$(probe item-center "$title" 2 dest)"
  xdotool mousemove "${from[0]}" "${from[1]}"
  drag_to "${to[0]}" $((to[1] + 60))
  if why=$(answer_message 'Confirm ?' 'Destination folder :   c:\cmd\' Yes) &&
    eventually 10 test -e "$cmd_folder/a & b.txt"; then
    ok "$name"
  else
    not_ok "$name" "$why" "$(ls "$cmd_folder")"
  fi
}

# shell_drop <x> <y> <file>: a drag from another process (the probe's drag
# source, as Explorer would start one) released at x y; prints the effect the
# drop target chose once the drag is over.
shell_drop() {
  local out="$VANTIRO_BUILD/e2e-drag.out" screen
  read -r -a screen <<<"$(xdotool getdisplaygeometry)"
  local sx=$((screen[0] - 90)) sy=$((screen[1] - 90))
  timeout 90 wine "$probe_exe" drag "$sx" "$sy" "$3" </dev/null >"$out" 2>/dev/null &
  eventually 20 probe wait 'e2e drag source' 0 || return 1
  xdotool mousemove $((sx + 30)) $((sy + 30))
  drag_to "$1" "$2"
}

# The effect the last shell_drop reported, once its drag source has ended.
drop_effect() {
  eventually 30 probe gone 'e2e drag source' 0 && cat "$VANTIRO_BUILD/e2e-drag.out"
}

# A file dragged from another process onto box 2 is copied into box 2's
# folder (C:\cmd\) after "Confirm ?"; onto box 0 it is refused.
check_shell_drop() {
  local name="a file dragged from another process onto box 2 is copied into its folder; box 0 refuses it"
  local file='café & co.txt' why effect
  local -a to drives
  mkdir -p "$WINEPREFIX/drive_c/drop" && echo dropped >"$WINEPREFIX/drive_c/drop/$file"
  at_exit "rm -rf $(printf %q "$WINEPREFIX/drive_c/drop")"
  box_holds 2 dest || open_chain 0 c: cmd >/dev/null
  read -r -a to <<<"$(probe item-center "$title" 2 dest)"
  shell_drop "${to[0]}" $((to[1] + 60)) "C:\\drop\\$file"
  # The question comes once the drag is over, the other program free again.
  if ! effect=$(drop_effect) || [[ "$effect" != copy ]] ||
    ! why=$(answer_message 'Confirm ?' "Source file :   C:\\drop\\$file" Yes) ||
    ! eventually 10 test -e "$cmd_folder/$file"; then
    not_ok "$name" "$why" "effect '${effect:-}'" "$(ls "$cmd_folder")"
    return
  fi
  read -r -a drives <<<"$(probe item-center "$title" 0 c:)"
  shell_drop "${drives[0]}" $((drives[1] + 60)) "C:\\drop\\$file"
  if drop_effect >/dev/null && why=$(answer_message "$app_title" 'You cannot copy anything here.' OK); then
    ok "$name"
  else
    not_ok "$name" "$why"
  fi
}

check_batch_file() {
  local name="a double click on run.BAT asks first: No runs nothing, Yes runs it"
  local why point
  if ! why=$(select_file run.BAT) || ! point=$(probe item-center "$title" 3 run.BAT); then
    not_ok "$name" "$why"
    return
  fi
  # shellcheck disable=SC2086
  xdotool mousemove $point click --repeat 2 --delay 80 1
  if ! why=$(answer_message "$app_title" 'Warning : You are executing a bach file !' No); then
    not_ok "$name" "$why"
    return
  fi
  sleep 2
  if [[ -e "$cmd_folder/marker.txt" ]]; then
    not_ok "$name" "No ran it"
    return
  fi
  # shellcheck disable=SC2086
  xdotool mousemove $point click --repeat 2 --delay 80 1
  if why=$(answer_message "$app_title" 'Warning : You are executing a bach file !' Yes) &&
    eventually 30 test -e "$cmd_folder/marker.txt"; then
    ok "$name"
  else
    not_ok "$name" "$why" "no marker"
  fi
}

# ---- previews --------------------------------------------------------------------

media_folder="$WINEPREFIX/drive_c/media"

# A little-endian 32-bit number as printf escapes.
le32() {
  printf '\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255))
}

# make_wave <path> <seconds>: silence, mono, 8 kHz, 8 bits.
make_wave() {
  local samples=$((8000 * $2))
  {
    printf "RIFF$(le32 $((36 + samples)))WAVEfmt $(le32 16)\\x01\\x00\\x01\\x00"
    printf "$(le32 8000)$(le32 8000)\\x01\\x00\\x08\\x00data$(le32 "$samples")"
    head -c "$samples" /dev/zero | tr '\0' '\200'
  } >"$1"
}

# A picture of 100 x 80 pixels, a long sound, a text, and pictures that are
# empty or lie about their size.
make_media_folder() {
  rm -rf "$media_folder"
  at_exit "rm -rf $(printf %q "$media_folder")"
  mkdir -p "$media_folder"
  convert -size 100x80 xc:'#3366cc' "BMP3:$media_folder/pic.bmp"
  make_wave "$media_folder/tone.wav" 30
  echo notes >"$media_folder/notes.txt"
  : >"$media_folder/empty.bmp"
  # A header claiming 60000 x 60000 pixels of 24 bits, and no pixels.
  printf "BM$(le32 54)\\0\\0\\0\\0$(le32 54)$(le32 40)$(le32 60000)$(le32 60000)\\x01\\x00\\x18\\x00" \
    >"$media_folder/liar.bmp"
  head -c 24 /dev/zero >>"$media_folder/liar.bmp"
}

# left top width height clientWidth clientHeight of a window, by caption.
geometry() { probe window "$1"; }

# click_client <title> <button>: a click in the middle of a window's client area.
click_client() {
  local -a g
  read -r -a g <<<"$(geometry "$1")"
  local border=$(((g[2] - g[4]) / 2))
  click_at "^${1//./\\.}\$" $((g[0] + border + g[4] / 2)) $((g[1] + g[3] - border - g[5] / 2)) "$2"
}

client_size_is() { [[ "$(geometry "$1" | cut -d' ' -f5-6)" == "$2" ]]; }

# The picture stands flush right of the main window in its natural size; a
# left click doubles it, right clicks halve it, the caption says so; a text
# hides it; pictures that cannot be read show nothing and hurt nothing.
check_picture_viewer() {
  local name="a 100 x 80 bitmap shows flush right of the main window; left click doubles, right clicks halve; a text hides it"
  local -a main viewer
  if ! open_chain 0 c: media >/dev/null || ! click_entry 2 pic.bmp ||
    ! eventually 10 client_size_is 'pic.bmp ' '100 80'; then
    not_ok "$name" "viewer: $(geometry 'pic.bmp ')"
    return
  fi
  read -r -a main <<<"$(geometry "$title")"
  read -r -a viewer <<<"$(geometry 'pic.bmp ')"
  click_client 'pic.bmp ' 1
  eventually 10 client_size_is 'pic.bmp  x2' '200 160' || true
  local doubled
  doubled=$(geometry 'pic.bmp  x2' || true)
  click_client 'pic.bmp  x2' 3
  eventually 10 client_size_is 'pic.bmp ' '100 80' || true
  click_client 'pic.bmp ' 3
  if ((viewer[0] != main[0] + main[2] || viewer[1] != main[1])) || [[ "$doubled" != *' 200 160' ]] ||
    ! eventually 10 client_size_is 'pic.bmp  x0.5' '50 40'; then
    not_ok "$name" "main: ${main[*]}" "viewer: ${viewer[*]}" "doubled: $doubled" \
      "now: $(probe caption 'pic.bmp ' 2>&1) $(geometry 'pic.bmp  x0.5' 2>&1)"
    return
  fi
  click_entry 2 notes.txt
  if ! probe gone 'pic.bmp  x0.5' 10 >/dev/null; then
    not_ok "$name" "the viewer stays after a click on notes.txt"
    return
  fi
  click_entry 2 empty.bmp && click_entry 2 liar.bmp
  if eventually 10 caption_is "$title - media" && ! probe wait 'liar.bmp ' 0 >/dev/null 2>&1; then
    ok "$name"
  else
    not_ok "$name" "after empty.bmp and liar.bmp: $(probe caption "$title") $(geometry 'liar.bmp ' 2>&1)"
  fi
}

# Whether the program holds the file open: the device keeps its file open
# until it is closed.
holding() {
  { find /proc/[0-9]*/fd -lname "*/$1" 2>/dev/null || true; } | grep -q .
}

released() { ! holding "$1"; }

# With autoplay on (File > Options, the third entry), a click on tone.wav
# docks the player under the main window and plays it: stop enabled, play
# not. A folder click leaves it playing; its close box closes the device.
check_player() {
  local name="with autoplay on, a .wav plays in the player docked under the main window; a folder click leaves it; its close box closes the device"
  local -a main player
  press_key F10
  xdotool key --delay 200 Down Right Down Down Return
  if ! click_entry 2 tone.wav || ! eventually 10 probe wait tone.wav 0; then
    not_ok "$name" "no player"
    return
  fi
  read -r -a main <<<"$(geometry "$title")"
  read -r -a player <<<"$(geometry tone.wav)"
  local states
  states="$(probe button-enabled tone.wav Stop) $(probe button-enabled tone.wav Play)"
  if ((player[0] != main[0] || player[1] != main[1] + main[3] || player[2] != main[2])) ||
    [[ "$states" != '1 0' ]] || ! holding tone.wav; then
    not_ok "$name" "main: ${main[*]}" "player: ${player[*]}" "stop, play enabled: $states"
    return
  fi
  click_entry 1 media
  sleep 1
  if ! probe wait tone.wav 0 >/dev/null; then
    not_ok "$name" "a folder click hid the playing player"
    return
  fi
  local -a close
  read -r -a close <<<"$(probe close-box tone.wav)"
  click_at '^tone\.wav$' "${close[0]}" "${close[1]}"
  if probe gone tone.wav 10 >/dev/null && eventually 10 released tone.wav; then
    ok "$name"
  else
    not_ok "$name" "after the close box: $(probe caption tone.wav 2>&1); held: $(holding tone.wav && echo yes)"
  fi
}

# ---- settings, help, about ----------------------------------------------------------

sizes_title='Size and colors preferencies'

# client_point <title> <x> <y>: the screen point of a point of the window's
# client area, in pixels.
client_point() {
  local -a g
  read -r -a g <<<"$(geometry "$1")"
  local border=$(((g[2] - g[4]) / 2))
  echo $((g[0] + border + $2)) $((g[1] + g[3] - border - g[5] + $3))
}

# click_in <title> <x> <y>: a click on a point of the window's client area.
click_in() {
  local -a point
  read -r -a point <<<"$(client_point "$1" "$2" "$3")"
  click_at "^${1//./\\.}\$" "${point[@]}"
}

texts_hold() { probe texts "$1" | grep -qxF -- "$2"; }

# menu_keys <keys>...: the menu bar taken with F10, then the keys.
menu_keys() {
  press_key F10
  xdotool key --delay 200 "$@"
}

# The pixel of the screen at x y as #RRGGBB.
screen_pixel() {
  import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | grep -o '#[0-9A-F]\{6\}' | head -n 1
}

# "Size and colors..." opens centred with the widths in pixels; the arrows
# of a bar move its label; a narrower active box asks first; a colour picked
# in the system's dialog reaches the folder boxes and the configuration.
check_size_colors() {
  local name="Size and colors opens centred with 80 and 120; the bars move their labels; a narrower active box asks; a colour picked repaints the boxes and is saved"
  local -a dialog
  menu_keys Down Down Return
  if ! eventually 10 probe wait "$sizes_title" 0 || ! texts_hold "$sizes_title" 80 ||
    ! texts_hold "$sizes_title" 120; then
    not_ok "$name" "dialog: $(probe texts "$sizes_title" 2>&1 | tr '\n' ' ')"
    return
  fi
  read -r -a dialog <<<"$(geometry "$sizes_title")"
  click_in "$sizes_title" 297 24 # the right arrow of the first bar
  local i
  for i in 1 2 3 4 5; do click_in "$sizes_title" 130 64; done # left of the second bar's thumb
  if ((dialog[0] != (1280 - dialog[2]) / 2)) || ! eventually 5 texts_hold "$sizes_title" 81 ||
    ! eventually 5 texts_hold "$sizes_title" 70; then
    not_ok "$name" "dialog at ${dialog[*]}" "$(probe texts "$sizes_title" | tr '\n' ' ')"
    return
  fi
  click_button "$sizes_title" "^$sizes_title\$" Apply
  local why
  if ! why=$(answer_message 'Are you sure' 'Boxes width should be lower' No); then
    not_ok "$name" "Apply: $why"
    return
  fi
  click_in "$sizes_title" 117 104 # the folders' colour swatch
  local -a cells
  if ! eventually 10 probe wait Color 0 || ! read -r -a cells <<<"$(probe item-rect Color 720)"; then
    not_ok "$name" "no colour dialog"
    return
  fi
  # The first basic colour, #FF8080.
  click_at '^Color$' $((cells[0] + (cells[2] - cells[0]) / 16)) $((cells[1] + (cells[3] - cells[1]) / 12))
  click_button Color '^Color$' OK
  probe gone Color 10 >/dev/null || true
  click_button "$sizes_title" "^$sizes_title\$" OK
  if ! why=$(answer_message 'Are you sure' 'Boxes width should be lower' Yes) ||
    ! probe gone "$sizes_title" 10 >/dev/null; then
    not_ok "$name" "OK: $why"
    return
  fi
  # The last folder box, which the window keeps on the screen, above its
  # scroll bar.
  local -a box point
  read -r -a box <<<"$(probe boxes "$title" | tail -n 2 | head -n 1)"
  read -r -a point <<<"$(client_point "$title" $((box[0] + box[2] / 2)) $((box[1] + box[3] - 30)))"
  local config pixel
  config=$(tr '\r\n' '  ' <"$run_dir/Config")
  pixel=$(screen_pixel "${point[@]}")
  if [[ "$config" == '1215  1050  8421631 '* && "$pixel" == '#FF8080' ]]; then
    ok "$name"
  else
    not_ok "$name" "Config: ${config:0:80}" "last folder box at ${point[*]}: $pixel"
  fi
}

# F1 opens the help viewer on HowTo.hlp: the buttons the file asks for
# ("Up" and the browse buttons) join the viewer's own.
check_help() {
  local name="F1 opens the help viewer on HowTo.hlp, with the buttons the file defines"
  press_key F1
  if eventually 20 probe wait 'Wine Help' 0 && eventually 10 texts_hold 'Wine Help' '&Up'; then
    ok "$name"
  else
    not_ok "$name" "viewer: $(probe texts 'Wine Help' 2>&1 | tr '\n' '|')"
  fi
  probe close 'Wine Help' >/dev/null 2>&1 || true
  probe gone 'Wine Help' 10 >/dev/null || true
}

# With "Stay always on top", About opens at 53, 80 px with the main window
# not top-most; OK closes it and the main window is top-most again.
check_about() {
  local name="About opens at 53, 80 px and shows its texts, the main window not top-most meanwhile; OK closes it and top-most comes back"
  menu_keys Down Right Down Down Down Return # Stay always on top
  eventually 5 test "$(probe topmost "$title")" = 1 || true
  menu_keys Right Down Down Return
  local -a about
  if ! eventually 10 probe wait About 0 || ! read -r -a about <<<"$(geometry About)" ||
    ((about[0] != 53 || about[1] != 80)) || [[ "$(probe topmost "$title")" != 0 ]] ||
    [[ "$(probe texts About | grep -c -e '^Version 2.10$' -e '^News and updates')" != 2 ]]; then
    not_ok "$name" "about: ${about[*]:-none}, main top-most: $(probe topmost "$title")" \
      "texts: $(probe texts About | tr '\n' '|')"
    return
  fi
  click_button About '^About$' OK
  if probe gone About 10 >/dev/null && eventually 5 test "$(probe topmost "$title")" = 1; then
    ok "$name"
  else
    not_ok "$name" "after OK: main top-most $(probe topmost "$title")"
  fi
  menu_keys Down Right Down Down Down Return # the option off again
}

# ---- main ------------------------------------------------------------------------

main() {
  for file in "$build_dir/Vantiro.exe" "$probe_exe"; do
    [[ -f "$file" ]] || {
      echo "run_e2e: $file is missing: build the x86_64 targets first" >&2
      exit 2
    }
  done
  # Always a display of its own: the mouse and the keys must not reach the
  # user's desktop.
  xvfb_start >/dev/null
  wine_prefix_create
  rm -f "$VANTIRO_BUILD"/e2e-failure-*.png
  make_html_folder

  start_program
  if [[ "$(first_window || true)" == message ]]; then
    check_first_run_welcome
  else
    echo "# no first-run welcome came before the window"
  fi
  if check_window_appears; then
    check_window_position
    check_width_with_no_folder_open
    check_drives_box
    check_click_c_opens_folder
    check_second_box_position
    check_width_with_c_open
    check_file_list
    check_caption_names_folder
    check_html_window
    check_folder_menu
    check_file_menu
    check_title_selects_file
    check_filter
    check_refresh_key
    check_restart_restores_the_path
    check_favorite_survives_a_restart
    make_browse_folders
    check_no_stale_box
    check_long_path
    make_command_folders
    check_copy_and_paste
    check_rename
    check_delete_and_recycle
    check_names_the_shell_misreads
    check_properties
    check_open_with
    check_batch_file
    check_new_window
    check_folder_mouse
    check_shell_drop
    make_media_folder
    check_picture_viewer
    check_player
    check_deep_chain
    check_size_colors
    check_about
    check_help
    check_close_box_ends_program
  fi

  echo "$passed passed, $failed failed"
  ((failed == 0))
}

main
