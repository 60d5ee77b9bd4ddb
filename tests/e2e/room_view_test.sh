#!/usr/bin/env bash
# The room as its people see it, in the demo host's rich edit view: the
# started line after the screen name, in #0080FF; a reason's markup
# rendered (italic, bold, "&", no tags); a line a person types into the room;
# the view kept on its newest line; a 100 000-byte line; and the transcript
# raw all the while.
source "$(dirname "$0")/lib.sh"

start_host room --screen-name Tester
start_announced Jo
reason='<i>lunch</i> &amp; <b>back</b>'
click_reason
type_into_box "$reason"
click_start
wait_for_lines "$(transcript)" 3 10
sleep 0.5

FONT='fg=0080FF face=Arial Narrow'
last_paragraph() { room_view | tail -n 1; }
expect_last_paragraph() {
  local got
  got=$(last_paragraph)
  [[ "$got" == "$1" ]] || fail "the view's newest line is '$got', not '$1' ($2)"
}
expect_last_paragraph "[]Tester: [$FONT]     [b $FONT]·÷^·· Quimbly¹·º started" \
  "the started line"

# The colour on screen, inside the view.
view_rect
SHOT=$WORK/view.rgb
take_screenshot "$VIEW_X" "$VIEW_Y" "$VIEW_W" "$VIEW_H" "$SHOT"
[[ -z "${E2E_SHOTS:-}" ]] || convert -size "${VIEW_W}x${VIEW_H}" -depth 8 "rgb:$SHOT" "$E2E_SHOTS/room-view.png"
blue=$(od -An -v -tu1 -w3 "$SHOT" | awk '$1 == 0 && $2 == 128 && $3 == 255 { n++ } END { print n + 0 }')
((blue >= 30)) || fail "the view shows $blue pixels of #0080FF, not the lines' colour"

echo "waiting for the first tick (60 s)"
wait_for_lines "$(transcript)" 5 70
expect_last_paragraph "[]Tester: [$FONT]     [b $FONT]·÷^·· time: 1 min [ [b i $FONT]lunch[b $FONT] & back ]" \
  "the reason's markup in the time line"

say_in_room "$reason"
wait_for_lines "$(transcript)" 6 10
expect_last_paragraph "[]Tester: [i]lunch[] & [b]back" "a line typed into the room"

typed=()
for k in $(seq 25); do typed+=("line $k"); done
say_in_room "${typed[@]}"
wait_for_lines "$(transcript)" 31 20
expect_last_paragraph "[]Tester: line 25" "the newest of many lines"
[[ "$(room_view | head -n 1)" == *newest-visible=1 ]] || fail "the view is not scrolled to its newest line"

# A line longer than the box takes, sent as Quimbly sends one: the room
# posts it whole, though the box showed only its start.
long=$WORK/long-line
printf '<b>x</b>&amp;1.;%.0s' $(seq 6250) >"$long"  # 100 000 bytes
wine_exe "$PROBES_DIR/room-sender.exe" "$(winpath "$long")" | tr -d '\r' || fail "the long line was not sent"
wait_for_lines "$(transcript)" 32 20

{
  line_by
  line_loaded Jo
  line_started
  line_idle
  line_time 1 "$reason"
  printf '%s\n' "$reason" "${typed[@]}"
  cat "$long"
  echo
} | expect_bytes "$(transcript)"
echo "PASS: the room shows colour, markup and typed lines; the transcript keeps the bytes"
