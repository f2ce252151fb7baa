#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every shipped profile through the real encoder, beyond what `make test`
# tries: each profile at its load-time choices on every kind of input (eight
# short clips: a 720p phone clip, a 15 fps webcam clip, 5.1 audio, video
# without audio, an odd frame size, 10-bit video, an 8 kHz voice track,
# 1080p60), and every pick of every parameter of every profile. `make test`
# runs a subset that touches each profile and each kind once. Worth running
# after editing data/Profiles; takes about fifteen minutes on two cores.
#   scripts/sweep-profiles.sh [build dir]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${1:-build}
[ -f "$BUILD_DIR/build.ninja" ] || cmake -S . -B "$BUILD_DIR" -G Ninja >/dev/null
cmake --build "$BUILD_DIR" --target integration_tests >/dev/null
QUENBY_SWEEP_ALL_INPUTS=1 QUENBY_SWEEP_ALL_PROFILES=1 QT_QPA_PLATFORM=offscreen \
  nice "$BUILD_DIR/tests/integration_tests" \
  --gtest_filter='Kinds/ProfileOnInput.*:Profiles/SweptProfile.*'
