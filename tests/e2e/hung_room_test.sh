#!/usr/bin/env bash
# A host client whose input box stops answering must not freeze the utility:
# once the start-up announcement runs into the hung box, a click and typing
# in the reason box are handled, and drawn, within a few seconds; when the
# client answers again, the session goes on.
source "$(dirname "$0")/lib.sh"

start_host room-hung --hang-seconds 12
set_profile Jo
start_quimbly
box=(97 97 57 19)
take_screenshot $((WIN_X + box[0])) $((WIN_Y + box[1])) "${box[2]}" "${box[3]}" "$WORK/before.rgb"

sleep 2.5  # the start-up pause is over: the by-line is on its way into the hung box
sent_at=$(date +%s.%N)
click_reason
xdotool type --delay 20 "zz"

changed() {
  take_screenshot $((WIN_X + box[0])) $((WIN_Y + box[1])) "${box[2]}" "${box[3]}" "$WORK/after.rgb"
  ! cmp -s "$WORK/before.rgb" "$WORK/after.rgb"
}
wait_until 6 changed || fail "the reason box did not change within 6 s of Start into a hung room"
took=$(awk -v a="$sent_at" -v b="$(date +%s.%N)" 'BEGIN { printf "%.1f", b - a }')
# Two lines into the hung box, at most a second each, and the time to see it.
awk -v t="$took" 'BEGIN { exit !(t <= 5.5) }' || fail "the utility took ${took} s to answer beside a hung room"
quimbly_alive || fail "the utility ended"

# The client answers again: what is sent from now on arrives.
sleep 12
before=$(line_count "$(transcript)")
click_start
click_stop
wait_for_lines "$(transcript)" $((before + 2)) 15
tail -n 2 "$(transcript)" | cmp -s - <({ line_started; line_stopped; }) || fail "the session did not go on after the hang"
echo "PASS: the utility answered ${took} s after it began sending into a hung room, and went on after it"
