# shellcheck shell=bash
# Sourced by the scripts that run Vantiro under Wine: the prefix, a quiet
# environment, a virtual display and the clean-up when the script exits.
#
#   source scripts/wine-env.sh
#   wine_prefix_create     # once per prefix (wineboot, about 10 s)
#   xvfb_start             # a fresh Xvfb on a free display; DISPLAY points at it
#   at_exit 'some command' # run on exit, last registered first
#
# On exit, after the at_exit commands: wineserver -k for the prefix, then the
# Xvfb started here stops and the temporary folder goes.

if [[ -n "${VANTIRO_WINE_ENV:-}" ]]; then
  return 0
fi
VANTIRO_WINE_ENV=1

VANTIRO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
VANTIRO_BUILD="$VANTIRO_ROOT/build"
mkdir -p "$VANTIRO_BUILD"

export WINEPREFIX="$VANTIRO_BUILD/wine-prefix"
export WINEARCH=win64
# No Mono or Gecko: without this Wine offers to download them and waits.
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG=-all
# Wine writes Unix file names in the locale's character set: without UTF-8 a
# non-ASCII name cannot be made. C.UTF-8 is always there on Debian.
if [[ "$(locale charmap 2>/dev/null)" != UTF-8 ]]; then
  export LC_ALL=C.UTF-8
fi
# Without a sound card, ALSA's null device gives Wine one wave output that
# plays in real time: a sound really plays, silently.
if ! compgen -G '/dev/snd/pcmC*p' >/dev/null; then
  printf 'pcm.!default { type null }\n' >"$VANTIRO_BUILD/alsa-null.conf"
  export ALSA_CONFIG_PATH="/usr/share/alsa/alsa.conf:$VANTIRO_BUILD/alsa-null.conf"
fi
# Wine's Recycle Bin is the XDG trash: keep it away from the user's own.
XDG_DATA_HOME=$(mktemp -d "$VANTIRO_BUILD/xdg-data.XXXXXX")
export XDG_DATA_HOME

_vantiro_at_exit=()
at_exit() {
  _vantiro_at_exit+=("$1")
}

VANTIRO_XVFB_PID=
_vantiro_cleanup() {
  local status=$?
  local i
  for ((i = ${#_vantiro_at_exit[@]} - 1; i >= 0; i--)); do
    eval "${_vantiro_at_exit[i]}" || true
  done
  wine_stop
  if [[ -n "$VANTIRO_XVFB_PID" ]]; then
    kill "$VANTIRO_XVFB_PID" 2>/dev/null || true
    wait "$VANTIRO_XVFB_PID" 2>/dev/null || true
  fi
  rm -rf "$XDG_DATA_HOME"
  return "$status"
}
trap _vantiro_cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# Ends every process of the prefix; the first Wine program afterwards starts a
# new wineserver.
wine_stop() {
  if [[ -d "$WINEPREFIX" ]]; then
    wineserver -k 2>/dev/null || true
  fi
}

wine_prefix_create() {
  # A prefix made before wine32 came runs nothing: make it again, for both.
  if [[ -x /usr/lib/wine/wine && -f "$WINEPREFIX/system.reg" &&
    ! -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ]]; then
    echo "The Wine prefix predates wine32: making it again"
    wine_stop
    rm -rf "$WINEPREFIX"
  fi
  if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
    echo "Creating the Wine prefix $WINEPREFIX (about 10 s)"
    wineboot -i </dev/null >/dev/null 2>&1
    timeout 120 wineserver -w || true
  fi
  # With no window manager on the display, closing a hidden managed window
  # waits 2 s for one to answer: let Wine manage no window. A prefix made
  # before this setting gets it here too.
  if ! grep -qs '^"Managed"="N"' "$WINEPREFIX/user.reg"; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
      </dev/null >/dev/null 2>&1
    timeout 120 wineserver -w || true
  fi
}

# Starts Xvfb on the first free display from :90 and exports DISPLAY.
xvfb_start() {
  local n
  for ((n = 90; n < 190; n++)); do
    if [[ -e "/tmp/.X$n-lock" || -e "/tmp/.X11-unix/X$n" ]]; then
      continue
    fi
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    local pid=$!
    local tries
    for ((tries = 0; tries < 50; tries++)); do
      if ! kill -0 "$pid" 2>/dev/null; then
        break # lost the display to another server: try the next number
      fi
      # The lock file names the server that owns the display: ours, not one
      # that another namespace runs on the same number.
      if [[ "$(tr -d ' ' 2>/dev/null <"/tmp/.X$n-lock")" == "$pid" ]] &&
        xdpyinfo -display ":$n" >/dev/null 2>&1; then
        export DISPLAY=":$n"
        VANTIRO_XVFB_PID=$pid
        echo "Xvfb on $DISPLAY (1280x1024x24)"
        return 0
      fi
      sleep 0.1
    done
    kill "$pid" 2>/dev/null || true
  done
  echo "xvfb_start: no free display" >&2
  return 1
}
