#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# libFuzzer targets, built with Debian's clang, AddressSanitizer and
# UndefinedBehaviorSanitizer in a build directory of their own (build-fuzz).
#   scripts/fuzz.sh                  lists the targets
#   scripts/fuzz.sh TARGET SECONDS   builds TARGET and fuzzes it for SECONDS
#   scripts/fuzz.sh all SECONDS      fuzzes every target in turn, SECONDS each,
#                                    and ends with a line per target
# Needs clang and its fuzzer runtime, which scripts/setup.sh installs
# (clang libclang-rt-14-dev).
# Each target starts from its seeds in fuzz/seeds/TARGET/ (inputs of the
# tests) and keeps what it finds in build-fuzz/corpus/TARGET/; an input that
# breaks it is written to build-fuzz/crashes/TARGET/. It runs at low priority
# on one core. The figures (executions, coverage) are printed at the end.
set -euo pipefail
cd "$(dirname "$0")/.."
FUZZ_DIR=${FUZZ_BUILD_DIR:-build-fuzz}

declare -A DESCRIPTIONS=(
  [inifile]="the INI store: read, write, read back after a save"
  [probe_report]="the cut of the length and the size out of a probe report"
  [progress]="the progress reading and the failure reason of encoder output"
  [profile_arguments]="the profile walker with the argument builder"
  [command_split]="the split of an argument string into arguments"
  [watch_state]="a watch's state line: read, written and read back"
  [size_text]="a target size's text and its plan"
  [media_facts]="the facts cut out of a probe report"
  [tasks_file]="Tasks.ini with pins and targets: read, saved, read back"
  [hand_over]="the message a later start hands to the window"
)

if [ $# -eq 0 ]; then
  echo "Targets (scripts/fuzz.sh TARGET SECONDS):"
  for target in $(printf '%s\n' "${!DESCRIPTIONS[@]}" | sort); do
    printf '  %-18s %s\n' "$target" "${DESCRIPTIONS[$target]}"
  done
  exit 0
fi
if [ $# -ne 2 ] || { [ "$1" != all ] && [ -z "${DESCRIPTIONS[$1]+x}" ]; } ||
  ! [[ $2 =~ ^[0-9]+$ ]]; then
  echo "usage: scripts/fuzz.sh [TARGET|all SECONDS]; scripts/fuzz.sh alone lists the targets" >&2
  exit 2
fi
if [ "$1" = all ]; then
  failed=0
  summary=()
  for target in $(printf '%s\n' "${!DESCRIPTIONS[@]}" | sort); do
    log=$(mktemp)
    if "$0" "$target" "$2" 2>&1 | tee "$log"; then
      outcome=clean
    else
      outcome=FAILED
      failed=1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    summary+=("$(printf '%-18s %s, %s runs in %s s' "$target" "$outcome" "${runs:-?}" "$2")")
    rm -f "$log"
  done
  printf '%s\n' "${summary[@]}"
  exit $failed
fi
TARGET=$1
SECONDS_TO_RUN=$2

if ! command -v clang++ >/dev/null ||
  ! compgen -G "/usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a" >/dev/null; then
  echo "clang with its fuzzer runtime is needed: scripts/setup.sh installs them" >&2
  exit 1
fi

if [ ! -f "$FUZZ_DIR/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S . -B "$FUZZ_DIR" -G Ninja -DQUENBY_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
nice cmake --build "$FUZZ_DIR" --target "fuzz_$TARGET"

CORPUS=$FUZZ_DIR/corpus/$TARGET
CRASHES=$FUZZ_DIR/crashes/$TARGET/
mkdir -p "$CORPUS" "$CRASHES"
exec nice "$FUZZ_DIR/fuzz/fuzz_$TARGET" -max_total_time="$SECONDS_TO_RUN" -timeout=10 \
  -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$CRASHES" \
  "$CORPUS" "fuzz/seeds/$TARGET"
