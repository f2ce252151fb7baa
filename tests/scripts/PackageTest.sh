#!/usr/bin/env bash
# Builds the Debian package from the build folder (`make deb` does the same)
# and reads it back: its files, its Depends, and its menu entry and
# software-centre metadata through their validators; lintian finds no error.
# Exits 77 (skipped) where dpkg-deb is missing.
# Usage: PackageTest.sh <source dir> <build dir>
set -uo pipefail

src=$1
build=$(cd "$2" && pwd)
command -v dpkg-deb >/dev/null || { echo "dpkg-deb is missing: skipped"; exit 77; }
for tool in cpack desktop-file-validate appstreamcli lintian; do
    command -v $tool >/dev/null || { echo "$tool is missing: run scripts/setup.sh"; exit 1; }
done
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work") >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
deb=$(echo "$work"/quenby_*.deb)
dpkg-deb -x "$deb" "$work/root"
(cd "$work/root" && find . ! -type d | sed 's|^\./||') >"$work/files"
for file in usr/bin/quenby usr/lib/quenby/quenby usr/lib/quenby/tolvex.dll \
    usr/lib/quenby/Preferences.ini usr/lib/quenby/settings-in-home usr/lib/quenby/help/index.html \
    usr/share/applications/quenby.desktop usr/share/metainfo/example.quenby.Quenby.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/quenby.svg usr/share/doc/quenby/copyright; do
    grep -qxF "$file" "$work/files" || fail "the package lacks $file"
done
for profile in "$src"/data/Profiles/*.apf; do
    grep -qxF "usr/lib/quenby/Profiles/${profile##*/}" "$work/files" || fail "no ${profile##*/}"
done
grep -v '^usr/' "$work/files" && fail "files outside /usr"
grep -q 'install-manifest' "$work/files" && fail "the package holds make install's manifest"

depends=", $(dpkg-deb -f "$deb" Depends),"
for package in ffmpeg gstreamer1.0-plugins-good libqt6widgets6; do
    [[ "$depends" =~ ,\ $package[\ ,] ]] || fail "Depends does not name $package: $depends"
done

desktop-file-validate "$work/root/usr/share/applications/quenby.desktop" || fail "menu entry"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/"*.xml || fail "metainfo"
for url in $(grep -o 'https://[^<]*/docs/[^<]*\.png' "$work/root/usr/share/metainfo/"*.xml); do
    [ -f "$src/docs/${url##*/docs/}" ] || fail "the screenshot $url is not in docs/"
done
lintian --fail-on error "$deb" || fail "lintian reports an error"

[ $failures -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "package checks passed"
