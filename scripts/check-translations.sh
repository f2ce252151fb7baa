#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that the translations are finished: lupdate, run over the sources as
# `make translations` runs it but into copies of translations/*.ts (and
# keeping what vanished, to see it), leaves no unfinished entry and no
# obsolete or vanished one, and lrelease's .qm files read back with their
# messages in.
#   scripts/check-translations.sh SOURCE_ROOT LUPDATE LRELEASE LCONVERT FOLDER...
# Prints each entry to mend; exits 1 when there is one.
set -euo pipefail

root=$1 lupdate=$2 lrelease=$3 lconvert=$4
shift 4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$root"

faults=0
for ts in translations/quenby_*.ts; do
    copy=$work/$(basename "$ts")
    cp "$ts" "$copy"
    # English carries only the plural forms that the source texts cannot.
    only=()
    [ "$(basename "$ts")" = quenby_en.ts ] && only=(-pluralonly)
    # Its warnings about classes it cannot place are for `make translations`.
    "$lupdate" -silent -locations none "${only[@]}" "$@" -ts "$copy" >/dev/null 2>&1
    # Each message whose translation is unfinished, obsolete or vanished.
    left=$(awk '/<context>/ { context = "" }
                /<name>/ && context == "" { context = $0; gsub(/ *<\/?name>/, "", context) }
                /<source>/ { source = $0; gsub(/ *<\/?source>/, "", source) }
                /type="(unfinished|obsolete|vanished)"/ {
                    match($0, /type="[a-z]+"/)
                    print FILENAME ": " substr($0, RSTART + 6, RLENGTH - 7) ": " context ": " source
                }' "$copy")
    if [ -n "$left" ]; then
        echo "${left//$work\//}"
        faults=1
    fi
    qm=$work/$(basename "$ts" .ts).qm
    if ! "$lrelease" -silent "$copy" -qm "$qm" >/dev/null ||
        ! "$lconvert" -i "$qm" -of ts -o "$work/back.ts" ||
        ! grep -q '<message' "$work/back.ts"; then
        echo "$(basename "$ts"): its compiled translation does not read back"
        faults=1
    fi
done
exit $faults
