#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build folder, as `make deb` does, and
# reads it back: its files, its Depends, its menu entry and software-centre
# metadata through their validators, and lintian. Skipped without dpkg-deb.
# Usage: PackageTest.sh <source dir> <build dir>
set -uo pipefail
command -v dpkg-deb >/dev/null || { echo "dpkg-deb is missing: skipped"; exit 77; }
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$2" && cpack -G DEB -B "$work") >"$work/log" 2>&1 || { cat "$work/log"; exit 1; }
deb=$(echo "$work"/quenby_*.deb)
shipped=("$1"/data/Profiles/*.apf) && shipped=("${shipped[@]/#"$1"\/data/lib/quenby}")
dpkg-deb -x "$deb" "$work/root" && cd "$work/root" || exit 1

for file in bin/quenby lib/quenby/{quenby,tolvex.dll,settings-in-home,Preferences.ini,help/index.html} \
    share/applications/quenby.desktop share/icons/hicolor/scalable/apps/quenby.svg \
    share/doc/quenby/copyright share/systemd/user/quenby-watch@.service "${shipped[@]}"; do
    [ -L "usr/$file" ] || [ -f "usr/$file" ] || fail "no /usr/$file"
done
[ "$(find . ! -type d ! -path './usr/*')$(find . -name install-manifest.txt)" = "" ] || fail "stray files"
[[ ", $(dpkg-deb -f "$deb" Depends)," =~ ,\ ffmpeg,.*,\ libqt6widgets6\  ]] || fail "Depends"

desktop-file-validate usr/share/applications/quenby.desktop || fail "the menu entry"
appstreamcli validate --no-net usr/share/metainfo/*.xml || fail "the metainfo"
lintian --fail-on error "$deb" || fail "lintian"
[ $failures -eq 0 ] && echo "package checks passed"
