#!/usr/bin/env bash
# Windows 95, 98 and ME have the ANSI (A) forms of the Windows functions; of
# the Unicode (W) forms only a handful work there (Microsoft KB Q210341), the
# rest fail. A short session of the 32-bit exe under Wine's relay trace, on a
# prefix that reports Windows 95 or 98: start-up with a profile, Start, Stop, the
# File menu opened and left, the close mark. Any call from the exe's own
# image to a W function beyond that handful fails the test, and so does any
# call into msvcrt.dll, which Windows 95 lacks. So does a trace
# that does not show the session: the windows made, the profile read, the
# lines sent, the menu, and the shutdown order asked for.
source "$(dirname "$0")/lib.sh"

[[ $(pe_bits "$QUIMBLY_EXE") == 32 ]] || fail "the relay check is for the 32-bit exe"
[[ ${WINDOWS_VERSION:-} == win9[58] ]] || fail "the relay check wants a prefix that reports Windows 95 or 98 (WINDOWS_VERSION)"

start_host room
set_profile Jo
WINEDEBUG=+relay start_quimbly
trace="$WORK/quimbly.log"
wait_for_lines "$(transcript)" 2 30
click_start
wait_for_lines "$(transcript)" 3 15
click_stop
wait_for_lines "$(transcript)" 4 15
open_file_menu 1.5
xdotool key Escape
sleep 1
close_quimbly 30  # the relay trace slows every call
{ line_by; line_loaded Jo; line_started; line_stopped; line_by; line_unloaded Jo; } | expect_bytes "$(transcript)"

relay_calls "$trace" >"$WORK/relay-calls.txt"
head -n 1 "$WORK/relay-calls.txt"

problems=()
grep -q '^traced [1-9]' "$WORK/relay-calls.txt" || problems+=("the relay trace $trace holds no calls")
seen() { grep -qE "^SEEN ($1) " "$WORK/relay-calls.txt"; }
for evidence in CreateWindowExA GetPrivateProfileStringA SendMessageTimeoutA 'TrackPopupMenu|TrackPopupMenuEx' \
  'SetProcessShutdownParameters|GetProcAddress\(SetProcessShutdownParameters\)'; do
  seen "$evidence" || problems+=("no call of $evidence from the exe: the trace does not cover the session")
done
while read -r _ name count; do
  problems+=("$name is called $count times from the exe")
done < <(grep '^WIDE ' "$WORK/relay-calls.txt" | sort)
while read -r _ name count; do
  problems+=("$name is called $count times from the exe: Windows 95 has no msvcrt.dll")
done < <(grep '^CRT ' "$WORK/relay-calls.txt" | sort)
if ((${#problems[@]})); then
  printf '  %s\n' "${problems[@]}" >&2
  fail "${#problems[@]} problems in the relay trace (kept in $trace)"
fi
echo "PASS: $(sed -n 's/^traced [0-9]* calls, \([0-9]*\) of them.*/\1/p' "$WORK/relay-calls.txt") calls from the exe checked; no W function beyond those Windows 95 and 98 have"
