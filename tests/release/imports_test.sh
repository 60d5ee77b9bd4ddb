#!/usr/bin/env bash
# What an exe asks of Windows, against the oldest Windows it declares:
#   imports_test.sh EXE OLDEST IMPORT_LIST
# OLDEST is 4.0 for the 32-bit exe (every Windows 95 release, 98, ME and NT
# 4.0) and 5.2 for the 64-bit one (XP x64). Every offender is named before it
# fails. OBJDUMP may name another objdump, so that the test itself can be tested.
set -euo pipefail
exe=${1:?exe} oldest=${2:?oldest Windows version} list=${3:?import list}
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}
# shellcheck source=../../scripts/lib/fail.sh
source "$(dirname "$0")/../../scripts/lib/fail.sh"
[[ -f "$exe" ]] || fail "no $exe: build the mingw32 and mingw64 presets first"
[[ -f "$list" ]] || fail "no import list $list"

dump=$("$objdump" -p "$exe")
magic=$(awk '$1 == "Magic" { print $2 }' <<<"$dump")
case "$magic:$oldest" in
  010b:4.0) kind=x86 bar="Windows 95 and NT 4.0" ;;
  020b:5.2) kind=x64 bar="Windows XP x64" ;;
  010b:* | 020b:*) fail "$exe: this test knows the 32-bit exe at 4.0 and the 64-bit exe at 5.2, not magic $magic at $oldest" ;;
  *) fail "$exe is not a Windows program (magic $magic)" ;;
esac

# The list as "DLL!Function exe 9x NT source" rows, "W name" for the Unicode
# functions that work on 9x, and "E why" for a row the checks below would
# trust wrongly: one without its source, or one listed twice. A typo in
# another column fails the import it names.
table=$(awk '
  BEGIN { split("qi98 remarks98 w32-92 learn", a, " "); for (i in a) tag[a[i]] = 1 }
  /^#/ || !NF { next }
  $1 == "UNICODE-ON-9X" { for (i = 2; i <= NF; i++) print "W", $i; next }
  {
    where = FILENAME ":" FNR ": "
    if (NF != 6) { print "E", where "needs 6 columns, has " NF; next }
    n = split($6, parts, "+")
    for (i = 1; i <= n; i++) {
      t = parts[i]; sub(/:.*/, "", t)
      if (!(t in tag) || parts[i] !~ /:./) { print "E", where "source " parts[i] " is not tag:page of the legend"; next }
    }
    key = $1 "!" $2
    if (key in seen) { print "E", where key " is listed twice"; next }
    seen[key] = 1
    print key, $3, $4, $5, $6
  }' "$list")
bad_rows=$(awk '$1 == "E" { sub(/^E /, ""); print }' <<<"$table")
[[ -z "$bad_rows" ]] || fail "$list has rows the test cannot trust:
$bad_rows"
unicode_on_9x=" $(awk '$1 == "W" { printf "%s ", $2 }' <<<"$table")"

# "DLL!Function" for every function imported by name, and "DLL!#N" by ordinal.
imports=$(awk '
  /^\tDLL Name:/ { dll = toupper($3); next }
  dll && /^\t[0-9a-f]+\t +[0-9]+ +[^ ]+/ { print dll "!" $3; next }
  dll && /^\t[0-9a-f]+\t +<none> +[0-9a-f]+/ { print dll "!#" $3; next }
  /^ [0-9a-f]+\t/ { dll = "" }' <<<"$dump" | sort -u)
[[ -n "$imports" ]] || fail "found no imports in $exe: the listing is broken"

nt_rank() {
  case $1 in
    3.1) echo 1 ;; 3.5) echo 2 ;; 3.51) echo 3 ;; 4.0) echo 4 ;; 2000) echo 5 ;;
    XP) echo 6 ;; 2003) echo 7 ;; XP64) echo 8 ;; *) echo 99 ;;
  esac
}
problems=()
while read -r import; do
  dll=${import%%!*} fn=${import#*!}
  case $dll in
    KERNEL32.DLL | USER32.DLL | GDI32.DLL) ;;
    *) problems+=("$import: $dll is none of kernel32, user32 and gdi32, which every Windows from 95 on has"); continue ;;
  esac
  if [[ $fn == \#* ]]; then
    problems+=("$import: imported by ordinal, and ordinals differ between Windows 9x and NT")
    continue
  fi
  if [[ $fn =~ W$ && $unicode_on_9x != *" $fn "* ]]; then
    problems+=("$import: a Unicode function that Windows 9x only stubs (not in KB Q210341)")
  fi
  row=$(awk -v key="$import" -v kind="$kind" '$1 == key && ($2 == "both" || $2 == kind)' <<<"$table")
  if [[ -z "$row" ]]; then
    problems+=("$import: not in $list for the $kind exe")
    continue
  fi
  read -r _ _ w9x nt source <<<"$row"
  if [[ $kind == x86 ]]; then
    [[ $w9x == 95 ]] || problems+=("$import: not in Windows 95 (oldest 9x: $w9x, per $source)")
    (($(nt_rank "$nt") <= 4)) || problems+=("$import: $list places it in NT $nt (per $source), after NT 4.0")
  else
    (($(nt_rank "$nt") <= 8)) || problems+=("$import: $list places it in NT $nt (per $source), after XP x64")
  fi
done <<<"$imports"

version() { awk -v k="$1" '$1 == k { print $2 }' <<<"$dump"; }
subsystem="$(version MajorSubsystemVersion).$(version MinorSubsystemVersion)"
os="$(version MajorOSystemVersion).$(version MinorOSystemVersion)"
[[ "$subsystem" == "$oldest" && "$os" == "$oldest" ]] ||
  problems+=("PE header declares subsystem $subsystem and OS $os, not $oldest")

size=$(stat -c %s "$exe")
((size <= 200 * 1024)) || problems+=("$((size / 1024)) KiB, over 200 KiB")

if ((${#problems[@]})); then
  echo "FAIL: $exe, against $bar:" >&2
  printf '  %s\n' "${problems[@]}" >&2
  exit 1
fi
dlls=$(cut -d'!' -f1 <<<"$imports" | sort -u | tr '\n' ' ')
echo "PASS: $(basename "$(dirname "$exe")")/$(basename "$exe"): $(wc -l <<<"$imports") functions from ${dlls% }, all in $bar by $(basename "$list"); header $oldest; $((size / 1024)) KiB"
