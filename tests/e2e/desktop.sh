#!/usr/bin/env bash
# Private desktops for one end-to-end run, so that tests can run side by
# side: desktop k has its own Xvfb display and its own fresh Wine prefix
# (which runs 32-bit and 64-bit programs), both ended by process id at the end.
#   desktop.sh up STATE_DIR COUNT   start them; write STATE_DIR/desktop-k/env
#   desktop.sh down STATE_DIR       end them and remove the prefixes
set -euo pipefail
here=$(dirname "$0")
source "$here/../../scripts/lib/wine_desktop.sh"

action=${1:?up or down}
state=${2:?state directory}

# One desktop, in its own folder; run in the background, one per desktop.
up_one() {
  local dir=$1
  mkdir -p "$dir"
  start_xvfb "$dir" || fail "Xvfb did not start"
  echo "$XVFB_PID" >"$dir/xvfb.pid"
  wine_env "$dir/prefix"
  # Making a prefix takes many seconds: once per run, not per test.
  make_prefix || fail "Wine could not make a prefix for 32- and 64-bit programs (see $dir/prefix.wineboot.log)"
  # One server for the whole run: left to itself it ends three seconds after
  # a test's last program, and a program started as it ends can fail. After
  # a minute with no program it ends all the same, should "down" never come.
  wineserver -p60 </dev/null >/dev/null 2>&1
  printf "export DISPLAY='%s' WINEDEBUG=-all\nwine_env '%s'\n" "$DISPLAY" "$WINEPREFIX" >"$dir/env"
  echo "desktop $dir up: DISPLAY=$DISPLAY"
}

up() {
  local count=${1:?number of desktops} missing=() tool k
  for tool in wine "$WINE64" wineboot wineserver Xvfb xdotool xclip xwininfo import; do
    command -v "$tool" >/dev/null || missing+=("$tool")
  done
  ((${#missing[@]} == 0)) || fail "end-to-end tests cannot run: missing ${missing[*]} (scripts/test installs them)"
  /usr/lib/wine/wine --version >/dev/null 2>&1 ||
    fail "end-to-end tests cannot run: 32-bit programs do not run here (scripts/test sets that up)"
  rm -rf "$state"
  mkdir -p "$state"
  local pids=()
  for ((k = 0; k < count; k++)); do
    up_one "$state/desktop-$k" &
    pids+=($!)
  done
  for k in "${!pids[@]}"; do
    wait "${pids[$k]}" || fail "desktop $k did not come up"
  done
}

down() {
  [[ -d "$state" ]] || exit 0
  local dir
  for dir in "$state"/desktop-*; do
    if [[ -d "$dir/prefix" ]]; then
      WINEPREFIX=$dir/prefix wineserver -k 2>/dev/null || true
    fi
    if [[ -s "$dir/xvfb.pid" ]]; then
      kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true
    fi
    rm -rf "$dir/prefix"
  done
  echo "desktops down"
}

"$action" "${@:3}"
