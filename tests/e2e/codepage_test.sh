#!/usr/bin/env bash
# Text the user gives the utility reaches the room in the system's ANSI code
# page, byte for byte (the test's CODEPAGE: 1252 Western, 1250 Central
# European, 1251 Cyrillic): a handle the profile holds in that code page's
# bytes, and a reason typed on the keyboard. The whole of every line is
# compared, the fixed text as that code page gives it (see lib.sh).
source "$(dirname "$0")/lib.sh"

case ${CODEPAGE:?codepage_test needs CODEPAGE} in
  1252) handle=$'J\xf6rg\x80' reason='café für 5 €' ;;      # Jörg€
  1250) handle=$'\x8a\xe8\xf8' reason='żółw Šč' ;;          # Ščř
  1251) handle=$'\xc6\xe6' reason='Жду обед' ;;             # Жж
  *) fail "no text for code page $CODEPAGE" ;;
esac
reason_bytes=$(printf '%s' "$reason" | iconv -f UTF-8 -t "CP$CODEPAGE") || fail "iconv knows no CP$CODEPAGE"
printf '%s' "$reason_bytes" | LC_ALL=C grep -q '[^ -~]' || fail "the reason is all ASCII: it would test nothing"

start_host room
put_on_keyboard "$reason"
start_announced "$handle"
click_reason
xdotool key --delay 20 End $(printf 'BackSpace %.0s' {1..9})
xdotool type --delay 40 "$reason"
click_start
wait_for_lines "$(transcript)" 5 75
click_stop
wait_for_lines "$(transcript)" 6 10
click 148 8
wait_until 15 bash -c "! kill -0 $QUIMBLY_PID 2>/dev/null" || fail "the utility did not end after the close mark"
{
  line_by
  line_loaded "$handle"
  line_started
  line_idle
  line_time 1 "$reason_bytes"
  line_stopped
  line_by
  line_unloaded "$handle"
} | expect_bytes "$(transcript)"
echo "PASS: code page $CODEPAGE: the handle and the typed reason '$reason' reached the room byte for byte"
