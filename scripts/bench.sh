#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Benchmarks: speed figures that tests never assert. Run by `make bench`, or
#   scripts/bench.sh [build dir] [section...]
# Each section is a function named bench_<section>; without section names all
# of them run, in name order. A section builds its own program, prints its
# figures with its name as the prefix, and fails on its own without stopping
# the others. To add one, add a function below.
set -uo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${1:-build}
shift || true

build() {
  cmake --build "$BUILD_DIR" --target "$@" >/dev/null
}

# ProbeMedia against running "tolvex.dll -i file" directly: the overhead per
# probe, median of 20. Goal: under 5 ms.
bench_probe() {
  build probe_bench && "$BUILD_DIR/bench/probe_bench"
}

# A batch of 10 clips through the runner against the same encoder commands
# from a shell script (ratio of medians of 3; goal 1.05 or less), and the
# longest stall of the event loop during a real batch (goal under 50 ms).
bench_batch() {
  build batch_runner_bench && "$BUILD_DIR/bench/batch_runner_bench"
}

# 500 files added to the task list through the fake encoder with an instant
# report: the list's own cost per file beyond the probe (goal under 1 ms),
# the same files as one directory, and the duplicate test against 500 rows.
bench_task_list() {
  build task_list_bench && "$BUILD_DIR/bench/task_list_bench" 500
}

# 500, 5,000 and 20,000 files added, Start, Stop, a block moved up and
# Clear, with the fake encoder: each command's cost per row (goal: linear in
# the rows; the add per row at 5,000 and at 20,000 within 1.2 times that at
# 500) and the longest stall of the event loop outside the add's probes
# (goal under 100 ms).
bench_scale() {
  build scale_bench && "$BUILD_DIR/bench/scale_bench" 500 5000 20000
}

# Adding 200 clips (probed side by side, several files to an encoder run)
# against the same probes run one by one (goal 0.6 or less on 2 cores), converting 20 clips with the
# AVI profile two at a time against one at a time (goal 0.75 or less on 2
# cores), and the longest event-loop stall during each (goal under 50 ms).
bench_simultaneous() {
  build simultaneous_bench && "$BUILD_DIR/bench/simultaneous_bench"
}

# `quenby --convert` on 10 clips against the same encoder commands from a
# shell script: the ratio of medians of 3 (goal 1.03 or less).
bench_headless() {
  build headless_bench && "$BUILD_DIR/bench/headless_bench"
}

# A batch of 5,000 short tasks run from Start to its end with the fake
# encoder, its task list kept in Tasks.ini as it changes: the longest stall
# of the event loop while it runs (goal under 50 ms), and how often the list
# was written.
bench_scale_batch() {
  build scale_bench && "$BUILD_DIR/bench/scale_bench" --batch 5000
}

# A generated profile of 5,000 and of 20,000 parameters picked in the detail
# panel: the load into the grids and the arguments `quenby --convert` makes
# from the file (goal under 1 s each for 20,000), the profile read without
# grids, and Start's arguments from the loaded grids.
bench_profile() {
  build profile_bench && "$BUILD_DIR/bench/profile_bench" 5000 20000
}

# Tasks.ini with 5,000 tasks: a save after a change, as the window makes it
# (goal under 50 ms), and the read at start-up, in the build directory.
bench_tasks_file() {
  build tasks_file_bench && "$BUILD_DIR/bench/tasks_file_bench" 5000 "$BUILD_DIR/bench-work/tasks-file"
}

