#!/usr/bin/env bash
# From the very first run to the next start-up, with real input only:
# the first-run dialog stores the handle and shows the main window without a
# word to the room; closed in that run, the unloaded line has no handle; the
# next start-up announces the handle two seconds in, from a topmost window
# that is dragged by its banner. Also reports the processor time of the pause.
source "$(dirname "$0")/lib.sh"

start_host room
remove_profile
start_quimbly first-run
expect_window_size 153 44 "first-run dialog"
shoot first-run-dialog
[[ "$(window_state Quimbly)" == visible=0* ]] || fail "the main window shows beside the first-run dialog"

type_first_handle Jo
click_first_run_ok
wait_until 10 test -f "$(profile_path)" || fail "no profile was written"
printf '[qbv1]\r\nHANDLE=Jo\r\n' | expect_bytes "$(profile_path)"
wait_for_main_window
[[ "$(window_state Form3)" == visible=0* ]] || fail "the first-run dialog is still shown"
sleep 2.5
[[ ! -s "$(transcript)" ]] || fail "the first run posted something"

# Closed in the first run, the main window announces an empty handle.
close_quimbly
{ line_by; line_unloaded ""; } | expect_bytes "$(transcript)"

# The next start-up finds the profile.
start_quimbly
shown_at=$(date +%s.%N)
cpu_at_show=$(awk '{ print $14 + $15 }' "/proc/$QUIMBLY_PID/stat")
wait_for_lines "$(transcript)" 4 10
loaded_at=$(date +%s.%N)
cpu_at_loaded=$(awk '{ print $14 + $15 }' "/proc/$QUIMBLY_PID/stat")
{ line_by; line_unloaded ""; line_by; line_loaded Jo; } | expect_bytes "$(transcript)"
delay=$(awk -v a="$shown_at" -v b="$loaded_at" 'BEGIN { printf "%.2f", b - a }')
awk -v d="$delay" 'BEGIN { exit !(d >= 1.2 && d <= 4) }' || fail "the loaded line came ${delay} s after the window showed"
ticks=$((cpu_at_loaded - cpu_at_show))
# A spinning wait would burn the whole pause (about 200 ticks of 10 ms).
((ticks < 40)) || fail "the start-up pause used $((ticks * 10)) ms of processor time"
[[ "$(window_state Quimbly)" == *topmost=1* ]] || fail "the main window is not topmost: $(window_state Quimbly)"
shoot main-window-started

# Dragged by its banner, in small steps as a hand would.
from_x=$WIN_X from_y=$WIN_Y
point 60 8
xdotool mousedown 1
for step in $(seq 10); do
  xdotool mousemove --sync $((from_x + $(at_scale 60) + step * 20)) $((from_y + $(at_scale 8) + step * 15))
  sleep 0.12
done
xdotool mouseup 1
sleep 0.5
find_main_window
((WIN_X - from_x >= 190 && WIN_X - from_x <= 210 && WIN_Y - from_y >= 140 && WIN_Y - from_y <= 160)) ||
  fail "dragged by 200,150 the window moved by $((WIN_X - from_x)),$((WIN_Y - from_y))"
[[ ! -s "$(transcript)" || $(line_count "$(transcript)") == 4 ]] || fail "the drag posted something"
echo "PASS: first run, then start-up after ${delay} s using $((ticks * 10)) ms of processor time in the pause; dragged"
