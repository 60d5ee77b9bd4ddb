#!/usr/bin/env bash
# The main window's commands with real input, one case per argument
# (File > e&xit is pressed in dpi_test.sh).
source "$(dirname "$0")/lib.sh"

start_host room
start_announced Jo
announced() { { line_by; line_loaded Jo; } }

case ${1:?case} in
  change-handle)
    open_file_menu
    [[ -z "${E2E_SHOTS:-}" ]] || take_screenshot 0 0 300 200 "$E2E_SHOTS/file-menu.png"
    choose_change_handle
    expect_window_size 153 43 "change-handle dialog"
    shoot change-handle-dialog
    [[ ! -e "$(profile_path)" ]] || fail "the profile is still there"
    [[ "$(window_state Quimbly)" == visible=0* ]] || fail "the main window is still shown"
    type_new_handle Al
    wait_until 10 test -f "$(profile_path)" || fail "no profile was written"
    printf '[qbv1]\r\nHANDLE=Al\r\n' | expect_bytes "$(profile_path)"
    wait_for_main_window
    [[ "$(window_state Form4)" == visible=0* ]] || fail "the change-handle dialog is still shown"
    close_quimbly
    { announced; line_by; line_unloaded Al; } | expect_bytes "$(transcript)"
    ;;
  minimise)
    click 132 13  # below the mark: a press on the banner, not a minimise
    sleep 0.5
    [[ "$(window_state Quimbly)" == *iconic=0* ]] || fail "a press below the mark minimised"
    click_minimise_mark
    iconic() { [[ "$(window_state Quimbly)" == *iconic=1* ]]; }
    wait_until 5 iconic ||
      fail "the mark did not minimise: $(window_state Quimbly)"
    announced | expect_bytes "$(transcript)"
    ;;
  close)
    # Watch the window's left edge while it slides.
    (for _ in $(seq 200); do xwininfo -id "$WIN_ID" 2>/dev/null | awk '/Absolute upper-left X/ { print $4 }'; sleep 0.01; done) \
      >"$WORK/slide.txt" &
    watcher=$!
    close_quimbly
    kill "$watcher" 2>/dev/null || true
    furthest=$(sort -n "$WORK/slide.txt" | tail -n 1)
    ((${furthest:-0} > WIN_X + 100)) || fail "the window did not slide right (furthest seen: ${furthest:-none})"
    { announced; line_by; line_unloaded Jo; } | expect_bytes "$(transcript)"
    ;;
  *) fail "unknown case $1" ;;
esac
echo "PASS: $1"
