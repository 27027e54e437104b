#!/usr/bin/env bash
# End-to-end test: starts the real Vantiro.exe under Wine on a virtual display
# and uses it as a person would, with the mouse and the keyboard (xdotool),
# reading what the window shows through e2e_probe.exe.
#
#   tests/e2e/run_e2e.sh [build-dir]      (default: build/x86_64)
#
# Each check prints "ok - ..." or "not ok - ..."; the last line counts them.
# A check is a step (a shell function that fails, saying why, when the
# program does not do what the check says) run by `check` from main below.
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
# The HTML files first, each put on top as the sorted names come (a.html,
# b.htm, Gamma.HTM), then the others by name without regard to case, programs
# with their extension in capitals.
all_files=(Gamma.HTM b.htm a.html café.txt notes.txt photo.png pic.bmp run.BAT 'Tom & Jerry.txt')
passed=0
failed=0
app_pid=

# ---- running the checks ------------------------------------------------------

# check <what it shows> <step> [args]: runs the step in this shell (it may
# start the program again); a failed one leaves a screenshot beside the build.
check() {
  local name=$1 why="$VANTIRO_BUILD/e2e-why.txt"
  shift
  if "$@" >"$why" 2>&1; then
    echo "ok - $name"
    passed=$((passed + 1))
  else
    echo "not ok - $name"
    sed 's/^/#   /' "$why"
    failed=$((failed + 1))
    import -window root "$VANTIRO_BUILD/e2e-failure-$failed.png" 2>/dev/null || true
  fi
}

# Retries a command every 0.3 s until it succeeds or the seconds run out: the
# window moves and resizes on a timer, so a state may take a moment to settle.
# The seconds given are what an idle machine needs; a busy one (a build
# beside, or another run of this test) gets three times as long.
patience=3
eventually() {
  local seconds=$1
  shift
  local deadline=$((SECONDS + seconds * patience))
  until "$@" >/dev/null 2>&1; do
    if ((SECONDS >= deadline)); then
      return 1
    fi
    sleep 0.3
  done
}

# says <what> <command...>: runs the command; when it fails, prints what.
says() {
  local what=$1
  shift
  "$@" || {
    echo "$what"
    return 1
  }
}

# ---- the program and the probe -------------------------------------------------

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

program_running() { kill -0 "$app_pid" 2>/dev/null; }
program_ended() { ! program_running; }

# Closes the main window as the close box does and waits for the program to end.
close_program() {
  probe close "$title" >/dev/null && eventually 10 program_ended
}

restart_program() {
  close_program || return 1
  start_program again
  probe wait "$title" $((30 * patience)) >/dev/null
}

# press_key <key>: a key press in the main window.
press_key() {
  focus_window "$title_regex"
  xdotool key "$1"
}

# left top width height clientWidth clientHeight of a window, by caption.
geometry() { probe window "$1"; }

window_field() {
  local -a fields
  read -r -a fields <<<"$(geometry "$title")" || return 1
  echo "${fields[$1]}"
}

client_width_is() { [[ "$(window_field 4)" == "$1" ]]; }
box_count_is() { [[ "$(probe boxes "$title" | wc -l)" == "$1" ]]; }
# The entries of box <index> (left to right), one a line.
box_items() { probe items "$title" "$1"; }
box_holds() { box_items "$1" | grep -qxF -- "$2"; }
entry_count_is() { [[ "$(probe count "$title" "$1")" == "$2" ]]; }
caption_is() { [[ "$(probe caption "$title")" == "$1" ]]; }
texts_hold() { probe texts "$1" | grep -qxF -- "$2"; }
# items_are <window title> <box> <entry>...: the box holds these, in order.
items_are() { [[ "$(probe items "$1" "$2")" == "$(printf '%s\n' "${@:3}")" ]]; }

box_left() {
  local line
  line=$(probe boxes "$title" | sed -n "$(($1 + 1))p")
  [[ -n "$line" ]] || return 1
  echo "${line%% *}"
}

selected_text_is() {
  local index
  index=$(probe selected "$title" "$1") || return 1
  [[ "$(box_items "$1" | sed -n "$((index + 1))p")" == "$2" ]]
}

