# shellcheck shell=bash
# Sourced after wine-env.sh by the scripts that run Vantiro unattended on a
# virtual display: start a first run, answer its questions, click, screenshot.
# Needs the x86_64 Vantiro.exe, its help file and e2e_probe.exe.

exe_dir="$VANTIRO_BUILD/x86_64"
probe_exe="$exe_dir/e2e_probe.exe"
title='Vantiro!'
# The main window's X name: "Vantiro!" alone or with " - " and the folder.
title_regex='^Vantiro!( - .*)?$'
# Message boxes that name no title of their own carry the application title.
app_title='Vantiro! v2.10'
app_title_regex='^Vantiro! v2\.10$'
app_pid=

probe() { timeout 60 wine "$probe_exe" "$@" </dev/null; }

# start_first_run <folder>: the program alone in a fresh folder, so with no
# settings beside it: a first run.
start_first_run() {
  rm -rf "$1" && mkdir -p "$1"
  cp "$exe_dir"/{Vantiro.exe,HowTo.hlp,HowTo.cnt} "$1/"
  (cd "$1" && exec wine Vantiro.exe) </dev/null >"$1/wine.log" 2>&1 &
  app_pid=$!
  at_exit 'end_program'
}

end_program() {
  kill -0 "$app_pid" 2>/dev/null || return 0
  probe close "$title" || true
  for ((tries = 0; tries < 50; tries++)); do
    kill -0 "$app_pid" 2>/dev/null || return 0
    sleep 0.2
  done
  kill "$app_pid" 2>/dev/null || true
}

# shot <file>: the whole screen, once what was just shown has painted.
shot() {
  sleep 1
  import -window root "$1"
  echo "== Screenshot: ${1#"$VANTIRO_ROOT/"}"
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

# click_at <window-name-regex> <x> <y> [button]: a press and a release, as a
# hand does; the left button unless told.
click_at() {
  focus_window "$1"
  xdotool mousemove "$2" "$3"
  xdotool mousedown "${4:-1}"
  sleep 0.1
  xdotool mouseup "${4:-1}"
}

# click_button <window title> <window-name-regex> <button text>
click_button() {
  local point
  point=$(probe button-center "$1" "$3") || return 1
  # shellcheck disable=SC2086
  click_at "$2" $point
}

# click_entry <box> <entry> [button]: a click in the middle of an entry of a
# box of the main window, by index or by text.
click_entry() {
  local point
  point=$(probe item-center "$title" "$1" "$2") || return 1
  # shellcheck disable=SC2086
  click_at "$title_regex" $point "${3:-1}"
}

# answer_first_run [shot-prefix]: No to the welcome question (no help file),
# OK to the reminder, until the main window shows; with a prefix, a
# screenshot of each of the three.
answer_first_run() {
  local answer step=1 asked
  for answer in No OK; do
    probe wait "$app_title" 60 >/dev/null || {
      echo "headless: no message box \"$app_title\" after 60 s" >&2
      return 1
    }
    [[ -n "${1:-}" ]] && shot "$1-$step-message.png"
    asked=$(probe texts "$app_title")
    click_button "$app_title" "$app_title_regex" "$answer"
    # The reminder comes in a box of the same title: wait for other words.
    for ((tries = 0; tries < 50; tries++)); do
      [[ "$(probe texts "$app_title" 2>/dev/null || true)" != "$asked" ]] && break
      sleep 0.2
    done
    step=$((step + 1))
  done
  probe wait "$title" 30 >/dev/null || {
    echo "headless: no main window after the first-run questions" >&2
    return 1
  }
  [[ -n "${1:-}" ]] && shot "$1-$step-main.png"
  return 0
}
