#!/usr/bin/env bash
# The include rules of the program's folders, checked over its #include lines
# (ctest runs this):
#   - only app/ includes app/;
#   - widgets/, platform/ and base/ include no subsystem folder (app, tasks,
#     profiles, convert, settings, preview), and base/ nothing of ours but base/;
#   - no two units include each other, directly or through others; a header
#     and its .cpp are one unit;
#   - our own headers are named from the source root ("tasks/TaskList.h"), so
#     that no include slips past the rules above.
# Tests and benchmarks may include anything and are not checked.
#
# Usage: scripts/check-includes.sh [source root]    (the repository by default)
# Prints each broken rule with its file and line; exits 1 when there is one.
set -euo pipefail

root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root"

folders="base platform widgets tasks profiles convert settings preview app"

files=$(for folder in $folders; do
    if [ -d "$folder" ]; then
        find "$folder" -type f \( -name '*.h' -o -name '*.cpp' \)
    fi
done | sort)

# One line per quoted include: file, line number, included path.
includes=$(printf '%s\n' "$files" | sed '/^$/d' | xargs -r grep -Hn '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' |
    sed -E 's|^([^:]+):([0-9]+):[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]*)".*|\1 \2 \3|' || true)

problems=$(printf '%s\n' "$includes" | awk -v folders="$folders" '
    BEGIN {
        split(folders, list, " ")
        for (i in list) ours[list[i]] = 1
        split("app tasks profiles convert settings preview", list, " ")
        for (i in list) subsystem[list[i]] = 1
        split("widgets platform base", list, " ")
        for (i in list) lower[list[i]] = 1
    }
    NF == 3 {
        split($1, from, "/"); split($3, to, "/")
        where = $1 ":" $2 ": "
        if (!(to[1] in ours) || index($3, "/") == 0)
            print where "\"" $3 "\" is not named from the source root"
        else if (to[1] == "app" && from[1] != "app")
            print where "only app/ includes app/: \"" $3 "\""
        else if (from[1] in lower && to[1] in subsystem)
            print where from[1] "/ includes no subsystem folder: \"" $3 "\""
        else if (from[1] == "base" && to[1] != "base")
            print where "base/ includes nothing else of ours: \"" $3 "\""
    }')

# Unit to unit, for tsort: "a b" says a includes b.
pairs=$(printf '%s\n' "$includes" | awk '
    NF == 3 {
        from = $1; to = $3
        sub(/\.(h|cpp)$/, "", from); sub(/\.(h|cpp)$/, "", to)
        if (from != to) print from, to
    }')

status=0
if [ -n "$problems" ]; then
    printf '%s\n' "$problems"
    status=1
fi
# tsort names the units of each loop it has to break, one loop after another.
if ! loops=$(printf '%s\n' "$pairs" | tsort 2>&1 >/dev/null); then
    printf '%s\n' "$loops" | awk '
        /input contains a loop/ { if (loop != "") print loop; loop = "units that include each other:"; next }
        sub(/^tsort: /, "") { loop = loop " " $0 }
        END { if (loop != "") print loop }'
    status=1
fi
exit $status
