#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Kills a process with SIGKILL at random moments while it saves
# Preferences.ini and a profile through the store, then while it saves a
# Tasks.ini of 1,000 tasks, and checks that each file then holds the old or
# the new text, never a mix and never nothing, and that the task list reads
# back whole.
#   scripts/kill-save.sh [build dir] [kills]
# Defaults: build, 200 kills for each round. The work directory lies in the
# build directory, on the same file system as a real installation would be.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${1:-build}
KILLS=${2:-200}
[ -f "$BUILD_DIR/build.ninja" ] || cmake -S . -B "$BUILD_DIR" -G Ninja >/dev/null
cmake --build "$BUILD_DIR" --target kill_during_save >/dev/null
"$BUILD_DIR/stress/kill_during_save" "data/Profiles/Any Device MP4 (H.264 + AAC).apf" "$KILLS" \
  "$BUILD_DIR/stress-work/kill-during-save"
