#!/usr/bin/env bash
# The room tools (room-sender, room-probe) take the room the utility would
# take, by its own code, so the tests that lean on them read and write the
# right window:
#   non-chat-first  a document without the people list, one of a room's four
#                   children, comes first: the line and the view are the room's
#   no-input-box    the first room has no input box: the line goes nowhere, as
#                   the utility's would
source "$(dirname "$0")/lib.sh"

line=$WORK/line
printf 'to the room' >"$line"
send() { wine_exe "$PROBES_DIR/room-sender.exe" "$(winpath "$line")" 2>&1 | tr -d '\r'; }

case ${1:?case} in
  non-chat-first)
    start_host doc,room --screen-name Tester
    send || fail "room-sender found no room"
    wait_for_lines "$(transcript 2)" 1 10
    echo 'to the room' | expect_bytes "$(transcript 2)"
    [[ ! -s "$(transcript 1)" ]] || fail "the non-chat document received the line"
    seen=$(room_view | tail -n 1)
    [[ "$seen" == "[]Tester: to the room" ]] || fail "room-probe read '$seen', not the room's view"
    ;;
  no-input-box)
    start_host room-noinput,room
    if said=$(send); then fail "room-sender sent past a first room without its input box: $said"; fi
    sleep 2
    for k in 1 2; do
      [[ ! -s "$(transcript "$k")" ]] || fail "document $k received the line"
    done
    ;;
  *) fail "unknown case $1" ;;
esac
echo "PASS: $1"
