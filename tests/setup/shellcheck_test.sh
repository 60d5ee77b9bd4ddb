#!/usr/bin/env bash
# Every shell script of the set-up and the build, and CI's entry: no
# finding of any level from shellcheck.
# Usage: bash shellcheck_test.sh PROJECT_ROOT
set -euo pipefail
cd "${1:?project root}"
command -v shellcheck >/dev/null || { echo "FAIL: shellcheck is missing (scripts/test installs it)" >&2; exit 1; }
scripts=()
while IFS= read -r -d '' file; do
  first=$(head -c 64 "$file")
  [[ $file == *.sh || $first == '#!'*sh* ]] && scripts+=("$file")
done < <(find scripts .ci tests/setup -type f -print0)
((${#scripts[@]} > 5)) || { echo "FAIL: found only ${#scripts[@]} scripts" >&2; exit 1; }
shellcheck "${scripts[@]}"
echo "PASS: shellcheck finds nothing in ${#scripts[@]} scripts"
