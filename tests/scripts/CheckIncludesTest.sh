#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the include check over small made-up trees: each case lays out files
# with the includes given ("file: included path" per line) and names the
# report it must give, or "" when the tree keeps every rule.
# Usage: CheckIncludesTest.sh path/to/check-includes.sh
set -uo pipefail

check=$1
failures=0

run_case() {
    local name=$1 expected=$2 layout=$3
    local tree
    tree=$(mktemp -d)
    while IFS= read -r line; do
        [ -z "$line" ] && continue
        local file=${line%%:*} include=${line#*: }
        mkdir -p "$tree/$(dirname "$file")"
        if [ -n "$include" ] && [ "$include" != "$line" ]; then
            printf '#include "%s"\n' "$include" >>"$tree/$file"
        else
            : >>"$tree/$file"
        fi
    done <<<"$layout"

    local output status
    output=$("$check" "$tree" 2>&1)
    status=$?
    rm -rf "$tree"
    if [ -z "$expected" ] && [ $status -ne 0 ]; then
        echo "FAIL $name: expected a pass, got ($status): $output"
        failures=$((failures + 1))
    elif [ -n "$expected" ] && { [ $status -eq 0 ] || [[ "$output" != *"$expected"* ]]; }; then
        echo "FAIL $name: expected \"$expected\", got ($status): $output"
        failures=$((failures + 1))
    fi
}

run_case "layered tree passes" "" "
base/Text.h:
base/Text.cpp: base/Text.h
widgets/Grid.h: base/Text.h
tasks/List.h:
tasks/List.cpp: tasks/List.h
tasks/List.cpp: widgets/Grid.h
app/Main.h: tasks/List.h
app/Main.cpp: app/Main.h
tests/tasks/ListTest.cpp: app/Main.h"

run_case "a component includes the main window" \
    'tasks/List.cpp:1: tasks/ includes only folders below it' "
tasks/List.cpp: app/Main.h
app/Main.h:"

run_case "a control includes a subsystem" \
    'widgets/Grid.cpp:1: widgets/ includes only folders below it' "
widgets/Grid.cpp: profiles/Detail.h
profiles/Detail.h:"

run_case "base includes the platform layer" \
    'base/Text.cpp:1: base/ includes only folders below it' "
base/Text.cpp: platform/Platform.h
platform/Platform.h:"

run_case "two units through their .cpp files" \
    "units that include each other: tasks/A tasks/B" "
tasks/A.h:
tasks/B.h:
tasks/A.cpp: tasks/B.h
tasks/B.cpp: tasks/A.h"

run_case "folders of one level" \
    'preview/Player.cpp:1: preview/ includes only folders below it' "
preview/Player.cpp: settings/Options.h
settings/Options.h:"

run_case "the task list reaches up to the batch" \
    'tasks/List.cpp:1: tasks/ includes only folders below it' "
tasks/List.cpp: convert/Runner.h
convert/Runner.h:"

run_case "a path that dodges the rules" \
    'tasks/List.cpp:1: "../app/Main.h" is not named from the source root' "
tasks/List.cpp: ../app/Main.h"

if [ $failures -ne 0 ]; then
    echo "$failures case(s) failed"
    exit 1
fi
echo "all cases passed"
