# Driving Quimbly under Wine on an X display with real input: finding its
# windows, clicking and typing through the X server, its profile in the
# prefix, and a private display and prefix of its own. Used by the
# end-to-end tests and by the run command's tour. Each gesture and step they
# share is named here once.

# shellcheck shell=bash
# Gestures take optional arguments (a time, keys), mostly left out:
# shellcheck disable=SC2119,SC2120
# shellcheck source=scripts/lib/fail.sh
source "$(dirname "${BASH_SOURCE[0]}")/fail.sh"

# The programs a script started in the background, each ended by its id.
STARTED_PIDS=()

# kill_started: ends every program in STARTED_PIDS and waits for each.
kill_started() {
  local pid
  for pid in "${STARTED_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${STARTED_PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
}

# end_run: a script's exit trap when it has a prefix (and an Xvfb) of its own:
# what it started, then the prefix's Wine server and the Xvfb.
end_run() {
  trap - INT TERM EXIT
  kill_started
  [[ -z "${WINEPREFIX:-}" ]] || wineserver -k 2>/dev/null || true
  [[ -z "${XVFB_PID:-}" ]] || kill "$XVFB_PID" 2>/dev/null || true
}

# A Unix path as the Windows programs see it (Wine maps / to Z:).
winpath() { printf 'Z:%s' "${1//\//\\}"; }