boxes() { probe boxes "$title"; }
# shown <name regex>: a window of that name is on the screen.
shown() { [[ -n "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ]]; }

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
    says "'${entries[i]}' is not on the screen in box $box" \
      eventually 5 entry_on_screen "$box" "${entries[i]}" || return 1
    click_entry "$box" "${entries[i]}" || return 1
    box=$((box + 1))
    if ((i + 1 < ${#entries[@]})); then
      says "box $box did not open after '${entries[i]}'" \
        eventually 10 box_holds "$box" "${entries[i + 1]}" || return 1
    fi
  done
}

# answer_message <title> <text> <button>: a message box of that title comes
# and holds the text; then its button is clicked.
answer_message() {
  local title=$1 text=$2 button=$3
  says "no \"$title\"" eventually 10 probe wait "$title" 0 || return 1
  probe texts "$title" | grep -qF -- "$text" || {
    echo "\"$title\" says: $(probe texts "$title")"
    return 1
  }
  click_button "$title" "^${title//\?/\\?}\$" "$button" && probe gone "$title" 10 >/dev/null
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

no_menu_open() { ! probe menu "$title"; }

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

# ---- the window, box 0 and a first folder ------------------------------------

window_appears() {
  says "program output: $(tail -n 5 "$VANTIRO_BUILD/e2e-program.log")" \
    probe wait "$title" 60 >/dev/null
}

client_width_becomes() { says "found $(window_field 4)" eventually 10 client_width_is "$1"; }

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

box_zero_alone() { says "$(boxes)" eval 'box_count_is 1 && drives_listed'; }

# What box 1 should hold once C:\ is open: the sub-folders of the prefix's
# drive_c, lower-cased, sorted by name without regard to case.
c_folders() {
  find "$WINEPREFIX/drive_c" -mindepth 1 -maxdepth 1 -type d -printf '%f\n' |
    tr '[:upper:]' '[:lower:]' | LC_ALL=C sort
}

box1_holds_c_folders() { [[ "$(box_items 1)" == "$(c_folders)" ]]; }

click_c_opens_c() {
  click_entry 0 c: || return 1
  says "expected: $(c_folders | paste -sd '|'); boxes: $(boxes)" eventually 10 box1_holds_c_folders
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
  printf 'first line\r\nsecond\r\n' >"$html_folder/notes.txt"
  for name in run.bat a.c x.js pic.bmp 'Tom & Jerry.txt' café.txt; do
    : >"$html_folder/$name"
  done
  convert -size 120x80 xc:teal "PNG24:$html_folder/photo.png"
}

# With the test folder open: box 0, box 1, then the file list at 200 pixels
# (3000 twips: box 0 shrunk to 1200, box 1 at the full 1800) holding these.
file_list_is() {
  box_count_is 3 && [[ "$(box_left 2)" == 200 ]] && items_are "$title" 2 "$@"
}

folder_lists_its_files() {
  click_entry 1 "$html_entry" || return 1
  says "expected: $(printf '%s|' "${all_files[@]}"); boxes: $(boxes)" \
    eventually 10 file_list_is "${all_files[@]}"
}

caption_names() { says "found \"$(probe caption "$title")\"" caption_is "$title - $1"; }

details_say() { probe texts notes.txt | tr -d '\r' | grep -qxF -- "$1"; }

# A text file's details stand flush right of the main window: its size and
# first lines, read by another program as a screen reader would.
text_file_details() {
  click_entry 2 notes.txt && says "no details" eventually 10 probe wait notes.txt 0 || return 1
  local -a main details
  read -r -a main <<<"$(geometry "$title")"
  read -r -a details <<<"$(geometry notes.txt)"
  says "main window: ${main[*]}; details: ${details[*]}; texts: $(probe texts notes.txt | tr '\r\n' '||')" \
    eval '((details[0] == main[0] + main[2] && details[1] == main[1])) && details_say "20 bytes" &&
      details_say "first line" && details_say second'
}

# A PNG shows in the picture viewer at its own size, flush right of the
# main window; the keys stay with the file list.
png_in_viewer() {
  click_entry 2 photo.png && says "no viewer" eventually 10 probe wait "photo.png " 0 || return 1
  local -a main viewer
  read -r -a main <<<"$(geometry "$title")"
  read -r -a viewer <<<"$(geometry "photo.png ")"
  says "main window: ${main[*]}; viewer: ${viewer[*]}" \
    eval '((viewer[0] == main[0] + main[2] && viewer[4] == 120 && viewer[5] == 80))'
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

restored() {
  selected_text_is 3 second.txt && selected_text_is 1 "$settings_folder" &&
    selected_text_is 0 c: && [[ "$(box_items 2)" == inner ]]
}

# Opens the folder below C:\ and selects a file, then closes: a restart
# brings back the boxes, selections and file.
restart_restores_the_path() {
  make_settings_folder
  restart_program && says "C:\\ was not opened again: $(boxes)" eventually 10 box1_holds_c_folders ||
    return 1
  # The selection must have landed before the close is posted.
  click_entry 1 "$settings_folder" && eventually 10 box_count_is 4 && click_entry 3 second.txt &&
    eventually 5 selected_text_is 3 second.txt || return 1
  says "the program did not end on WM_CLOSE" close_program || return 1
  start_program again
  probe wait "$title" $((30 * patience)) >/dev/null && says "$(boxes)" eventually 10 restored
}

favorite_listed() { box_items 0 | grep -qxF "c:\\$settings_folder\\"; }

# Ctrl+A adds the open folder to box 0; it is there after a restart and
# opens with a click.
favorite_survives_a_restart() {
  press_key Left && press_key ctrl+a
  says "no favourite after Ctrl+A: $(box_items 0)" eventually 5 favorite_listed || return 1
  restart_program &&
    says "gone after the restart; Favorites: $(tr -d '\r' <"$run_dir/Favorites" 2>/dev/null)" \
      eventually 10 favorite_listed || return 1
  click_entry 0 "c:\\$settings_folder\\" || true
  says "$(boxes)" eventually 10 items_are "$title" 1 inner
}

# ---- at any depth and length --------------------------------------------------

# C:\many\ holds 100,000 files, made here: while they list, the window
# answers another process within 100 ms, and then holds them all.
window_answers_while_listing() {
  local many="$WINEPREFIX/drive_c/many"
  rm -rf "$many" && mkdir -p "$many" && at_exit "rm -rf $(printf %q "$many")"
  (cd "$many" && seq -f 'file %06g.txt' 0 99999 | xargs -d '\n' touch) || return 1
  open_chain 0 c: many && answers_at_once 1500 &&
    says "caption $(probe caption "$title")" eventually 30 caption_is "$title - many" &&
    says "the file list holds $(probe count "$title" 2) files" eventually 10 entry_count_is 2 100000
}

# A folder that stopped answering (FUSE: a listing of it never comes back)
# holds only its own box: the window answers while it is read, after a click
# and at a start that remembers it, and a close ends the program, which
# would wait for ever for the folder.
stuck_folder_holds_nothing() {
  local mount="$WINEPREFIX/drive_c/e2e stuck"
  mkdir -p "$mount"
  /usr/bin/python3 "$here/stuck_folder.py" "$mount" 2>"$VANTIRO_BUILD/e2e-fuse.log" &
  local fuse_pid=$!
  at_exit "kill -9 $fuse_pid 2>/dev/null; umount -l $(printf %q "$mount") 2>/dev/null"
  says "FUSE did not mount: $(cat "$VANTIRO_BUILD/e2e-fuse.log")" eventually 10 mountpoint -q "$mount" &&
    open_chain 0 c: "e2e stuck" && answers_at_once 1000 &&
    says "caption \"$(probe caption "$title")\"" caption_is "$title - e2e stuck (listing...)" &&
    closes_at_once && start_program again && probe wait "$title" $((30 * patience)) >/dev/null &&
    says "box 1 shows no 'e2e stuck'" eventually 10 selected_text_is 1 "e2e stuck" &&
    answers_at_once 1000 && closes_at_once && kill -9 "$fuse_pid" && umount -l "$mount" && start_program again &&
    probe wait "$title" $((30 * patience)) >/dev/null
}

# The close box ends the program, though a thread of it waits for the folder.
# A thread the kernel holds in a wait on the dead FUSE folder cannot be
# killed until that folder answers: 32-bit Wine then keeps the process as a
# zombie whose own threads have all ended.
closes_at_once() {
  probe close "$title" >/dev/null
  says "the program had not ended $((10 * patience)) s after the close" \
    eventually 10 eval 'program_ended || only_held_threads_left'
}

only_held_threads_left() { [[ "$(cut -d' ' -f3 "/proc/$app_pid/stat" 2>/dev/null)" == Z ]]; }

# answers_at_once <ms>: watched that long, the window answers another
# process within half a second each time: work held on the window's thread
# would keep it for seconds. What it takes at most is the benchmark's to
# measure.
answers_at_once() {
  local worst
  worst=$(probe answers "$title" "$1") && says "the window took $worst ms to answer" test "$worst" -le 500
}

# ---- the FILE and FOLDER commands ----------------------------------------------

# C:\cmd\src\ holds seven files; C:\cmd\dest\ is empty. run.bat leaves a marker.
cmd_folder="$WINEPREFIX/drive_c/cmd"
make_command_folders() {
  rm -rf "$cmd_folder"
  at_exit "rm -rf $(printf %q "$cmd_folder")"
  mkdir -p "$cmd_folder/src" "$cmd_folder/dest"
  local name
  for name in 'a & b.txt' keep.txt trash.txt bin1.txt bin2.txt gone.txt share.txt; do echo "$name" >"$cmd_folder/src/$name"; done
  printf 'echo done > C:\\cmd\\marker.txt\r\n' >"$cmd_folder/src/run.bat"
}

# select_file <entry>: src open, the entry of the file list (box 3) selected.
select_file() {
  box_holds 2 src || open_chain 0 c: cmd >/dev/null || return 1
  eventually 10 box_holds 2 src && click_entry 2 src && eventually 10 box_holds 3 "$1" &&
    click_entry 3 "$1"
}

# ctrl_click_file <entry>: Ctrl+click on a file, which adds it to the selection.
ctrl_click_file() {
  xdotool keydown ctrl
  click_entry 3 "$1" || { xdotool keyup ctrl; return 1; }
  xdotool keyup ctrl
}

exists() { says "$1 is not there: $(ls "$(dirname "$1")")" eventually 10 test -e "$1"; }
vanished() { says "$1 is still there" eventually 10 test ! -e "$1"; }

copy_then_paste() {
  select_file 'a & b.txt' && ctrl_click_file keep.txt && press_key ctrl+c &&
    answer_message "$app_title" "2 files, the first 'c:\\cmd\\src\\a & b.txt', have been copied." OK &&
    says "clipboard: $(probe clip-files)" clipboard_holds 'c:\cmd\src\keep.txt' 1 && press_key ctrl+v &&
    answer_message "$app_title" 'Destination folder must be different from source folder.' OK &&
    click_entry 2 dest && client_width_becomes 280 && sleep 0.5 && press_key ctrl+v &&
    answer_message 'Confirm ?' 'Source files :   2 files' Yes && exists "$cmd_folder/dest/a & b.txt" &&
    exists "$cmd_folder/dest/keep.txt" && client_width_becomes 400
}

# clipboard_holds <path> [<effect>]: the probe, as another program, finds
# the file on the clipboard in CF_HDROP, with that "Preferred DropEffect".
clipboard_holds() {
  local held
  held=$(probe clip-files) || return 1
  grep -qixF -- "$1" <<<"$held" && { [[ -z "${2:-}" ]] || grep -qx "effect $2" <<<"$held"; }
}

# Two files another program put on the clipboard paste after one "Confirm
# ?"; Ctrl+X, then Ctrl+V in another folder, moves a file and empties it.
clipboard_both_ways() {
  local other="$cmd_folder/other" holder
  mkdir -p "$other" && echo 1 >"$other/x1.txt" && echo 2 >"$other/x2.txt" || return 1
  timeout 120 wine "$probe_exe" clip-put 5 60 'C:\cmd\other\x1.txt' 'C:\cmd\other\x2.txt' \
    </dev/null >"$VANTIRO_BUILD/e2e-clip.log" 2>&1 &
  holder=$!
  at_exit "kill $holder 2>/dev/null || true"
  eventually 20 grep -qx put "$VANTIRO_BUILD/e2e-clip.log" && click_entry 2 dest && sleep 0.5 &&
    press_key ctrl+v && answer_message 'Confirm ?' 'Source files :   2 files' Yes &&
    exists "$cmd_folder/dest/x1.txt" && exists "$cmd_folder/dest/x2.txt" &&
    exists "$other/x1.txt" || return 1
  echo cut >"$cmd_folder/src/cut.txt"
  select_file cut.txt && press_key ctrl+x &&
    answer_message "$app_title" "'c:\\cmd\\src\\cut.txt' has been cut." OK &&
    click_entry 2 dest && sleep 0.5 && press_key ctrl+v &&
    answer_message 'Confirm ?' 'Source file :   C:\cmd\src\cut.txt' Yes &&
    exists "$cmd_folder/dest/cut.txt" && vanished "$cmd_folder/src/cut.txt" &&
    says "still on the clipboard: $(probe clip-files)" eventually 10 eval '! probe clip-files'
}

# A right press on a file pops up FILE; its last entry, "More", opened
# from the keyboard, holds the shell's own menu for the file, whose Copy
# (its letter C) puts the file on the clipboard.
shell_menu_copies() {
  select_file keep.txt && click_entry 3 keep.txt 3 && says "no menu" eventually 5 probe menu "$title" ||
    return 1
  xdotool key --delay 700 Up Right c
  says "clipboard: $(probe clip-files)" eventually 10 clipboard_holds 'c:\cmd\src\keep.txt' || {
    xdotool key Escape Escape
    return 1
  }
}

# answer_input <title> <text or ""> : the input box comes; the text typed
# over what it offers, or what it offers taken, with OK.
answer_input() {
  says "no input box \"$1\"" eventually 10 probe wait "$1" 0 || return 1
  [[ -z "$2" ]] || { focus_window "^$1\$" && xdotool key ctrl+a type "$2"; }
  click_button "$1" "^$1\$" OK && probe gone "$1" 10 >/dev/null
}

# Ctrl+Shift+N twice in dest makes "New folder", then "New folder (2)",
# each opened (boxes and caption show folders in lower case); F2 in its box
# renames the second, the caption following.
new_and_renamed_folders() {
  local attempt
  for attempt in "New folder" "New folder (2)"; do
    select_file keep.txt && click_entry 2 dest && sleep 0.5 && press_key ctrl+shift+n &&
      says "offered: $(probe texts 'New folder')" eventually 10 texts_hold 'New folder' "$attempt" &&
      answer_input 'New folder' '' && exists "$cmd_folder/dest/$attempt" &&
      says "caption $(probe caption "$title")" eventually 10 caption_is "$title - ${attempt,,}" ||
      return 1
  done
  click_entry 3 "new folder (2)" && sleep 0.5 && press_key F2 && answer_input Rename renamed &&
    exists "$cmd_folder/dest/renamed" && vanished "$cmd_folder/dest/New folder (2)" &&
    says "caption $(probe caption "$title")" eventually 10 caption_is "$title - renamed" &&
    says "box 3: $(box_items 3 | paste -sd '|')" eventually 10 selected_text_is 3 renamed
}

in_trash() { compgen -G "$XDG_DATA_HOME/Trash/files/$1*" >/dev/null; }

# Wine's own question, one for the three files, comes before it moves them
# to its trash.
recycle_and_delete() {
  local name
  select_file trash.txt && ctrl_click_file bin1.txt && ctrl_click_file bin2.txt &&
    press_key Delete && says "no question" eventually 10 probe wait 'Confirm file deletion' 0 ||
    return 1
  click_button 'Confirm file deletion' '^Confirm file deletion$' Yes || true
  for name in trash.txt bin1.txt bin2.txt; do
    vanished "$cmd_folder/src/$name" && says "$name not in the trash" in_trash "$name" || return 1
  done
  select_file gone.txt && press_key shift+Delete &&
    answer_message "$app_title" "Do you really want to delete '" Yes && vanished "$cmd_folder/src/gone.txt"
}

properties_sheet_shows() {
  select_file 'keep.txt' && press_key F3 &&
    says "no sheet" eventually 15 shown "keep" || return 1
  focus_window 'keep'
  xdotool key Escape
  eventually 10 eval '! shown "keep"' || true
}

batch_asks_first() {
  local point
  select_file run.BAT && point=$(probe item-center "$title" 3 run.BAT) || return 1
  # shellcheck disable=SC2086
  xdotool mousemove $point click --repeat 2 --delay 80 1
  answer_message "$app_title" 'Warning : You are executing a bach file !' No || return 1
  sleep 2
  says "No ran it" test ! -e "$cmd_folder/marker.txt" || return 1
  # shellcheck disable=SC2086
  xdotool mousemove $point click --repeat 2 --delay 80 1
  answer_message "$app_title" 'Warning : You are executing a bach file !' Yes &&
    says "no marker" eventually 30 test -e "$cmd_folder/marker.txt"
}

# C:\scripts\ holds folders named in four scripts: "м" typed in its box
# opens Москва, whose sub-folder lists, with no UTF-8 code page applied.
# xdotool maps the letter to a spare key first, which Wine may learn of
# only after the key: then the letter is typed again, a second later.
typing_in_any_script() {
  local scripts="$WINEPREFIX/drive_c/scripts" attempt
  rm -rf "$scripts" && mkdir -p "$scripts"/{alpha,Ελλάδα,Москва/кремль,日本}
  at_exit "rm -rf $(printf %q "$scripts")"
  open_chain 0 c: scripts alpha || return 1
  for attempt in 1 2 3; do
    focus_window "$title_regex"
    xdotool type м
    eventually 3 box_holds 3 кремль && break
    sleep 1.2
  done
  says "box 2 holds $(box_items 2 | paste -sd '|'), selected $(probe selected "$title" 2)" \
    eventually 5 box_holds 3 кремль && selected_text_is 2 Москва
}

# A right press on a folder opens it and pops up FOLDER; a press below the
# last entry of box 2 steps back to box 1's folder; a file dragged from the
# file list onto box 2 (through the shell, as from any program) is copied
# into box 2's folder (C:\cmd\), and onto box 0 refused; dragged with Shift,
# another is moved there.
folder_mouse() {
  local -a point from to drives
  select_file 'a & b.txt' && click_entry 2 dest 3 && open_menu_size >/dev/null || return 1
  xdotool key Escape
  eventually 5 no_menu_open || true
  says "caption $(probe caption "$title")" eventually 10 caption_is "$title - dest" || return 1
  read -r -a point <<<"$(probe item-center "$title" 2 src)"
  click_at "$title_regex" "${point[0]}" $((point[1] + 100))
  says "below the entries: caption $(probe caption "$title"), box 2 selection \
$(probe selected "$title" 2)" eval 'eventually 10 caption_is "$title - cmd" &&
    test "$(probe selected "$title" 2)" = -1' || return 1
  select_file 'a & b.txt' || return 1
  read -r -a from <<<"$(probe item-center "$title" 3 'a & b.txt')"
  read -r -a to <<<"$(probe item-center "$title" 2 dest)"
  xdotool mousemove "${from[0]}" "${from[1]}"
  drag_to "${to[0]}" $((to[1] + 60))
  answer_message 'Confirm ?' 'Destination folder :   c:\cmd\' Yes && exists "$cmd_folder/a & b.txt" &&
    read -r -a drives <<<"$(probe item-center "$title" 0 c:)" || return 1
  xdotool mousemove "${from[0]}" "${from[1]}"
  drag_to "${drives[0]}" $((drives[1] + 60))
  answer_message "$app_title" 'You cannot copy anything here.' OK && select_file keep.txt &&
    read -r -a from <<<"$(probe item-center "$title" 3 keep.txt)" || return 1
  xdotool mousemove "${from[0]}" "${from[1]}" keydown shift
  drag_to "${to[0]}" $((to[1] + 60))
  xdotool keyup shift
  answer_message 'Confirm ?' 'Source file :   C:\cmd\src\keep.txt' Yes &&
    exists "$cmd_folder/keep.txt" && vanished "$cmd_folder/src/keep.txt"
}

# C:\bulk\from\ holds 1,000 files: while the shell pastes them into C:\bulk\to\
# on a thread of its own, the window answers another process at once.
window_answers_while_pasting() {
  local bulk="$WINEPREFIX/drive_c/bulk"
  rm -rf "$bulk" && mkdir -p "$bulk/from" "$bulk/to" && at_exit "rm -rf $(printf %q "$bulk")"
  (cd "$bulk/from" && seq -f 'file %04g.txt' 0 999 | xargs -d '\n' touch) || return 1
  open_chain 0 c: bulk from && eventually 10 entry_count_is 3 1000 &&
    click_entry 3 'file 0000.txt' && press_key ctrl+a && press_key ctrl+c &&
    answer_message "$app_title" "1000 files, the first" OK && click_entry 2 to && sleep 0.5 &&
    press_key ctrl+v && answer_message 'Confirm ?' 'Source files :   1000 files' Yes &&
    answers_at_once 2000 || return 1
  says "$(files_in "$bulk/to") files pasted" eventually 120 eval '(($(files_in "$bulk/to") == 1000))'
}

files_in() { find "$1" -type f | wc -l; }

# drag_out <entry> [key]: the files selected, dragged from an entry of the file
# list onto the probe's drop target in another process, with a key held;
# prints what the target took.
drag_out() {
  local out="$VANTIRO_BUILD/e2e-drop.out" screen
  local -a from
  read -r -a screen <<<"$(xdotool getdisplaygeometry)"
  local tx=$((screen[0] - 90)) ty=$((screen[1] - 90))
  timeout 90 wine "$probe_exe" drop "$tx" "$ty" </dev/null >"$out" 2>/dev/null &
  eventually 20 probe wait 'e2e drop target' 0 &&
    read -r -a from <<<"$(probe item-center "$title" 3 "$1")" || return 1
  xdotool mousemove "${from[0]}" "${from[1]}"
  [[ -n "${2:-}" ]] && xdotool keydown "$2"
  drag_to $((tx + 30)) $((ty + 30))
  [[ -n "${2:-}" ]] && xdotool keyup "$2"
  eventually 30 probe gone 'e2e drop target' 0 && tr -d '\r' <"$out"
}

# Two files dragged out are copied; one dragged with Shift is moved.
drags_out_to_another_process() {
  local took
  select_file share.txt && ctrl_click_file run.BAT && took=$(drag_out share.txt) &&
    says "took: $took" test "$took" = "$(printf 'copy\nC:\\cmd\\src\\run.bat\nC:\\cmd\\src\\share.txt')" &&
    select_file share.txt && took=$(drag_out share.txt shift) &&
    says "took: $took" test "$took" = "$(printf 'move\nC:\\cmd\\src\\share.txt')"
}

# ---- settings, help, DPI -------------------------------------------------------------

# F1 opens the help viewer on HowTo.hlp: the buttons the file asks for
# ("Up" and the browse buttons) join the viewer's own.
help_opens() {
  press_key F1
  eventually 30 probe wait 'Wine Help' 0 &&
    says "viewer: $(probe texts 'Wine Help' 2>&1 | tr '\n' '|')" eventually 10 texts_hold 'Wine Help' '&Up'
  local status=$?
  probe close 'Wine Help' >/dev/null 2>&1 || true
  probe gone 'Wine Help' 10 >/dev/null || true
  return "$status"
}

set_dpi() { wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f &>/dev/null; }

# At 144 DPI (Wine's LogPixels) box 1, holding C:\'s folders with C:\cmd\
# open after it, is narrower than "program files (x86)" and scrolls
# sideways: its extent is wider.
box_scrolls_at_144_dpi() {
  local -a extent
  at_exit 'set_dpi 96'
  set_dpi 144 && restart_program && open_chain 0 c: cmd >/dev/null &&
    says "$(boxes)" eventually 10 eval 'box1_holds_c_folders && box_holds 2 src' || return 1
  read -r -a extent <<<"$(probe extent "$title" 1)"
  set_dpi 96
  says "box 1 scrolls ${extent[0]:-?} pixels within ${extent[1]:-?}" test "${extent[0]:-0}" -gt "${extent[1]:-0}"
}

# ---- main ------------------------------------------------------------------------

main() {
  for file in "$build_dir/Vantiro.exe" "$probe_exe"; do
    [[ -f "$file" ]] || {
      echo "run_e2e: $file is missing: build the Windows targets first" >&2
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
  # No settings file beside the exe: a person answers No (no help file), then OK.
  check "on a first run the welcome question, then the reminder, come before the window" \
    answer_first_run
  check "the main window \"$title\" appears" window_appears
  if ! probe wait "$title" 0 >/dev/null 2>&1; then
    echo "$passed passed, $failed failed"
    return 1
  fi
  check "with no folder open the client area is 120 pixels wide (1800 twips)" client_width_becomes 120
  check "one list box, holding c:, z: and the empty separator" box_zero_alone
  check "clicking c: lists the sub-folders of C:\\ in a second box" click_c_opens_c
  check "with C:\\ open the client area grows to 200 pixels (1200 + 1800 twips)" client_width_becomes 200
  check "a click on a folder lists its files right of the boxes at 200 pixels (3000 twips): HTML files first, then by name, programs in capitals, short names left out" folder_lists_its_files
  check "the caption names the folder clicked: \"$title - $html_entry\"" caption_names "$html_entry"
  check "a click on a text file shows its size and first lines flush right of the main window, readable by another program" text_file_details
  check "a click on a PNG shows it at its size, 120 x 80 pixels, flush right of the main window" png_in_viewer
  check "a restart re-opens the folders and re-selects the file of the last run" restart_restores_the_path
  check "Ctrl+A in a folder box adds a favourite that comes back after a restart and opens with a click" favorite_survives_a_restart
  make_command_folders
  check "Ctrl+C puts two files selected with Ctrl+click on the clipboard for other programs, Ctrl+V in their own folder refuses, in another, empty folder copies both after one \"Confirm ?\" and the window widens to show them" copy_then_paste
  check "two files another program put on the clipboard paste after one \"Confirm ?\", Ctrl+X then Ctrl+V in another folder moves one" clipboard_both_ways
  check "a right press on a file, then More, shows the shell's own menu for it, whose Copy puts the file on the clipboard" shell_menu_copies
  check "Ctrl+Shift+N twice makes \"New folder\" and \"New folder (2)\", each opened; F2 in its box renames it, the caption following" new_and_renamed_folders
  check "Del sends three files selected with Ctrl+click to the trash after one question of the shell's; Shift+Del deletes one for good after the program's" recycle_and_delete
  check "F3 shows a Properties sheet naming the file" properties_sheet_shows
  check "a double click on run.BAT asks first: No runs nothing, Yes runs it" batch_asks_first
  check "a letter typed in another script opens the folder it begins, the names listed as the disk has them" typing_in_any_script
  check "a right press on a folder opens it with FOLDER; a press below a box's entries steps back; a file dragged onto a box is copied into its folder, onto box 0 refused, with Shift moved" folder_mouse
  check "two files dragged out of the file list onto another process's window are a copy there, one dragged with Shift a move" drags_out_to_another_process
  check "while 100,000 files list, the window answers another process at once" window_answers_while_listing
  check "while 1,000 files are pasted, the window answers another process at once" window_answers_while_pasting
  check "a folder that does not answer holds neither the window, after a click or at a start that remembers it, nor its close, which ends the program" stuck_folder_holds_nothing
  check "F1 opens the help viewer on HowTo.hlp, with the buttons the file defines" help_opens
  check "at 144 DPI a box narrower than its widest name scrolls sideways to all of it" box_scrolls_at_144_dpi

  echo "$passed passed, $failed failed"
  ((failed == 0))
}

main
