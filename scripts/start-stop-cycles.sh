#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts and stops a batch through the program's windows again and again,
# against the fake encoder, and checks that the cycles leave no child
# process, no extra open descriptor and no growth of the resident size
# beyond 5% of the first cycle's.
#   scripts/start-stop-cycles.sh [build dir] [cycles]
# Defaults: build, 100 cycles (about a minute).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${1:-build}
CYCLES=${2:-100}
[ -f "$BUILD_DIR/build.ninja" ] || cmake -S . -B "$BUILD_DIR" -G Ninja >/dev/null
cmake --build "$BUILD_DIR" --target start_stop_cycles >/dev/null
"$BUILD_DIR/stress/start_stop_cycles" "$CYCLES"
