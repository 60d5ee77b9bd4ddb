#!/usr/bin/env bash
# One copy in a session: started again beside a running copy, the utility
# brings that copy forward and ends, posting nothing and writing nothing.
# One case per argument:
#   beside-running  a second start beside a minimised main window (of the
#                   exe SECOND_EXE, by default the one under test): it ends,
#                   the window comes back, one window, Start posts one line
#   first-run       beside the first-run dialog: one dialog, whose handle is saved
#   hung            beside a copy that does not answer: the start still ends
#                   within the second it gives the restore, and a little more
#   after-end       after the close mark, and after the process is ended by
#                   force, the next start announces as usual
source "$(dirname "$0")/lib.sh"

SECOND_EXE=${SECOND_EXE:-$QUIMBLY_EXE}
announced() { line_by; line_loaded Jo; }

# second_start LIMIT: the exe SECOND_EXE started beside the running copy,
# under Wine's relay trace; it must end with status 0, within LIMIT seconds
# of its check, as the trace stamps the exe's calls, leaving out the call in
# which Wine loaded its display driver (Wine does that on the first call that
# needs it, which under the trace takes many seconds; Windows does it before
# a program starts). From its check on, the
# exe itself reads, writes, makes and sends nothing but the check and what
# brings the running copy forward.
SECOND_STARTS=0
second_start() {
  local limit=$1 pid status=0 log base size trace unwanted
  log="$WORK/second-$((++SECOND_STARTS)).log"
  WINEDEBUG=+timestamp,+relay,+loaddll "$(wine_loader "$SECOND_EXE")" "$SECOND_EXE" >"$log" 2>&1 &
  pid=$!
  STARTED_PIDS+=("$pid")
  second_ended() { ! kill -0 "$pid" 2>/dev/null; }
  wait_until 120 second_ended || fail_to_start "the second start did not end" "$pid" "$log"
  wait "$pid" || status=$?
  ((status == 0)) || fail "the second start ended with status $status"
  # Relay lines: "1234.567:0024:Call user32.FindWindowExA(...) ret=00401234",
  # "1234.568:0024:Ret  user32.FindWindowExA() retval=00010088 ret=00401234".
  read -r base size < <(pe_image "$SECOND_EXE")
  trace=$(awk -v base="$base" -v size="$size" '
    function hex(s,   n, i) { n = 0; s = tolower(s); for (i = 1; i <= length(s); i++) n = n * 16 + index("0123456789abcdef", substr(s, i, 1)) - 1; return n }
    BEGIN { lo = hex(base); hi = lo + hex(size) }
    index($0, "winex11.drv\"") { driver = 1 }
    /^[0-9]+\.[0-9]+:[0-9a-f]+:(Call|Ret ) [^ (]+\.[^ (]+\(/ {
      n = split($0, part, " ret=")
      if (n < 2 || part[n] !~ /^[0-9a-f]+$/) next
      at = hex(part[n])
      if (at < lo || at >= hi) next
      split($0, field, ":"); stamp = field[1]
      name = $0; sub(/^[^ ]* +[^.]*\./, "", name); sub(/\(.*/, "", name)
      if (field[3] ~ /^Ret/) { if (driver) loading += stamp - called; driver = 0; next }
      called = stamp; driver = 0
      if (name == "CreateMutexA" && from == "") from = stamp
      if (from == "") next
      print "call", name
      if (name == "ExitProcess") { printf "took %.2f %.2f\n", stamp - from - loading, loading; exit }
    }' "$log")
  read -r _ SECOND_TOOK loading < <(grep '^took ' <<<"$trace") ||
    fail "the relay trace $log shows no check (CreateMutexA) and end (ExitProcess) from the exe"
  SECOND_CALLS=$(awk '$1 == "call" { print $2 }' <<<"$trace")
  echo "the second start ($(pe_bits "$SECOND_EXE")-bit) ended ${SECOND_TOOK} s after its check" \
    "(and ${loading} s of Wine loading its display driver); its calls:" \
    "$(sort <<<"$SECOND_CALLS" | uniq -c | awk '{ printf "%s%s x%s", sep, $2, $1; sep = ", " }')"
  awk -v t="$SECOND_TOOK" -v l="$limit" 'BEGIN { exit !(t <= l) }' ||
    fail "the second start took ${SECOND_TOOK} s after its check, more than ${limit} s"
  unwanted=$(grep -vxE 'CreateMutexA|GetLastError|GetEnvironmentVariableA|FindWindowExA|IsWindowVisible|IsIconic|SendMessageTimeoutA|SetForegroundWindow|CloseHandle|ExitProcess|HeapAlloc|HeapFree|GetProcessHeap' <<<"$SECOND_CALLS" | sort -u | tr '\n' ' ' || true)
  [[ -z "$unwanted" ]] || fail "the second start called more than the check and the bring-forward: $unwanted"
}

# one_process: only the first copy's process runs in the prefix.
one_process() {
  local left
  left=$(prefix_processes 'quimbly\.exe' | grep -vx "$QUIMBLY_PID" || true)
  [[ -z "$left" ]] || fail "another utility process runs beside the first: $left"
}

# one_window TITLE: the window probe finds exactly one window of that title;
# prints its state.
one_window() {
  local states
  states=$(window_state "$1")
  (($(grep -c . <<<"$states") == 1)) || fail "not one window '$1': $states"
  echo "$states"
}

# away_from_quimbly TITLE: a click on the room's view, far from the utility's
# windows, puts the demo host in front of the window of that title.
away_from_quimbly() {
  view_rect
  xdotool mousemove $((VIEW_X + VIEW_W - 20)) $((VIEW_Y + VIEW_H / 2)) click 1
  behind() { [[ "$(window_state "$1")" == *foreground=0* ]]; }
  wait_until 5 behind "$1" || fail "the click on the room left $1 in front: $(window_state "$1")"
}

# in_front TITLE: the window of that title comes to the front within 5 s.
in_front() {
  front() { [[ "$(window_state "$1")" == *foreground=1* ]]; }
  wait_until 5 front "$1" || fail "$1 did not come to the front: $(window_state "$1")"
}

# quiet_room LINES: past the pause a second copy would announce after, the
# room still has just those lines.
quiet_room() {
  sleep 3
  expect_bytes "$(transcript)"
}

start_host room
case ${1:?case} in
  beside-running)
    start_announced Jo
    click_minimise_mark
    iconic() { [[ "$(window_state Quimbly)" == *iconic=1* ]]; }
    wait_until 5 iconic || fail "the mark did not minimise: $(window_state Quimbly)"
    away_from_quimbly Quimbly
    second_start 1.5
    in_front Quimbly
    restored() { [[ "$(window_state Quimbly)" == *iconic=0* ]]; }
    wait_until 5 restored || fail "the minimised copy did not come back: $(window_state Quimbly)"
    [[ "$(one_window Quimbly)" == visible=1* ]] || fail "the main window is not shown"
    announced | quiet_room
    one_process
    printf '[qbv1]\r\nHANDLE=Jo\r\n' | expect_bytes "$(profile_path)"
    wait_for_main_window
    click_start
    wait_for_lines "$(transcript)" 3 10
    sleep 1
    { announced; line_started; } | expect_bytes "$(transcript)"
    close_quimbly
    { announced; line_started; line_by; line_unloaded Jo; } | expect_bytes "$(transcript)"
    ;;
  first-run)
    remove_profile
    start_quimbly first-run
    away_from_quimbly Form3
    second_start 1.5
    in_front Form3
    [[ "$(one_window Form3)" == visible=1* ]] || fail "the first-run dialog is not shown"
    [[ "$(one_window Quimbly)" == visible=0* ]] || fail "a main window shows beside the first-run dialog"
    one_process
    [[ ! -e "$(profile_path)" ]] || fail "the second start wrote a profile"
    find_window '^Form3$' || fail "the first-run dialog is not on screen"
    type_first_handle Jo
    click_first_run_ok
    wait_until 10 test -f "$(profile_path)" || fail "no profile was written"
    wait_for_main_window
    [[ "$(one_window Form3)" == visible=0* ]] || fail "a first-run dialog is still shown"
    printf '[qbv1]\r\nHANDLE=Jo\r\n' | expect_bytes "$(profile_path)"
    : | quiet_room
    ;;
  hung)
    start_announced Jo
    click_minimise_mark
    iconic() { [[ "$(window_state Quimbly)" == *iconic=1* ]]; }
    wait_until 5 iconic || fail "the mark did not minimise: $(window_state Quimbly)"
    # A stopped process ends only once it runs again, whatever the test's end.
    trap 'kill -CONT "$QUIMBLY_PID" 2>/dev/null; cleanup' EXIT
    kill -STOP "$QUIMBLY_PID"
    second_start 2
    kill -CONT "$QUIMBLY_PID"
    grep -qx SendMessageTimeoutA <<<"$SECOND_CALLS" || fail "the second start sent the hung copy no restore"
    quimbly_alive || fail "the first copy ended"
    one_window Quimbly >/dev/null
    announced | quiet_room
    one_process
    ;;
  after-end)
    start_announced Jo
    close_quimbly
    start_quimbly
    wait_for_lines "$(transcript)" 6 10
    kill -KILL "$QUIMBLY_PID"
    { wait "$QUIMBLY_PID" || true; } 2>/dev/null  # without the shell's notice of the kill
    start_quimbly
    wait_for_lines "$(transcript)" 8 10
    { announced; line_by; line_unloaded Jo; announced; announced; } | quiet_room
    close_quimbly
    ;;
  *) fail "unknown case $1" ;;
esac
echo "PASS: $1"