# Every shipped profile at its load-time picks through `quenby --convert` on
# 10 s of 1280x720 at 30 fps: seconds of conversion per second of video
# (wall clock, and the encoder's CPU time, user+sys, which a busy machine
# disturbs less), the output's kbit/s, and its SSIM against the source
# brought to the output's size and frame rate (a profile that shrinks the
# picture or drops frames is judged on what it keeps). Goal for each video
# profile on 2 cores: 1.0 s per second or less, SSIM 0.95 or more.
bench_profiles() {
  build quenby || return 1
  # QUENBY_APP: another application folder, such as one holding older profiles.
  local work="$BUILD_DIR/bench-work/profiles${QUENBY_APP:+-${QUENBY_APP##*/}}" secs=10
  local app=${QUENBY_APP:-$BUILD_DIR/app}
  rm -rf "$work" && mkdir -p "$work/out" || return 1
  local src="$work/source.mp4"
  # Moving test pictures and a tone, near lossless yet cheap to decode.
  ffmpeg -v error -f lavfi -i "testsrc2=s=1280x720:r=30:d=$secs" \
    -f lavfi -i "sine=f=440:d=$secs:sample_rate=48000" -ac 2 -c:v libx264 -preset veryfast \
    -crf 12 -pix_fmt yuv420p -c:a aac -b:a 256k "$src" || return 1
  printf '%-36s %8s %8s %8s %8s\n' profile "s/s" "cpu s/s" kbit/s SSIM
  local name
  while IFS= read -r name; do
    rm -rf "$work/out"/* && local times="$work/time"
    /usr/bin/time -f '%e %U %S' -o "$times" "$app/quenby" --convert --overwrite \
      --profile "$name" --output "$work/out" "$src" </dev/null 2>/dev/null || { echo "$name: FAILED"; continue; }
    local out; out=$(find "$work/out" -type f | head -n 1)
    local wall cpu kbits ssim="-" size
    read -r wall cpu < <(awk '{ printf "%.2f %.2f", $1 / '$secs', ($2 + $3) / '$secs' }' "$times")
    kbits=$(awk -v b="$(stat -c %s "$out")" 'BEGIN { printf "%.0f", b * 8 / 1000 / '$secs' }')
    size=$(ffprobe -v error -select_streams v:0 -show_entries stream=width,height,r_frame_rate \
      -of csv=p=0 "$out")
    if [ -n "$size" ]; then
      IFS=, read -r w h rate <<<"$size"
      # The source losslessly at the output's size, its frames picked as the
      # encoder picks them for a constant rate; paired by their order, as
      # containers round timestamps differently.
      ffmpeg -v error -nostdin -y -i "$src" -an -r "$rate" -fps_mode cfr -s "${w}x$h" -c:v ffv1 \
        "$work/ref.mkv" || return 1
      local pair="setsar=1,settb=1/($rate),setpts=N"
      ssim=$(ffmpeg -nostdin -nostats -i "$out" -i "$work/ref.mkv" -lavfi \
        "[1:v]$pair[ref];[0:v]$pair[o];[o][ref]ssim=shortest=1" -f null - 2>&1 |
        sed -n 's/.* All:\([0-9.]*\).*/\1/p')
    fi
    printf '%-36s %8s %8s %8s %8s\n' "$name" "$wall" "$cpu" "$kbits" "$ssim"
  done < <("$app/quenby" --convert --list-profiles)
}

# Three 20 s clips with each profile that asks for a constant quality: the
# size its samples give before the conversion against the output's real
# size (goal: within 25%).
bench_sample_estimate() {
  build sample_estimate_bench || return 1
  local work="$BUILD_DIR/bench-work/sample-estimate" c
  rm -rf "$work" && mkdir -p "$work" || return 1
  clip() { ffmpeg -v error -y -f lavfi -i "$2" -f lavfi -i "$3" -t 20 -c:v libx264 -crf 18 \
    -pix_fmt yuv420p -c:a aac "$work/$1.mp4"; }
  clip bars 'smptehdbars=s=960x540:r=30,noise=alls=8:allf=t' 'sine=f=220' &&
    clip fractal 'mandelbrot=s=640x360:r=25' 'anoisesrc=a=0.2' &&
    clip pattern 'testsrc2=s=640x480:r=30' 'sine=f=440' || return 1
  "$BUILD_DIR/bench/sample_estimate_bench" "$work"/*.mp4
}

sections=("$@")
if [ ${#sections[@]} -eq 0 ]; then
  mapfile -t sections < <(declare -F | awk '$3 ~ /^bench_/ { sub(/^bench_/, "", $3); print $3 }')
fi

failed=0
for section in "${sections[@]}"; do
  echo "== $section"
  if ! "bench_$section"; then
    echo "$section: FAILED"
    failed=1
  fi
done
exit $failed
