#!/usr/bin/env bash
# Windows ends the session (log-off, shut-down): each program's top-level
# windows are asked (WM_QUERYENDSESSION), then told (WM_ENDSESSION), and the
# program is ended. The main window unloads as on every other way out: the
# room gets the by-line and the unloaded line, and the utility is gone.
#
# Wine's wineboot --end-session does this one program at a time, in the
# order of their Windows process ids, and ends each program before it asks
# the next; so the utility must come before the host client, or its lines
# find no room. The utility starts first, and its start-up lines go out to
# no room. Wine hands out freed ids again, so starting first does not ensure
# the lower id: the host is started again until its id is the higher one.
source "$(dirname "$0")/lib.sh"

set_profile Jo
start_quimbly
sleep 3  # past the start-up pause
start_host room
name=$(basename "$QUIMBLY_EXE")
for ((starts = 1; ; starts++)); do
  utility=$(windows_pid "$name")
  host=$(windows_pid demo-host.exe)
  [[ -n "$utility" && -n "$host" ]] || fail "winedbg does not list both programs (utility '$utility', host '$host')"
  ((16#$utility < 16#$host)) && break
  ((starts < 8)) || fail "the host's process id stayed below the utility's over $starts starts (last $host < $utility)"
  echo "the host has process id $host, below the utility's $utility: starting it again"
  stop_host
  start_host room
done
echo "process ids: utility $utility, host $host"
[[ ! -s "$(transcript)" ]] || fail "the room received lines before the session ended"

began=$(date +%s.%N)
timeout 30 "$WINE64" wineboot --end-session >"$WORK/wineboot.log" 2>&1 ||
  fail "wineboot --end-session failed or hung: $(tr -d '\r' <"$WORK/wineboot.log")"
took=$(awk -v a="$began" -v b="$(date +%s.%N)" 'BEGIN { printf "%.1f", b - a }')
no_process_left 10 "the session ended"
{ line_by; line_unloaded Jo; } | expect_bytes "$(transcript)"
echo "PASS: the session ended in ${took} s (host started $starts times); the utility announced its unload and is gone"
