#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the program with `make install` into a temporary prefix, checks
# what lands there, starts it through the launcher, and takes it out again
# with `make uninstall`: untouched, nothing may stay; after the user has made
# files of their own, exactly those stay.
# Usage: InstallTest.sh <source dir> <build dir>
set -uo pipefail

src=$1
build=$(cd "$2" && pwd)
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

if ! command -v desktop-file-validate >/dev/null; then
    echo "desktop-file-validate is missing: run scripts/setup.sh"
    exit 1
fi

work=$(mktemp -d)
program=
cleanup() {
    [ -n "$program" ] && kill -KILL "$program" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
prefix="$work/home dir/.local" # a blank in the path, as in many home folders
app="$prefix/lib/quenby"

run_make() {
    if ! make -s -C "$src" "$@" BUILD_DIR="$build" PREFIX="$prefix" >"$work/make.log" 2>&1; then
        cat "$work/make.log"
        echo "FAIL: make $1"
        exit 1
    fi
}

# Files, links and empty folders left under the prefix, one per line.
leftovers() {
    [ -d "$prefix" ] || return 0
    (cd "$prefix" && find . -mindepth 1 \( -type f -o -type l -o -type d -empty \) | sort)
}

# The width and height in a PNG's header, as eight hex bytes.
png_size() {
    head -c 24 "$1" | tail -c 8 | od -An -tx1 | tr -d ' \n'
}

# A port nothing listens on yet.
free_port() {
    local port
    for _ in $(seq 1 50); do
        port=$((20000 + RANDOM % 40000))
        if ! (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
            echo "$port"
            return
        fi
    done
}

# Starts the program through the launcher from another folder and checks
# that it reaches its event loop. It runs on Qt's VNC platform: the server's
# greeting is only sent once the event loop takes the connection. The
# program also writes its Preferences.ini into the installed directory.
check_launcher_starts_program() {
    rm -f "$app/Preferences.ini"
    local port greeting=
    port=$(free_port)
    (cd "$work" && QT_QPA_PLATFORM="vnc:size=800x600:port=$port" exec "$prefix/bin/quenby") \
        >"$work/run.log" 2>&1 &
    program=$!
    for _ in $(seq 1 120); do
        kill -0 "$program" 2>/dev/null || break
        if exec 3<>"/dev/tcp/127.0.0.1/$port"; then
            read -r -t 20 -u 3 greeting
            exec 3<&-
            break
        fi 2>/dev/null
        sleep 0.5
    done
    if [[ "$greeting" != RFB* ]]; then
        fail "the launcher did not bring the program to its event loop"
        cat "$work/run.log"
    fi
    [ -f "$app/Preferences.ini" ] || fail "the program did not write Preferences.ini into $app"
    kill -0 "$program" 2>/dev/null || fail "the program ended by itself"
    kill -TERM "$program" 2>/dev/null
    wait "$program" 2>/dev/null
    program=
}

# --- An untouched install, and its uninstall -------------------------------
run_make install

[ "$(readlink -f "$prefix/bin/quenby")" = "$(readlink -f "$app/quenby")" ] ||
    fail "bin/quenby does not lead to $app/quenby"
[ -x "$app/quenby" ] || fail "no executable in $app"
if command -v ffmpeg >/dev/null; then
    [ "$(readlink -f "$app/tolvex.dll")" = "$(readlink -f "$(command -v ffmpeg)")" ] ||
        fail "tolvex.dll does not lead to ffmpeg"
fi
cmp -s "$src/data/Preferences.ini" "$app/Preferences.ini" || fail "Preferences.ini is not the shipped one"
diff -r "$src/data/Profiles" "$app/Profiles" >/dev/null || fail "the profiles are not the shipped ones"
[ -f "$app/VivOrizirude.chm" ] || fail "no help file in $app"
[ -f "$app/help/index.html" ] || fail "no help pages in $app/help"
for picture in "$src"/data/help/images/*.png; do
    [ -e "$picture" ] || continue
    cmp -s "$picture" "$app/help/images/${picture##*/}" || fail "${picture##*/} is not installed"
done
icons="$prefix/share/icons/hicolor"
cmp -s "$src/data/icons/quenby.svg" "$icons/scalable/apps/quenby.svg" || fail "no scalable icon"
[ "$(png_size "$icons/48x48/apps/quenby.png")" = 0000003000000030 ] || fail "no 48 pixel icon"
[ "$(png_size "$icons/256x256/apps/quenby.png")" = 0000010000000100 ] || fail "no 256 pixel icon"

desktop="$prefix/share/applications/quenby.desktop"
desktop-file-validate "$desktop" || fail "the desktop entry does not validate"
grep -qxF "Exec=\"$prefix/bin/quenby\" %F" "$desktop" || fail "the desktop entry does not start the launcher"
# Every video extension the program takes must map, in the system's MIME
# database, to a type the desktop entry names.
if [ -f /usr/share/mime/globs2 ]; then
    types=";$(sed -n 's/^MimeType=//p' "$desktop")"
    # A glob the database also gives a non-video type (.ts, Qt's translations)
    # counts by its video type; one without any type (.wtv) cannot be named.
    for ext in $("$prefix/bin/quenby" --list-formats); do
        type=$(grep ":\*\.${ext#.}$" /usr/share/mime/globs2 | cut -d: -f2 |
            grep -m1 -E '^(video|application)/')
        [[ -z "$type" || "$types" == *";$type;"* ]] || fail "the desktop entry misses $ext ($type)"
    done
fi

run_make uninstall
left=$(leftovers)
[ -z "$left" ] || fail "an untouched install left behind:"$'\n'"$left"

# --- The user's own files survive a reinstall and the uninstall ------------
run_make install
check_launcher_starts_program
printf '[Main]\nOutput Path=/videos\n' >>"$app/Preferences.ini"
cp "$app/Preferences.ini" "$work/preferences"
cp "$app/Profiles/MP3 Audio.apf" "$app/Profiles/My Own.apf"
edited="$app/Profiles/WebM (VP9 + Opus).apf"
echo "Comment=mine" >>"$edited"
echo "converted" >"$app/clip.avi"

run_make install
cmp -s "$work/preferences" "$app/Preferences.ini" || fail "a reinstall replaced the user's Preferences.ini"
grep -q "Comment=mine" "$edited" || fail "a reinstall replaced a profile the user edited"

run_make uninstall
left=$(leftovers)
expected="./lib/quenby/Preferences.ini
./lib/quenby/Profiles/My Own.apf
./lib/quenby/Profiles/WebM (VP9 + Opus).apf
./lib/quenby/clip.avi"
[ "$left" = "$expected" ] || fail "after uninstalling, the prefix holds"$'\n'"$left"$'\n'"instead of"$'\n'"$expected"

if [ $failures -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "install and uninstall checks passed"
