#!/usr/bin/env bash
# The main window on a display of another DPI (DPI in the environment), as a
# person there sees it: laid out at the display's scale; every caption and
# text fits its control in the program's own font; the banner a smooth
# gradient across the whole width, with its "-" and "x" drawn; the black band
# below it; the reason box in its place; a click between the painted buttons
# does nothing, and a click on the middle of each does what the button says.
source "$(dirname "$0")/lib.sh"
[[ -n "${DPI:-}" ]] || fail "DPI names the display's DPI for this test"

start_host room
start_announced Jo
expect_window_size 161 121 "main window"

wine_exe "$PROBES_DIR/fit-probe.exe" >"$WORK/fit.txt" 2>&1 || { cat "$WORK/fit.txt" >&2; fail "a text does not fit at $DPI DPI"; }
tr -d '\r' <"$WORK/fit.txt"
# The text is 8 points high at the display's DPI: 11 pixels at 96, 16 at
# 144 (a pixel less may show, as the font's ascent and descent round apart).
em=$(tr -d '\r' <"$WORK/fit.txt" | sed -n 's/^dpi=[0-9]* em=//p') points8=$(((8 * DPI + 36) / 72))
((em >= points8 - 1 && em <= points8)) || fail "the program's font is $em pixels high at $DPI DPI, not 8 points ($points8)"

sleep 0.5
shoot "main-window-${DPI}dpi"
# twips X: the pixel that edge falls on at the display's DPI, a half up.
twips() { echo $(((2 * $1 * DPI + 1440) / 2880)); }
# The banner: 2415 x 255 twips with a one-pixel frame. Over its right end lie
# the marks, "-" from 1920 twips and "x"; below the "-", only the "x" stands.
columns=$(($(twips 2415) - 2)) rows=$(($(twips 255) - 2))
expect_banner 1 1 "$columns" 2415 0 $((rows - 1)) $(($(twips 1920) - 2))
expect_banner 1 1 "$columns" 2415 "$(twips 180)" $((rows - 1))
# ink_rows X0 Y0 X1 Y1: how many rows of that window rectangle (inclusive)
# hold text: pixels darker than any colour of the banner or the panel.
ink_rows() {
  od -An -v -tu1 -w3 "$SHOT" | awk -v w="$SHOT_W" -v x0="$1" -v y0="$2" -v x1="$3" -v y1="$4" '
    { i = NR - 1; x = i % w; y = int(i / w)
      if (x >= x0 && x <= x1 && y >= y0 && y <= y1 && $1 + $2 + $3 < 200 && !(y in ink)) { ink[y] = 1; n++ } }
    END { print n + 0 }'
}
(($(ink_rows $((1 + $(twips 1920))) 1 "$(twips 2055)" "$(twips 135)") > 0)) || fail "the \"-\" mark is not drawn"
(($(ink_rows $((1 + $(twips 2160))) 1 "$(twips 2295)" "$rows") > 0)) || fail "the \"x\" mark is not drawn"
expect_region 0 "$(twips 255)" $((WIN_W - 1)) $(($(twips 360) - 1)) "0 0 0" "the band between banner and panel"

# The panel: its picture, its bottom row of texts and the reason box, at the
# display's scale. "idle for :" stands 8 pixel rows high at 96 DPI and grows
# with the DPI, as the program's font does.
panel_top=$(($(twips 360) + 1))
idle=$(ink_rows $((1 + $(twips 120))) $((panel_top + $(twips 1080))) "$(twips 735)" $((panel_top + $(twips 1335) - 1)))
((idle >= $(at_scale 8) - 1 && idle <= $(at_scale 8) + 1)) || fail "\"idle for :\" is $idle rows high, not about $(at_scale 8)"
# The reason box fills its place: white inside its bottom corners, the
# panel's blue just beyond them.
box_left=$((1 + $(twips 1440))) box_right=$((1 + $(twips 2295))) box_bottom=$((panel_top + $(twips 1365)))
expect_pixel $((box_left + 3)) $((box_bottom - 3)) "255 255 255" "inside the reason box's near corner"
expect_pixel $((box_left - 1)) $((box_bottom - 3)) "0 164 248" "just left of the reason box"
expect_pixel $((box_right - 3)) $((box_bottom - 3)) "255 255 255" "inside the reason box's far corner"
expect_pixel $((box_right + 1)) $((box_bottom + 1)) "0 164 248" "the panel beyond the reason box"

# The painted buttons along the row through the middle of the click areas:
# runs of what is neither the panel's ground nor its globe.
row=$((panel_top + ($(twips 360) + $(twips 975)) / 2))
read -ra buttons < <(od -An -v -tu1 -w3 "$SHOT" | awk -v w="$SHOT_W" -v row="$row" '
  { i = NR - 1; x = i % w; if (int(i / w) != row || x == 0 || x == w - 1) next
    ground = $3 >= 240 && $1 <= 45 && $2 >= 155 && $2 <= 190
    if (!ground && !inside) { start = x; inside = 1 }
    if (ground && inside) { printf "%d ", (start + x - 1) / 2; inside = 0 } }
  END { if (inside) printf "%d ", (start + w - 2) / 2; print "" }')
((${#buttons[@]} == 3)) || fail "found ${#buttons[@]} painted buttons along row $row, not 3: ${buttons[*]}"
echo "painted buttons' middles along row $row: ${buttons[*]}"
# Between the buttons, on the title line and above the bottom row: nothing happens.
for spot in "45 69" "109 69" "80 35" "20 95"; do
  # shellcheck disable=SC2086
  click $spot
done
press() { xdotool mousemove $((WIN_X + $1)) $((WIN_Y + row)) click 1; }
press "${buttons[1]}"
wait_for_lines "$(transcript)" 3 10
press "${buttons[2]}"
wait_for_lines "$(transcript)" 4 10
press "${buttons[0]}"
sleep 0.7
xdotool key x
wait_for_quimbly_to_end 15 "File's e&xit"
{ line_by; line_loaded Jo; line_started; line_stopped; line_by; line_unloaded Jo; } | expect_bytes "$(transcript)"
echo "PASS: at $DPI DPI the main window is ${WIN_W}x${WIN_H}, its texts fit, its banner runs white to blue, its painted buttons work and nothing between them"
