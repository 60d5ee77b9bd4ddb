#!/usr/bin/env bash
# Which document of the host client gets the lines, for the trees that
# matter: only the first room in child order, and none without its input box.
source "$(dirname "$0")/lib.sh"

case ${1:?case} in
  non-chat-first) docs=doc,room target=2 ;;
  two-rooms) docs=room,room target=1 ;;
  no-input-box) docs=room-noinput,room target=none ;;
  *) fail "unknown case $1" ;;
esac

start_host "$docs"
set_profile Jo
start_quimbly
# Past the start-up announcement: a click during its pause would come first.
if [[ "$target" == none ]]; then sleep 3; else wait_for_lines "$(transcript "$target")" 2 15; fi
click_start
click_stop

if [[ "$target" == none ]]; then
  # Nothing arrives anywhere; give the clicks time to be handled, then look.
  sleep 3
  quimbly_alive || fail "the utility ended"
  for k in 1 2; do
    [[ ! -s "$(transcript "$k")" ]] || fail "document $k received lines"
  done
else
  wait_for_lines "$(transcript "$target")" 4 10
  { line_by; line_loaded Jo; line_started; line_stopped; } | expect_bytes "$(transcript "$target")"
  for k in 1 2; do
    [[ "$k" == "$target" || ! -s "$(transcript "$k")" ]] || fail "document $k received lines too"
  done
fi
echo "PASS: $1"
