#!/usr/bin/env bash
# The dialogs' banners under Wine, pixel column by column against the gradient,
# and the main window's banner drawn once: hidden and shown again, minimised
# and restored, it comes back from its image, not from a new paint pass.
source "$(dirname "$0")/lib.sh"
export WINEDEBUG=-all,warn+debugstr

start_host room
remove_profile
start_quimbly first-run
shoot first-run-banner
# A 153-pixel-wide box draws 151 columns inside its frame.
expect_banner 1 1 151 2295 0 14

type_first_handle Jo
click_first_run_ok
wait_gone '^Form3$'
wait_for_main_window
sleep 0.5
shoot main-banner  # its columns are dpi_test.sh's
cp "$SHOT" "$WORK/main-first.rgb"
main_x=$WIN_X main_y=$WIN_Y

open_file_menu
choose_change_handle
sleep 0.3
shoot change-handle-banner
expect_banner 1 1 151 2295 0 14

point 76 33
xdotool key Return
wait_gone '^Form4$'
wait_for_main_window
sleep 0.5
shoot main-banner-shown-again
cmp -s "$SHOT" "$WORK/main-first.rgb" || fail "the main window looks different after hiding and showing"

click_minimise_mark
sleep 0.5
wine_exe "$PROBES_DIR/window-probe.exe" --restore Quimbly >/dev/null
sleep 0.7
find_main_window
[[ "$WIN_X,$WIN_Y" == "$main_x,$main_y" ]] || fail "restored at $WIN_X,$WIN_Y, not $main_x,$main_y"
shoot main-banner-restored
cmp -s "$SHOT" "$WORK/main-first.rgb" || fail "the main window looks different after minimise and restore"

passes=$(paint_passes Picture2)
[[ "$passes" == 1 ]] || fail "the main banner was painted $passes times"
[[ $(paint_passes Form1) -ge 3 ]] || fail "the main window was not redrawn ($(paint_passes Form1) passes): nothing was tested"
echo "PASS: both dialogs' banners exact; the main banner painted once over $(paint_passes Form1) redraws of its window"
