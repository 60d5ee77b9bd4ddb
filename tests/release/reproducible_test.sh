#!/usr/bin/env bash
# Two builds of the same sources in two different folders give the same
# bytes: both exes and the release zip. The first build is the source tree's
# own; the second is a copy of it, built from scratch in a folder elsewhere.
#   reproducible_test.sh SOURCE_DIR WORK_DIR
set -euo pipefail
src=${1:?source tree} work=${2:?work folder}
# shellcheck source=../../scripts/lib/fail.sh
source "$(dirname "$0")/../../scripts/lib/fail.sh"

# Both builds give the zip's files the same commit's date. The exes must be
# the same without help: the linker would take SOURCE_DATE_EPOCH as their
# time stamp, so it is not set here.
unset SOURCE_DATE_EPOCH
date=$(git -C "$src" log -1 --format=%ct)
zip_a=$(bash "$src/scripts/release" --date "$date" | tail -n 1)

copy=$work/elsewhere/quimbly-copy
rm -rf "$work"
mkdir -p "$copy"
(cd "$src" && git ls-files -co --exclude-standard | while IFS= read -r f; do [[ -e "$f" ]] && printf '%s\0' "$f"; done |
  tar --null -T - -cf -) | tar -xf - -C "$copy"
zip_b=$(bash "$copy/scripts/release" --date "$date" | tail -n 1)

same() {
  cmp -s "$1" "$2" || fail "$1 and $2 differ: $(cmp "$1" "$2" | head -n 1)"
}
same "$src/build/mingw32/quimbly.exe" "$copy/build/mingw32/quimbly.exe"
same "$src/build/mingw64/quimbly.exe" "$copy/build/mingw64/quimbly.exe"
same "$src/$zip_a" "$copy/$zip_b"
# The listing is read whole first: grep -q leaving a pipe early would fail it.
listing=$(unzip -l "$src/$zip_a")
grep -q 'quimbly-[0-9.]*/SHA256SUMS' <<<"$listing" || fail "the zip holds no SHA256SUMS"
(cd "$work" && unzip -q "$src/$zip_a" && cd quimbly-* && tr -d '\r' <SHA256SUMS | sha256sum -c --quiet) ||
  fail "the zip's SHA256SUMS does not match its files"
echo "PASS: built twice, in $src and in $copy: both exes and $(basename "$zip_a") are byte for byte the same"
