#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program run from a read-only copy of its folder saves its output path
# and the shown profile into ~/.config/quenby and leaves the folder as it
# was. Permission bits stop no write of root's, so root runs it as nobody.
# Usage: ReadOnlyFolderTest.sh <session_end_driver> <staged app dir>
set -euo pipefail
as=()
if [ "$(id -u)" -eq 0 ]; then
    command -v setpriv >/dev/null || { echo "setpriv is missing: skipped"; exit 77; }
    as=(setpriv --reuid=65534 --regid=65534 --clear-groups --)
fi
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
cp -a "$2" "$work/app" && chmod -R a-w,a+rX "$work/app" && cp -a "$work/app" "$work/before"
mkdir "$work/home" "$work/out" && chmod a+rwx "$work" "$work/home" "$work/out"
HOME="$work/home" XDG_CONFIG_HOME= QT_QPA_PLATFORM=offscreen "${as[@]}" "$1" "$work/app" "$work/out/"
grep -qxF "Output Path=$work/out/"$'\r' "$work/home/.config/quenby/Preferences.ini"
ls "$work/home/.config/quenby/Profiles/"*.apf
diff -r --no-dereference "$work/before" "$work/app"
echo "the program's folder is unchanged"
