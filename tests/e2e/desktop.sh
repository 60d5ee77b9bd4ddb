#!/usr/bin/env bash
# A private desktop for one end-to-end run: its own Xvfb display and its own
# fresh Wine prefix, both ended by process id at the end.
#   desktop.sh up STATE_DIR     start them; write STATE_DIR/env for the tests
#   desktop.sh down STATE_DIR   end them and remove the prefix
set -euo pipefail

action=${1:?up or down}
state=${2:?state directory}

wine_env() {
  export WINEPREFIX="$state/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  # The ANSI code page follows the locale: C.UTF-8 gives Windows-1252.
  export LANG=C.UTF-8
  unset LC_ALL
}

up() {
  local missing=()
  for tool in wine wineboot wineserver Xvfb xdotool import; do
    command -v "$tool" >/dev/null || missing+=("$tool")
  done
  if ((${#missing[@]})); then
    echo "end-to-end tests cannot run: missing ${missing[*]} (run scripts/test, which installs them)" >&2
    exit 1
  fi
  rm -rf "$state"
  mkdir -p "$state"
  # -displayfd lets the server pick a display number nobody else is using.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$state/display" >"$state/xvfb.log" 2>&1 &
  echo $! >"$state/xvfb.pid"
  for _ in $(seq 100); do
    [[ -s "$state/display" ]] && break
    sleep 0.1
  done
  [[ -s "$state/display" ]] || { echo "Xvfb did not start" >&2; cat "$state/xvfb.log" >&2; exit 1; }
  export DISPLAY=":$(tr -d '[:space:]' <"$state/display")"
  wine_env
  # One prefix per run: wineboot takes several seconds, too slow for every test.
  # A 64-bit-only Wine reports a missing 32-bit helper and a failure status
  # even when the prefix is made; the prefix itself is what counts.
  wineboot -i >"$state/wineboot.log" 2>&1 || true
  wineserver -w  # the registry files are written when the server ends
  [[ -f "$WINEPREFIX/system.reg" ]] || { cat "$state/wineboot.log" >&2; exit 1; }
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
    wine_env
    wineserver -k 2>/dev/null || true
  fi
  if [[ -s "$state/xvfb.pid" ]]; then
    kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
  fi
  rm -rf "$state/prefix"
  echo "desktop down"
}

"$action"
