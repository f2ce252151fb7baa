#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the guide in data/help: every link and picture of a page leads to a
# file that is there (and to an anchor that is there), every page is in the
# compiled guide's contents, and every picture is shown by some page.
# Usage: HelpPagesTest.sh <source dir>
set -uo pipefail

help="$1/data/help"
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

cd "$help" || exit 1
pages=$(ls ./*.html | sed 's|^\./||')
[ -n "$pages" ] || fail "no pages in $help"
# The guide in other languages: <lang>/index.html, each beside the English pages.
translated=$(ls ./*/index.html 2>/dev/null | sed 's|^\./||')

for page in $pages $translated; do
    up=
    [[ "$page" == */* ]] && up=../
    grep -q "href=\"${up}style.css\"" "$page" || fail "$page does not use the style sheet"
    for target in $(grep -o -E '(href|src)="[^"]*"' "$page" | sed -E 's/^(href|src)="(.*)"$/\2/'); do
        case "$target" in
        http:* | https:* | mailto:*) continue ;;
        esac
        file=${target%%#*}
        anchor=
        [[ "$target" == *"#"* ]] && anchor=${target#*#}
        [ -z "$file" ] && file=$page || file=$(dirname "$page")/$file
        if [ ! -f "$file" ]; then
            fail "$page links to $target, which is missing"
        elif [ -n "$anchor" ] && ! grep -q "id=\"$anchor\"" "$file"; then
            fail "$page links to $target, but $file has no id \"$anchor\""
        fi
    done
    [ -n "$up" ] || grep -q "value=\"$page\"" contents.hhc || fail "$page is not in contents.hhc"
done

for picture in images/*.png; do
    [ -e "$picture" ] || continue
    grep -q "src=\"$picture\"" $pages || fail "$picture is shown by no page"
done

[ "$failures" -eq 0 ] || exit 1
echo "The guide's pages, links and pictures are consistent"
