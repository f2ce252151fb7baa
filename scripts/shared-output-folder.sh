#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs `quenby --convert --rename` several times at once into one folder,
# all with inputs of one name, round after round, and checks that every
# round ends with one whole output per input (each read by ffprobe) and no
# hidden working file.
#   scripts/shared-output-folder.sh [build dir] [rounds] [runs] [files]
# Defaults: build, 20 rounds of 4 runs at once with 5 files each. The work
# directory lies in the build directory.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${1:-build}
ROUNDS=${2:-20}
RUNS=${3:-4}
FILES=${4:-5}
[ -f "$BUILD_DIR/build.ninja" ] || cmake -S . -B "$BUILD_DIR" -G Ninja >/dev/null
cmake --build "$BUILD_DIR" --target quenby shared_output_folder >/dev/null
"$BUILD_DIR/stress/shared_output_folder" "$BUILD_DIR/app/quenby" "$(command -v ffmpeg)" \
  "$(command -v ffprobe)" "$BUILD_DIR/stress-work/shared-output-folder" "$ROUNDS" "$RUNS" "$FILES"
