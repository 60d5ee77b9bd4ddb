#!/usr/bin/env bash
# Every GDI object a window of the backend makes goes with that window:
# gdi-probe makes, paints and destroys each form three times, then ends its
# toolkit, under Wine's relay trace. Each brush, font, bitmap or DC its
# image created must have been deleted by the end.
source "$(dirname "$0")/lib.sh"

probe="$(dirname "$QUIMBLY_EXE")/gdi-probe.exe"  # of the same build as the exe under test
trace="$WORK/gdi-probe.log"
WINEDEBUG=+relay wine_exe "$probe" 3 >"$trace" 2>&1 || fail "gdi-probe failed (its trace is $trace)"
read -r base size < <(pe_image "$probe")
# "0024:Ret  gdi32.CreateSolidBrush() retval=1a080062 ret=00401234",
# "0024:Call gdi32.DeleteObject(1a080062) ret=00401234": calls from the image only.
awk -v base="$base" -v size="$size" '
  function hex(s,   n, i) { n = 0; s = tolower(s); for (i = 1; i <= length(s); i++) n = n * 16 + index("0123456789abcdef", substr(s, i, 1)) - 1; return n }
  BEGIN { lo = hex(base); hi = lo + hex(size) }
  { at = $0; sub(/.* ret=/, "", at); at = hex(at) }
  at < lo || at >= hi { next }
  match($0, /Ret  gdi32\.Create[A-Za-z]*\(\) retval=[0-9a-f]+/) {
    s = substr($0, RSTART, RLENGTH); name = s; sub(/\(.*/, "", name); sub(/.*gdi32\./, "", name)
    h = s; sub(/.*retval=0*/, "", h); made++; live[h] = name
  }
  match($0, /Call gdi32\.Delete(Object|DC)\([0-9a-f]+/) { h = substr($0, RSTART, RLENGTH); sub(/.*\(0*/, "", h); delete live[h] }
  END { for (h in live) { left++; kind[live[h]]++ }
        printf "%d GDI objects made, %d left", made, left; for (k in kind) printf " (%s %d)", k, kind[k]; print "" }
' "$trace" >"$WORK/gdi-count.txt"
cat "$WORK/gdi-count.txt"
grep -q '^[1-9][0-9]* GDI objects made' "$WORK/gdi-count.txt" || fail "the trace shows no GDI object made: nothing was tested"
grep -q ', 0 left' "$WORK/gdi-count.txt" || fail "the forms left GDI objects behind (trace in $trace)"
echo "PASS: every GDI object the forms made was deleted"
