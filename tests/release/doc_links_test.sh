#!/usr/bin/env bash
# The README and docs/ lead somewhere real: every relative link names a file
# that exists (and a heading of it, after "#"), every repository path in
# backticks exists, and every command in a sh block is a script we ship.
# Files move between folders; this keeps the pages from pointing at the old
# places.
#   doc_links_test.sh SOURCE-DIR
set -euo pipefail
# shellcheck source=scripts/lib/fail.sh
source "$(dirname "$0")/../../scripts/lib/fail.sh"
cd "$1"

# The anchor a Markdown heading gets: lower case, punctuation dropped,
# blanks turned to hyphens.
anchors() {
  sed -n 's/^#\{1,6\} //p' "$1" | tr '[:upper:]' '[:lower:]' | sed 's/[^a-z0-9 _-]//g; s/ /-/g'
}

shopt -s nullglob
pages=(README.md docs/*.md)
if [[ ! -f README.md ]] || ((${#pages[@]} < 2)); then
  fail "no README.md and docs/*.md in $PWD"
fi
problems=()
for page in "${pages[@]}"; do
  dir=$(dirname "$page")
  while IFS= read -r link; do
    case $link in http://* | https://* | mailto:*) continue ;; esac
    path=${link%%#*}
    target=$page
    [[ -n $path ]] && target=$dir/$path
    if [[ ! -e $target ]]; then
      problems+=("$page: link to $link: no such file")
    elif [[ $link == *'#'* ]] && ! anchors "$target" | grep -qxF "${link#*#}"; then
      problems+=("$page: link to $link: no such heading")
    fi
  done < <(grep -o '\]([^) ]*)' "$page" | sed 's/^](//; s/)$//')

  # Paths in backticks: from the top of the repository, or below src/ as the
  # layout map names them. The backticks in the pattern are Markdown's.
  # shellcheck disable=SC2016
  while IFS= read -r path; do
    [[ $path == *[…\<\*]* ]] && continue
    [[ -e $path || -e src/$path ]] || problems+=("$page: \`$path\`: no such path")
  done < <(grep -o '`\(scripts\|bench\|tools\|tests\|src\|packaging\|assets\|cmake\|\.ci\|app\|platform\)/[^` ]*' "$page" |
           sed 's/^`//; s/[.,;:]$//')

  # The first word of each command in a sh block.
  while IFS= read -r command; do
    [[ -x $command ]] || problems+=("$page: command $command: not an executable script")
  done < <(awk '/^```sh$/ { inside = 1; next } /^```/ { inside = 0 } inside && $1 ~ /\// { print $1 }' "$page")
done

((${#problems[@]} == 0)) || fail "$(printf '\n  %s' "${problems[@]}")"
echo "PASS: every link, path and command of README.md and docs/*.md"
