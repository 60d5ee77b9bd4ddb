#!/usr/bin/env bash
# The main window as a person sees it, checked by pixels: its size, the black
# band, the panel's own blue below the image, the image where it is plain,
# and the reason box's place. Clicks between the hotspots do nothing.
source "$(dirname "$0")/lib.sh"

start_host room
start_announced Jo
expect_window_size 161 121 "main window"
sleep 0.5
shoot main-window

black="0 0 0" panel="0 164 248" sky="0 162 243" button="65 145 187"
expect_region 0 17 160 23 "$black" "the band between banner and panel"
# The panel starts at row 24 with its one-pixel frame; its inner area is
# window 1..159 x 25..119, and the image covers inner rows 0..74.
expect_region 1 116 159 119 "$panel" "panel blue below the image and the bottom row"
expect_region 1 100 7 119 "$panel" "panel blue left of the bottom row"
expect_pixel 47 65 "$sky" "ground between File and Start"
expect_pixel 107 65 "$sky" "ground between Start and Stop"
expect_pixel 81 46 "$sky" "ground below the title"
expect_pixel 6 56 "$button" "File button"
expect_pixel 53 56 "$button" "Start button"
expect_pixel 112 56 "$button" "Stop button"
expect_pixel 3 53 "$black" "File button's frame"
# The reason box's frame begins at window 97, 97; left and above it, the panel.
[[ "$(pixel 97 97)" != "$panel" ]] || fail "no reason box at 97,97"
[[ "$(pixel 153 115)" != "$panel" ]] || fail "the reason box does not reach 153,115"
expect_pixel 96 100 "$panel" "just left of the reason box"
expect_pixel 154 116 "$panel" "just outside the reason box"

# Gaps between the hotspots, and the title line: nothing happens.
for spot in "45 69" "109 69" "80 35" "20 95"; do
  # shellcheck disable=SC2086
  click $spot
done
click_start
wait_for_lines "$(transcript)" 3 10
click_stop
wait_for_lines "$(transcript)" 4 10
{ line_by; line_loaded Jo; line_started; line_stopped; } | expect_bytes "$(transcript)"
echo "PASS: main window pixels, and clicks outside the hotspots post nothing"
