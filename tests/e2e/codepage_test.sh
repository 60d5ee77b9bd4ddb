#!/usr/bin/env bash
# Text the user gives the utility reaches the room in the system's ANSI code
# page, byte for byte (the test's CODEPAGE: 1252 Western, 1250 Central
# European, 1251 Cyrillic): a handle the profile holds in that code page's
# bytes, and a new handle typed on the keyboard into the change dialog, which
# the profile then holds and the room hears at the unload. The whole of every
# line is compared, the fixed text as that code page gives it (see lib.sh).
source "$(dirname "$0")/lib.sh"

case ${CODEPAGE:?codepage_test needs CODEPAGE} in
  1252) handle=$'J\xf6rg\x80' typed='Café für 5 €' ;;  # Jörg€
  1250) handle=$'\x8a\xe8\xf8' typed='Żółw Šč' ;;      # Ščř
  1251) handle=$'\xc6\xe6' typed='Жду обед' ;;         # Жж
  *) fail "no text for code page $CODEPAGE" ;;
esac
typed_bytes=$(printf '%s' "$typed" | iconv -f UTF-8 -t "CP$CODEPAGE") || fail "iconv knows no CP$CODEPAGE"
printf '%s' "$typed_bytes" | LC_ALL=C grep -q '[^ -~]' || fail "the typed text is all ASCII: it would test nothing"

start_host room
put_on_keyboard "$typed"
start_announced "$handle"
change_handle_to "$typed"
printf '[qbv1]\r\nHANDLE=%s\r\n' "$typed_bytes" | expect_bytes "$(profile_path)"
close_quimbly
{
  line_by
  line_loaded "$handle"
  line_by
  line_unloaded "$typed_bytes"
} | expect_bytes "$(transcript)"
echo "PASS: code page $CODEPAGE: the profile's handle and the typed '$typed' reached the room byte for byte"
