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

build_dir=$(cd "${1:-$VANTIRO_BUILD/x86_64}" && pwd)
probe_exe="$build_dir/e2e_probe.exe"
title='Vantiro!'
# The main window's X name: "Vantiro!" alone or with " - " and the folder.
title_regex='^Vantiro!( - .*)?$'
# Message boxes that name no title of their own carry the application title.
app_title='Vantiro! v2.10'
app_title_regex='^Vantiro! v2\.10$'
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

probe() {
  timeout 60 wine "$probe_exe" "$@" </dev/null
}

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
    cp "$build_dir/Vantiro.exe" "$run_dir/"
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

# Gives X's input focus to the window whose name matches the regex: on Xvfb a
# click without it is often lost. Without a window manager Wine does not
# activate a window on X focus alone, so keys go to the window the program
# itself left active, as they would on Windows.
focus_window() {
  local id
  id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
  if [[ -n "$id" ]]; then
    timeout 5 xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id" || true
  fi
}

# click_at <window-name-regex> <x> <y>: a press and a release, as a hand does.
click_at() {
  focus_window "$1"
  xdotool mousemove "$2" "$3"
  xdotool mousedown 1
  sleep 0.1
  xdotool mouseup 1
}

# press_key <key>: a key press in the main window.
press_key() {
  focus_window "$title_regex"
  xdotool key "$1"
}

# click_button <window title> <window-name-regex> <button text>
click_button() {
  local point
  point=$(probe button-center "$1" "$3") || return 1
  # shellcheck disable=SC2086
  click_at "$2" $point
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
  local point
  if ! point=$(probe item-center "$title" 0 c:); then
    not_ok "clicking c: lists the sub-folders of C:\\ in a second box" "no entry c: to click"
    return
  fi
  # shellcheck disable=SC2086
  click_at "$title_regex" $point
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

click_entry() {
  local point
  point=$(probe item-center "$title" "$1" "$2") || return 1
  # shellcheck disable=SC2086
  click_at "$title_regex" $point
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
    check_refresh_key
    check_restart_restores_the_path
    check_favorite_survives_a_restart
    check_close_box_ends_program
  fi

  echo "$passed passed, $failed failed"
  ((failed == 0))
}

main
