#!/usr/bin/env bash
# The exe's own C runtime under Windows: the runtime probe, built on it as
# quimbly.exe is, reports what it checked (constructors before WinMain,
# memmove over overlapping places, memcmp, strlen, memchr, the rounding),
# then meets one of the ends the exe must come to without exceptions:
#   runtime_test.sh out-of-memory        it asks for memory until Windows has none
#   runtime_test.sh broken-precondition  it asks std::string for a part past its end
# Either must end it with a message that says why, never a crash or a hang:
# the box shows, the debug channel carries its text, and once it is answered
# the process ends with status 1.
source "$(dirname "$0")/lib.sh"

case ${1:?out-of-memory or broken-precondition} in
  out-of-memory) argument="" why='Windows has no memory left for it\.' ;;
  broken-precondition) argument=broken-precondition why='it met an error of its own \(a bug\)\.' ;;
  *) fail "no such case: $1" ;;
esac
probe=$(dirname "$QUIMBLY_EXE")/runtime-probe.exe
[[ -f "$probe" ]] || fail "no $probe: build the mingw32 preset"
log=$WORK/probe.log
WINEDEBUG=-all,warn+debugstr "$(wine_loader "$probe")" "$probe" $argument >"$log" 2>&1 &
pid=$!
STARTED_PIDS+=("$pid")
wait_until 60 find_window '^Quimbly$' || fail_to_start "no message box came at the end ($1)" "$pid" "$log"

checks=$(grep -ac 'runtime-probe: ok ' "$log" || true)
! grep -a 'runtime-probe: FAIL ' "$log" | tr -d '\r' >&2 || fail "the runtime broke a promise (above)"
((checks == 8)) || fail "the probe reported $checks of its 8 checks (see $log)"
blocks=$(grep -ac 'runtime-probe: 16 MiB more' "$log" || true)
if [[ $1 == out-of-memory ]]; then
  ((blocks >= 50)) || fail "the heap ran dry after $blocks blocks of 16 MiB: the probe did not fill the address space"
  ending="out of memory after $blocks blocks of 16 MiB"
else
  ending="a part past the end of a std::string"
  ((blocks == 0)) || fail "std::string gave a part past its end: the probe went on to ask for memory"
  ! grep -aq 'runtime-probe: got ' "$log" || fail "std::string gave a part past its end (see $log)"
fi
grep -aEq "Quimbly cannot go on: $why" "$log" || fail "the message does not say why it ended (see $log)"

xdotool mousemove --window "$WIN_ID" 20 20
xdotool key Return
ended() { ! kill -0 "$pid" 2>/dev/null; }
wait_until 10 ended || fail "the probe did not end once its message was answered"
status=0
wait "$pid" || status=$?
((status == 1)) || fail "the probe ended with status $status, not 1"
echo "PASS: the runtime's $checks checks; $ending: a message saying why, then status 1"
