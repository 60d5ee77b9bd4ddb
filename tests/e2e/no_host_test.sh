#!/usr/bin/env bash
# Without the host client the utility keeps working: clicks lose their lines
# silently, and once the client runs the next line arrives.
source "$(dirname "$0")/lib.sh"

set_profile Jo
start_quimbly
sleep 3  # the start-up announcement is lost
click_start
click_stop
click_start
sleep 2
quimbly_alive || fail "the utility ended without a host client"
find_main_window || fail "the main window is gone"

start_host room
click_stop
wait_for_lines "$(transcript)" 1 10
line_stopped | expect_bytes "$(transcript)"
echo "PASS: no host client, then a host client"
