#!/usr/bin/env bash
# Every instruction of the 32-bit exe against the 486DX's set:
#   instructions_test.sh EXE INSTRUCTION_LIST
# A disassembly that skips bytes or is short fails too, so that a broken
# objdump call cannot pass. OBJDUMP may name another objdump.
set -euo pipefail
exe=${1:?exe} list=${2:?instruction list}
objdump=${OBJDUMP:-i686-w64-mingw32-objdump}
# shellcheck source=../../scripts/lib/fail.sh
source "$(dirname "$0")/../../scripts/lib/fail.sh"
[[ -f "$exe" ]] || fail "no $exe: build the mingw32 preset first"
[[ -f "$list" ]] || fail "no instruction list $list"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# "name vma size" for each section flagged CODE.
"$objdump" -h "$exe" >"$work/headers" || fail "$objdump -h $exe failed"
awk '$1 ~ /^[0-9]+$/ && NF >= 7 { name = $2; size = $3; vma = $4; next }
     name && /CODE/ { print name, vma, size } { name = "" }' "$work/headers" >"$work/sections"
[[ -s "$work/sections" ]] || fail "$exe: objdump shows no executable section"

hex() { printf '%d' "0x$1"; }
# code_end SECTION START END: where the code of .text ends, before the
# linker's tables of static constructors and destructors (-1, addresses
# within .text, 0; twice), the one stretch of data in it; END elsewhere.
code_end() {
  local section=$1 start=$2 end=$3
  [[ $section == .text ]] || { echo "$end"; return; }
  "$objdump" -s -j .text "$exe" | awk -v start="$start" -v end="$end" '
    function hex(s,   n, i) { n = 0; s = tolower(s); for (i = 1; i <= length(s); i++) n = n * 16 + index("0123456789abcdef", substr(s, i, 1)) - 1; return n }
    /^ [0-9a-f]+ / {
      at = hex($1)
      for (f = 2; f <= 5; f++) for (i = 1; i + 1 <= length($f); i += 2) byte[at++] = hex(substr($f, i, 2))
    }
    function word(a) { return byte[a] + 256 * (byte[a + 1] + 256 * (byte[a + 2] + 256 * byte[a + 3])) }
    END {
      a = end
      for (table = 1; table <= 2; table++) {
        a -= 4
        if (!(a in byte) || word(a) != 0) { print "none"; exit }
        for (a -= 4; a >= start && word(a) != 4294967295; a -= 4) {
          if (word(a) < start || word(a) >= end) { print "none"; exit }
        }
        if (a < start) { print "none"; exit }
      }
      print a
    }'
}

# One line per instruction: "address length mnemonic operands"; a long
# instruction's bytes run on over more lines of the listing.
: >"$work/instructions"
while read -r section vma size; do
  start=$(hex "$vma")
  end=$((start + $(hex "$size")))
  stop=$(code_end "$section" "$start" "$end")
  [[ $stop != none ]] || fail "$section: its end holds no constructor and destructor tables of the linker's shape, so the check cannot tell its code from data"
  "$objdump" -d -z -M intel -j "$section" --start-address="$start" --stop-address="$stop" "$exe" >"$work/listing" ||
    fail "$objdump -d $exe failed"
  awk '
    function hex(s,   n, i) { n = 0; s = tolower(s); for (i = 1; i <= length(s); i++) n = n * 16 + index("0123456789abcdef", substr(s, i, 1)) - 1; return n }
    function flush() { if (have) print at, bytes, text; have = 0 }
    /^ +[0-9a-f]+:\t/ {
      split($0, field, "\t")
      address = field[1]; sub(/^ +/, "", address); sub(/:$/, "", address)
      n = split(field[2], raw, " ")
      if (field[3] == "") { if (have) bytes += n; next }  # the rest of a long one
      flush()
      at = hex(address); bytes = n; text = field[3]; have = 1
    }
    END { flush() }' "$work/listing" >>"$work/instructions"
  echo "$section $start $stop" >>"$work/coverage"
done <"$work/sections"

# Each section's bytes, start to code end, are its instructions' bytes: a
# disassembly that skips any, or stops early, falls short.
problems=()
while read -r section start stop; do
  got=$(awk -v lo="$start" -v hi="$stop" '$1 >= lo && $1 < hi { n += $2 } END { print n + 0 }' "$work/instructions")
  ((got == stop - start)) || problems+=("$section: the disassembly covers $got of its $((stop - start)) bytes")
done <"$work/coverage"

count=$(wc -l <"$work/instructions")
((count >= 1000)) || problems+=("only $count instructions disassembled: the listing is broken")

# The mnemonics, each with the first processor that has it.
verdicts=$(awk '
  FNR == NR {
    if (/^#/ || !NF) next
    for (i = 2; i <= NF; i++) { if ($1 == "prefix") prefix[$i] = 1; else cpu[$i] = $1 }
    next
  }
  {
    text = $0; sub(/^[0-9]+ [0-9]+ /, "", text)
    n = split(text, token, /[ \t]+/)
    for (i = 1; i <= n && (token[i] in prefix); i++) ;
    m = token[i]
    operands = ""; for (j = i + 1; j <= n; j++) operands = operands " " token[j]
    where = sprintf("%x", $1)
    if (m == "(bad)") { print "BAD", where, "bytes that decode to no instruction"; next }
    if (!(m in cpu)) { print "BAD", where, m " is no 486 instruction (" text ")"; next }
    if (m == "nop" && operands != "") { print "BAD", where, "a multi-byte NOP, which came with the Pentium Pro (" text ")"; next }
    if (operands ~ /(^|[^a-z])[xyz]?mm[0-9]/) { print "BAD", where, "an MMX or SSE register (" text ")"; next }
    if (!(m in seen)) { seen[m] = 1; used[cpu[m]] = used[cpu[m]] " " m }
  }
  END { for (c in used) print "USED", c, used[c] }' "$list" "$work/instructions")

while read -r _ where why; do
  problems+=("$where: $why")
done < <(grep '^BAD' <<<"$verdicts" | head -n 50 || true)
bad=$(grep -c '^BAD' <<<"$verdicts" || true)
((bad <= 50)) || problems+=("... and $((bad - 50)) more")

if ((${#problems[@]})); then
  echo "FAIL: $exe, against the 486DX's instructions in $(basename "$list"):" >&2
  printf '  %s\n' "${problems[@]}" >&2
  exit 1
fi
since_486=$(awk '$1 == "USED" && $2 == "486" { $1 = $2 = ""; print }' <<<"$verdicts" | xargs)
x87=$(awk '$1 == "USED" && $2 == "387" { print NF - 2 }' <<<"$verdicts")
echo "PASS: $(basename "$(dirname "$exe")")/$(basename "$exe"): $count instructions in $(cut -d' ' -f1 "$work/sections" | xargs), every one a 486DX's;" \
  "of the 486's own (bswap cmpxchg xadd): ${since_486:-none}; ${x87:-0} of the floating-point unit's mnemonics (a 486SX or a 386 has no such unit)"
