#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The include rules of the program's folders, checked over its #include lines
# (ctest runs this):
#   - the folders stand in this order, low to high, and a folder includes
#     only itself and the folders below it (folders on one level include
#     each other neither):
#         base < widgets, platform < encoder < profiles < tasks < convert
#              < settings, preview < cli < app
#     so no two folders include each other, and only app/ includes app/;
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

# Each folder with its level; a folder may include those of lower levels.
levels="base:0 widgets:1 platform:1 encoder:2 profiles:3 tasks:4 convert:5 settings:6 preview:6
cli:7 app:8"
folders=$(printf '%s\n' $levels | cut -d: -f1)

files=$(for folder in $folders; do
    if [ -d "$folder" ]; then
        find "$folder" -type f \( -name '*.h' -o -name '*.cpp' \)
    fi
done | sort)

# One line per quoted include: file, line number, included path.
includes=$(printf '%s\n' "$files" | sed '/^$/d' | xargs -r grep -Hn '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' |
    sed -E 's|^([^:]+):([0-9]+):[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]*)".*|\1 \2 \3|' || true)

problems=$(printf '%s\n' "$includes" | awk -v levels="$levels" '
    BEGIN {
        n = split(levels, list, /[ \n]+/)
        for (i = 1; i <= n; i++) {
            split(list[i], pair, ":")
            level[pair[1]] = pair[2]
        }
        order = "base < widgets, platform < encoder < profiles < tasks < convert < settings, preview < cli < app"
    }
    NF == 3 {
        split($1, from, "/"); split($3, to, "/")
        where = $1 ":" $2 ": "
        if (!(to[1] in level) || index($3, "/") == 0)
            print where "\"" $3 "\" is not named from the source root"
        else if (to[1] != from[1] && level[to[1]] >= level[from[1]])
            print where from[1] "/ includes only folders below it (" order "): \"" $3 "\""
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
