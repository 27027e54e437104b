# shellcheck shell=bash
# Sourced after wine-env.sh by the scripts that run Vantiro unattended on a
# virtual display: start a first run, answer its questions, click, screenshot.
# Needs the x86_64 Vantiro.exe, its help file and e2e_probe.exe.

exe_dir="$VANTIRO_BUILD/x86_64"
app_title='Vantiro! v2.10' # the caption of the program's message boxes
app_pid=

probe() { wine "$exe_dir/e2e_probe.exe" "$@" </dev/null 2>/dev/null; }

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
  probe close 'Vantiro!' || true
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

# A press and a release at x y, X's focus on the window named first.
click_at() {
  local id
  id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
  [[ -n "$id" ]] && xdotool windowfocus "$id" 2>/dev/null
  xdotool mousemove "$2" "$3" mousedown 1
  sleep 0.1
  xdotool mouseup 1
}

# click_button <window title> <button text>
click_button() {
  local point
  point=$(probe button-center "$1" "$2") || return 1
  # shellcheck disable=SC2086
  click_at "^${1//./\\.}\$" $point
}

# click_entry <box> <entry>: an entry of a box of the main window, by text.
click_entry() {
  local point
  point=$(probe item-center 'Vantiro!' "$1" "$2") || return 1
  # shellcheck disable=SC2086
  click_at '^Vantiro!' $point
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
    click_button "$app_title" "$answer"
    # The reminder comes in a box of the same title: wait for other words.
    for ((tries = 0; tries < 50; tries++)); do
      [[ "$(probe texts "$app_title" || true)" != "$asked" ]] && break
      sleep 0.2
    done
    step=$((step + 1))
  done
  probe wait 'Vantiro!' 30 >/dev/null || {
    echo "headless: no main window after the first-run questions" >&2
    return 1
  }
  [[ -n "${1:-}" ]] && shot "$1-$step-main.png"
  return 0
}
