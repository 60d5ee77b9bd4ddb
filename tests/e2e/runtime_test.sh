#!/usr/bin/env bash
# The exe's own C runtime under Windows: the runtime probe, built on it as
# quimbly.exe is, reports what it checked (constructors before WinMain,
# memmove over overlapping places, memcmp, strlen), then asks for memory
# until Windows has none. The heap running dry must end it with a message
# that says so, never a crash: the box shows, the debug channel carries its
# text, and once it is answered the process ends with status 1.
source "$(dirname "$0")/lib.sh"

probe=$(dirname "$QUIMBLY_EXE")/runtime-probe.exe
[[ -f "$probe" ]] || fail "no $probe: build the mingw32 preset"
log=$WORK/probe.log
WINEDEBUG=-all,warn+debugstr "$(wine_loader "$probe")" "$probe" >"$log" 2>&1 &
pid=$!
STARTED_PIDS+=("$pid")
wait_until 60 find_window '^Quimbly$' || fail_to_start "no message box came when the memory ran out" "$pid" "$log"

checks=$(grep -ac 'runtime-probe: ok ' "$log" || true)
! grep -a 'runtime-probe: FAIL ' "$log" | tr -d '\r' >&2 || fail "the runtime broke a promise (above)"
((checks == 5)) || fail "the probe reported $checks of its 5 checks (see $log)"
blocks=$(grep -ac 'runtime-probe: 16 MiB more' "$log" || true)
((blocks >= 50)) || fail "the heap ran dry after $blocks blocks of 16 MiB: the probe did not fill the address space"
grep -aq 'Quimbly cannot go on: Windows has no memory left for it\.' "$log" ||
  fail "the message does not say the memory ran out (see $log)"

xdotool mousemove --window "$WIN_ID" 20 20
xdotool key Return
ended() { ! kill -0 "$pid" 2>/dev/null; }
wait_until 10 ended || fail "the probe did not end once its message was answered"
status=0
wait "$pid" || status=$?
((status == 1)) || fail "the probe ended with status $status, not 1"
echo "PASS: the runtime's $checks checks; out of memory after $blocks blocks of 16 MiB: a message, then status 1"