# Waits until the command succeeds, polling every 0.1 s for up to $1 seconds.
wait_until() {
  local seconds=$1
  shift
  local tries=$((seconds * 10))
  while ((tries-- > 0)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# find_window TITLE-REGEX: the viewable window with that title; sets WIN_*.
# is_viewable ID: the X window is mapped and on screen.
is_viewable() {
  local info
  info=$(xwininfo -id "$1" 2>/dev/null) && [[ $info == *IsViewable* ]]
}

find_window() {
  local id
  for id in $(xdotool search --name "$1" 2>/dev/null); do
    is_viewable "$id" || continue
    eval "$(xdotool getwindowgeometry --shell "$id")"
    # The window's place and size, for the scripts that source this.
    # shellcheck disable=SC2034,SC2153
    WIN_ID=$id WIN_X=$X WIN_Y=$Y WIN_W=$WIDTH WIN_H=$HEIGHT
    return 0
  done
  return 1
}

find_main_window() { find_window '^Quimbly'; }

# Gestures name the pixel they go to as it lies at 96 DPI; on a display of
# another DPI (DPI in the environment) the windows are laid out larger, and
# the gesture goes to the same spot at that scale (rounded, a half up).
at_scale() { echo $(((2 * $1 * ${DPI:-96} + 96) / 192)); }

# A left click at pixel x, y of the window last found, through the X server.
click() {
  point "$1" "$2"
  xdotool click 1
}

# Puts the pointer at pixel x, y of the window last found. (xdotool's --sync
# would wait for a motion that never comes when the pointer is there already.)
point() {
  xdotool mousemove $((WIN_X + $(at_scale "$1"))) $((WIN_Y + $(at_scale "$2")))
}

# take_screenshot X Y WIDTH HEIGHT FILE: that rectangle of the screen, in the
# format the file's name says: .rgb raw 8-bit RGB (what pixel checks read), .png.
take_screenshot() {
  import -window root -crop "$3x$4+$1+$2" -depth 8 "$5"
}

# --- Gestures on the utility's windows -------------------------------------
# Each at its place in the window last found (find_window sets WIN_*).
# The hotspots, at their centres; a picture box's inner area starts one pixel
# inside its frame, so panel position p is window position p + 1 (+24 down).
click_start() { click 77 69; }
click_stop() { click 137 69; }
click_reason() { click 125 106; }
# The banner's marks, drawn over its right end: "x" closes, "-" minimises.
click_close_mark() { click 148 8; }
click_minimise_mark() { click 132 4; }

# open_file_menu [SECONDS]: File's menu, given 0.7 s (or SECONDS) to show.
open_file_menu() {
  click 21 69
  sleep "${1:-0.7}"
}

# choose_change_handle: the open File menu's first item, "handle"; finds the
# change-handle dialog it opens.
choose_change_handle() {
  xdotool key Down Return
  wait_until 10 find_window '^Form4$' || fail "the change-handle dialog did not show"
}

# clear_box [KEYS]: empties the text box that has the focus, then presses
# KEYS. Nine BackSpaces clear what every box starts with ("reason...",
# "...handle").
clear_box() {
  # shellcheck disable=SC2046  # one key name per word
  xdotool key --delay 20 End $(printf 'BackSpace %.0s' {1..9}) "$@"
}

# type_into_box TEXT: the focused box's text replaced by TEXT, typed.
type_into_box() {
  clear_box
  xdotool type --delay 30 "$1"
}

# type_first_handle HANDLE: typed into the first-run dialog's box, which
# takes typing only once clicked; click_first_run_ok then stores it.
type_first_handle() {
  click 64 33
  type_into_box "$1"
}
click_first_run_ok() { click 144 32; }

# type_new_handle HANDLE: typed into the change-handle dialog, then Enter. Its
# box has the focus: no click, just the pointer over the dialog.
type_new_handle() {
  point 76 33
  type_into_box "$1"
  xdotool key Return
}

# change_handle_to HANDLE: File > handle, the handle typed and Enter;
# returns once the main window is back.
change_handle_to() {
  open_file_menu
  choose_change_handle
  type_new_handle "$1"
  wait_gone '^Form4$'
  wait_for_main_window
}

# alt_f4_at X Y: Alt+F4 to the window under the pointer, put at X, Y of the
# window last found (keys go to the window under the pointer).
alt_f4_at() {
  point "$1" "$2"
  xdotool key alt+F4
}

wait_for_main_window() { wait_until 10 find_main_window || fail "the main window did not show"; }

# The utility's process, QUIMBLY_PID, as started by the script.
quimbly_alive() { kill -0 "$QUIMBLY_PID" 2>/dev/null; }
quimbly_ended() { ! quimbly_alive; }

# wait_for_quimbly_to_end [SECONDS] [AFTER-WHAT]: fails unless the utility's
# process ends within 15 s (or SECONDS).
wait_for_quimbly_to_end() {
  wait_until "${1:-15}" quimbly_ended || fail "the utility did not end within ${1:-15} s${2:+ after $2}"
}

# close_quimbly [SECONDS]: the close mark, and the utility ends within 15 s
# (or SECONDS).
close_quimbly() {
  click_close_mark
  wait_for_quimbly_to_end "${1:-15}" "the close mark"
}

# --- The room's transcript ---------------------------------------------------
line_count() { [[ -f "$1" ]] && wc -l <"$1" || echo 0; }
has_lines() { (($(line_count "$1") >= $2)); }

# wait_for_lines FILE N SECONDS
wait_for_lines() {
  wait_until "$3" has_lines "$1" "$2" || fail "$1 has $(line_count "$1") lines, wanted $2 within $3 s"
}

# launch_host EXE DIR DOCS [more demo-host options]: the demo host with those
# documents, in the background (HOST_PID, added to STARTED_PIDS); document
# k's transcript is DIR/doc<k>.txt, its output goes to DIR/host.log. True
# once it is ready; false if it ends first or is not ready within 30 s.
launch_host() {
  local exe=$1 dir=$2 docs=$3
  shift 3
  rm -f "$dir/ready"
  "$(wine_loader "$exe")" "$exe" --docs "$docs" --transcript-dir "$(winpath "$dir")" --ready "$(winpath "$dir/ready")" "$@" \
    >>"$dir/host.log" 2>&1 &
  HOST_PID=$!
  STARTED_PIDS+=("$HOST_PID")
  # A host that ends before it is ready is seen at once, not after the wait.
  wait_until 30 ready_or_ended "$HOST_PID" "$dir/ready" || true
  [[ -e "$dir/ready" ]]
}
ready_or_ended() { [[ -e "$2" ]] || ! kill -0 "$1" 2>/dev/null; }

# --- The profile ---------------------------------------------------------
# Where the utility keeps it: the legacy c:\windows\system when that folder
# is there (a prefix that runs 32-bit programs has it; the tests run as its
# owner, so it takes a new file), else the user's AppData.
profile_path() {
  local dir
  if [[ -d "$WINEPREFIX/drive_c/windows/system" ]]; then
    printf '%s/drive_c/windows/system/qbv1.ini' "$WINEPREFIX"
    return
  fi
  for dir in "$WINEPREFIX"/drive_c/users/*/AppData/Roaming; do
    [[ "$dir" == */Public/* ]] && continue
    printf '%s/qbv1.ini' "$dir"
    return
  done
  fail "no AppData folder in the prefix"
}
set_profile() { printf '[qbv1]\r\nHANDLE=%s\r\n' "$1" >"$(profile_path)"; }
remove_profile() { rm -f "$(profile_path)"; }

# Waits until no window with the title is on screen. Without a window
# manager, Wine takes up to two seconds to take a hidden window off the screen.
wait_gone() {
  local id
  # shellcheck disable=SC2317  # called through wait_until
  gone() {
    for id in $(xdotool search --name "$1" 2>/dev/null); do
      is_viewable "$id" && return 1
    done
    return 0
  }
  wait_until "${2:-10}" gone "$1" || fail "the window $1 is still on screen"
}

# start_xvfb DIR: a private Xvfb on a display number nobody else uses; sets
# DISPLAY and XVFB_PID.
start_xvfb() {
  rm -f "$1/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$1/display" >"$1/xvfb.log" 2>&1 &
  XVFB_PID=$!
  wait_until 10 test -s "$1/display" || { cat "$1/xvfb.log" >&2; return 1; }
  DISPLAY=":$(tr -d '[:space:]' <"$1/display")"
  export DISPLAY
}

# wine_env PREFIX: Wine quiet, without its add-on downloads, Windows-1252.
wine_env() {
  export WINEPREFIX=$1 WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
  # The ANSI code page follows the locale: C.UTF-8 gives Windows-1252.
  export LANG=C.UTF-8
  unset LC_ALL
}

# make_prefix: the prefix named by WINEPREFIX, made once; with Wine's 32-bit
# half installed it runs 32-bit and 64-bit programs alike.
make_prefix() {
  [[ -f "$WINEPREFIX/system.reg" ]] && return 0
  wineboot -i >"${WINEPREFIX%/}.wineboot.log" 2>&1 || true
  wineserver -w  # the registry files are written when the server ends
  [[ -f "$WINEPREFIX/system.reg" && -d "$WINEPREFIX/drive_c/windows/syswow64" ]]
}

# pe_bits EXE: 32 or 64, from the optional header's magic.
pe_bits() {
  local header magic
  header=$(od -An -tu4 -j 60 -N 4 "$1" | tr -d ' ')
  magic=$(od -An -tx2 -j $((header + 24)) -N 2 "$1" | tr -d ' ')
  case $magic in
    010b) echo 32 ;;
    020b) echo 64 ;;
    *) fail "$1 is not a Windows program" ;;
  esac
}

# The 64-bit loader; Debian keeps it out of PATH.
WINE64=$(command -v wine64 || echo /usr/lib/wine/wine64)

# wine_loader EXE: the Wine loader of the program's own bitness (the plain
# "wine" would first start its 32-bit loader for either).
wine_loader() {
  local bits
  bits=$(pe_bits "$1") || exit 1
  if [[ $bits == 64 ]]; then echo "$WINE64"; else echo wine; fi
}

# wine_exe EXE [ARGS]: runs a Windows program in the foreground. To start one
# in the background, run "$(wine_loader EXE)" EXE ARGS & so that $! is the
# program's own process, not a subshell's.
wine_exe() { "$(wine_loader "$1")" "$@"; }

# prefix_processes REGEX: the processes of this prefix whose command line
# matches (other prefixes, other desktops, run their own).
prefix_processes() {
  local pid
  for pid in $(pgrep -f "$1"); do
    grep -qzxF "WINEPREFIX=$WINEPREFIX" "/proc/$pid/environ" 2>/dev/null && echo "$pid"
  done
  return 0
}
