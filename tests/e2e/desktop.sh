#!/usr/bin/env bash
# A private desktop for one end-to-end run: its own Xvfb display and its own
# fresh Wine prefix, both ended by process id at the end.
#   desktop.sh up STATE_DIR     start them; write STATE_DIR/env for the tests
#   desktop.sh down STATE_DIR   end them and remove the prefix
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/wine_desktop.sh"

action=${1:?up or down}
state=${2:?state directory}

up() {
  local missing=()
  for tool in wine wineboot wineserver Xvfb xdotool xwininfo import; do
    command -v "$tool" >/dev/null || missing+=("$tool")
  done
  ((${#missing[@]} == 0)) || fail "end-to-end tests cannot run: missing ${missing[*]} (scripts/test installs them)"
  rm -rf "$state"
  mkdir -p "$state"
  start_xvfb "$state" || fail "Xvfb did not start"
  echo "$XVFB_PID" >"$state/xvfb.pid"
  wine_env "$state/prefix"
  # One prefix per run: making one takes several seconds, too slow for every test.
  make_prefix || fail "Wine could not make a prefix (see $state/prefix.wineboot.log)"
  cat >"$state/env" <<ENV
export DISPLAY='$DISPLAY'
export WINEPREFIX='$WINEPREFIX' WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
export LANG=C.UTF-8
unset LC_ALL
ENV
  echo "desktop up: DISPLAY=$DISPLAY WINEPREFIX=$WINEPREFIX"
}

down() {
  [[ -d "$state" ]] || exit 0
  if [[ -d "$state/prefix" ]]; then
    wine_env "$state/prefix"
    wineserver -k 2>/dev/null || true
  fi
  if [[ -s "$state/xvfb.pid" ]]; then
    kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
  fi
  rm -rf "$state/prefix"
  echo "desktop down"
}

"$action"
