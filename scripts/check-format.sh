#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that our C++ files are laid out as the repository's .clang-format
# says (ctest runs this over every file; the whole tree is kept formatted).
#   scripts/check-format.sh [source root] [git revision]
# With a revision, only the files changed since it are checked, as before a
# commit: scripts/check-format.sh . origin/main
# Prints each file that clang-format would change; exits 1 when there is one.
set -euo pipefail

root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
since=${2:-}
cd "$root"

if ! command -v clang-format >/dev/null; then
    echo "clang-format is missing: run scripts/setup.sh" >&2
    exit 1
fi

pattern='\.(h|cpp)$'
if [ -d .git ] || git rev-parse --git-dir >/dev/null 2>&1; then
    if [ -n "$since" ]; then
        files=$(git diff --name-only --diff-filter=d "$since" -- | grep -E "$pattern" || true)
    else
        files=$(git ls-files | grep -E "$pattern" || true)
    fi
else
    files=$(find . -path ./build -prune -o -type f -regextype posix-extended -regex ".*$pattern" -print | sed 's|^\./||')
fi

status=0
for file in $files; do
    if ! clang-format --dry-run --Werror --style=file "$file" >/dev/null 2>&1; then
        echo "$file: not formatted as .clang-format says (clang-format -i $file)"
        status=1
    fi
done
exit $status
