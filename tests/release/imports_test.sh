#!/usr/bin/env bash
# What an exe asks of Windows, against the oldest Windows it declares:
#   imports_test.sh EXE OLDEST ALLOWED_LIST
# Fails on a DLL beyond Windows' own four, on any function the allowed list
# does not hold (the list says where each was checked), on a PE header that
# declares another oldest Windows than OLDEST (major.minor), and on an exe
# over 200 KiB.
set -euo pipefail
exe=${1:?exe} oldest=${2:?oldest Windows version} allowed=${3:?allowed list}
fail() { echo "FAIL: $*" >&2; exit 1; }
[[ -f "$exe" ]] || fail "no $exe: build the mingw32 and mingw64 presets first"

dump=$(x86_64-w64-mingw32-objdump -p "$exe")
# "DLL!Function" for every function imported by name, and "DLL!#N" by ordinal.
imports=$(awk '
  /^\tDLL Name:/ { dll = toupper($3); next }
  dll && /^\t[0-9a-f]+\t +[0-9]+ +[^ ]+/ { print dll "!" $3; next }
  dll && /^\t[0-9a-f]+\t +<none> +[0-9a-f]+/ { print dll "!#" $3; next }
  /^ [0-9a-f]+\t/ { dll = "" }' <<<"$dump" | sort -u)
[[ -n "$imports" ]] || fail "found no imports in $exe: the listing is broken"

dlls=$(cut -d'!' -f1 <<<"$imports" | sort -u | tr '\n' ' ')
for dll in $dlls; do
  case $dll in
    KERNEL32.DLL | USER32.DLL | GDI32.DLL | MSVCRT.DLL) ;;
    *) fail "$exe imports from $dll, which is not one of Windows' own four" ;;
  esac
done

# The entries for this exe's kind: a 32-bit exe must not import what only
# 64-bit Windows has, such as GetWindowLongPtrW.
magic=$(awk '$1 == "Magic" { print $2 }' <<<"$dump")
case $magic in
  010b) kind=x86 ;;
  020b) kind=x64 ;;
  *) fail "$exe is not a Windows program (magic $magic)" ;;
esac
known=$(awk -v kind="$kind" '!/^#/ && NF && ($3 == "both" || $3 == kind) { print $1 "!" $2 }' "$allowed" | sort -u)
unknown=$(comm -23 <(echo "$imports") <(echo "$known"))
[[ -z "$unknown" ]] || fail "$exe imports what is not checked against Windows $oldest ($allowed):
$unknown"

version() { awk -v k="$1" '$1 == k { print $2 }' <<<"$dump"; }
declared="$(version MajorSubsystemVersion).$(version MinorSubsystemVersion)"
os="$(version MajorOSystemVersion).$(version MinorOSystemVersion)"
[[ "$declared" == "$oldest" && "$os" == "$oldest" ]] ||
  fail "$exe declares subsystem $declared and OS $os, not $oldest"

size=$(stat -c %s "$exe")
((size <= 200 * 1024)) || fail "$exe is $((size / 1024)) KiB, over 200 KiB"
echo "PASS: $(basename "$(dirname "$exe")")/$(basename "$exe"): $(wc -l <<<"$imports") functions from ${dlls% }, all in Windows $oldest; $((size / 1024)) KiB"
