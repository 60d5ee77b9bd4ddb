#!/usr/bin/env bash
# The source folders stay layered: none includes a folder that includes it
# back, directly or through others, so each can be read and built from the
# bottom (platform) up.
#   include_layers_test.sh SOURCE-DIR
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/fail.sh"
cd "$1/src"
# "FOLDER INCLUDED-FOLDER" for each include of a file of ours in another folder.
edges=$(grep -rHo '#include "[^"]*/[^"]*"' --include='*.h' --include='*.cpp' . | awk -F: '{
  from = $1; sub(/^\.\//, "", from); sub(/\/[^\/]*$/, "", from)
  to = $2; sub(/^#include "/, "", to); sub(/"$/, "", to); sub(/\/[^\/]*$/, "", to)
  if (from != to) print from, to }' | sort -u)
[[ -n "$edges" ]] || fail "no includes between folders found under $1/src"
# The transitive closure; a pair that reaches each other is a cycle.
cycles=$(awk '{ reach[$1 SUBSEP $2] = 1; node[$1]; node[$2] }
  END {
    do {
      grown = 0
      for (ab in reach) {
        split(ab, p, SUBSEP)
        for (c in node) if ((p[2] SUBSEP c) in reach && !((p[1] SUBSEP c) in reach)) { reach[p[1] SUBSEP c] = 1; grown = 1 }
      }
    } while (grown)
    for (ab in reach) { split(ab, p, SUBSEP); if (p[1] < p[2] && (p[2] SUBSEP p[1]) in reach) print p[1] " <-> " p[2] }
  }' <<<"$edges")
[[ -z "$cycles" ]] || fail "folders that include each other: $(tr '\n' ';' <<<"$cycles")"
echo "PASS: $(wc -l <<<"$edges") folder-to-folder includes under src, no cycle"
