#!/usr/bin/env bash
# A whole idle session with real input: a typed reason, Start, one real
# minute's tick, Stop. The room must receive exactly four lines, byte for byte.
source "$(dirname "$0")/lib.sh"

start_host room
start_announced Jo
[[ "$WIN_W" == 161 && "$WIN_H" == 121 ]] || fail "main window is ${WIN_W}x${WIN_H}, not 161x121"

reason='<i>out</i> for lunch'
click_reason
xdotool key --delay 20 End $(printf 'BackSpace %.0s' {1..9})
xdotool type --delay 30 "$reason"

click_start
started_at=$(date +%s)
wait_for_lines "$(transcript)" 3 10
{ line_by; line_loaded Jo; line_started; } | expect_bytes "$(transcript)"

echo "waiting for the first tick (60 s)"
wait_for_lines "$(transcript)" 5 80
ticked_after=$(($(date +%s) - started_at))
((ticked_after >= 58)) || fail "the first tick came after ${ticked_after} s, not a minute"

click_stop
wait_for_lines "$(transcript)" 6 10
{
  line_by
  line_loaded Jo
  line_started
  line_idle
  line_time 1 "$reason"
  line_stopped
} | expect_bytes "$(transcript)"
quimbly_alive || fail "the utility ended"
echo "PASS: started, idle, time 1 and stopped lines arrived exactly (tick after ${ticked_after} s)"
