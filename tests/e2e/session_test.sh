#!/usr/bin/env bash
# The whole flow in one run, with real input only: the first-run dialog takes
# a handle, the main window shows without a word to the room, then a typed
# reason, Start (twice), one real minute's tick, Stop and the close mark. The room
# receives exactly these lines, byte for byte; the handle is announced from
# the next start-up on, so this run's unloaded line has none.
source "$(dirname "$0")/lib.sh"

start_host room
remove_profile
start_quimbly first-run
type_first_handle Jo
click_first_run_ok
wait_for_main_window
expect_window_size 161 121 "main window"
printf '[qbv1]\r\nHANDLE=Jo\r\n' | expect_bytes "$(profile_path)"

reason='<i>out</i> for lunch'
click_reason
type_into_box "$reason"
click_start
started_at=$(date +%s)
wait_for_lines "$(transcript)" 1 10
sleep 20
click_start  # a second Start keeps the minute going; only Stop resets it
wait_for_lines "$(transcript)" 2 10
echo "waiting for the first tick (60 s)"
wait_for_lines "$(transcript)" 4 60
ticked_after=$(($(date +%s) - started_at))
((ticked_after >= 58 && ticked_after <= 70)) || fail "the first tick came after ${ticked_after} s, not a minute"
click_stop
wait_for_lines "$(transcript)" 5 10
quimbly_alive || fail "the utility ended"

close_quimbly
{
  line_started
  line_started
  line_idle
  line_time 1 "$reason"
  line_stopped
  line_by
  line_unloaded ""
} | expect_bytes "$(transcript)"
echo "PASS: first run, Start, a tick after ${ticked_after} s, Stop and close, every line exact"
