#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the README's two GNU Parallel recipes, as printed, against a private
# sshd on a high port, with two throw-away accounts (host1, host2) standing in
# for machines, each with the program under its own ~/.local; checks their
# outputs, working files, joblogs and a retry, and times them against
# `quenby --convert --jobs 2`. As root:  stress/farm-over-ssh.sh [build dir]
set -euo pipefail
cd "$(dirname "$0")/.." && SOURCE=$PWD
BUILD=$(realpath "${1:-build}")
[ "$(id -u)" -eq 0 ] || { echo "run as root: it creates two accounts"; exit 2; }
scripts/setup.sh --farm
cmake --build "$BUILD" --target quenby >/dev/null
WORK=$(mktemp -d /tmp/quenby-farm.XXXXXX) && chmod 755 "$WORK"
PORT=$((40000 + RANDOM % 20000))
USERS=(quenbyfarm1 quenbyfarm2) failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
cleanup() {
  [ -f "$WORK/sshd.pid" ] && kill "$(cat "$WORK/sshd.pid")" 2>/dev/null
  for u in "${USERS[@]}"; do id "$u" >/dev/null 2>&1 && userdel -r "$u" 2>/dev/null; done
  rm -rf "$WORK"
}
trap cleanup EXIT

ssh-keygen -q -t ed25519 -N '' -f "$WORK/host_key" && ssh-keygen -q -t ed25519 -N '' -f "$WORK/id"
mkdir -p /run/sshd
cat >"$WORK/sshd_config" <<END
ListenAddress 127.0.0.1
Port $PORT
HostKey $WORK/host_key
PidFile $WORK/sshd.pid
PasswordAuthentication no
KbdInteractiveAuthentication no
PermitUserEnvironment yes
MaxStartups 30
Subsystem sftp internal-sftp
END
/usr/sbin/sshd -f "$WORK/sshd_config" -E "$WORK/sshd.log"
echo "[127.0.0.1]:$PORT $(cut -d' ' -f1,2 "$WORK/host_key.pub")" >"$WORK/known_hosts"
for i in 1 2; do
  u=${USERS[i - 1]} && home=/home/$u
  useradd -m -s /bin/bash "$u" && usermod -p '*' "$u"
  cmake --install "$BUILD" --prefix "$home/.local" >/dev/null
  mkdir -p "$home/.ssh" && cp "$WORK/id.pub" "$home/.ssh/authorized_keys"
  echo "PATH=$home/.local/bin:/usr/bin:/bin" >"$home/.ssh/environment"
  chown -R "$u:$u" "$home" && chmod 700 "$home/.ssh"
  printf 'Host host%s\n HostName 127.0.0.1\n Port %s\n User %s\n IdentityFile %s\n UserKnownHostsFile %s\n StrictHostKeyChecking yes\n BatchMode yes\n' \
    "$i" "$PORT" "$u" "$WORK/id" "$WORK/known_hosts" >>"$WORK/ssh_config"
done
export PARALLEL_SSH="ssh -F $WORK/ssh_config" PATH="$BUILD/app:$PATH" HOME=$WORK
ssh -F "$WORK/ssh_config" host2 'quenby --version' || fail "no login to host2"

# A recipe's command as the README prints it, from "parallel" to its ":::" line.
recipe() { sed -n "/^$1/,/:::/p" "$SOURCE/README.md" | sed 's/ \\$//' | tr -d '\n'; }
clip() { ffmpeg -loglevel error -y -f lavfi -i "testsrc=size=640x480:rate=25:duration=8" \
  -f lavfi -i "sine=duration=8" -c:v libx264 -preset ultrafast -c:a aac "$1"; }
check() { # folder, outputs wanted, joblog, failed jobs wanted
  local n=0 f
  for f in $(find "$1" -name '*.avi'); do
    ffprobe -v error "$f" >/dev/null && n=$((n + 1)) || fail "unreadable $f"
  done
  [ "$n" -eq "$2" ] || fail "$n outputs in $1, not $2"
  [ -z "$(find "$1" /home/quenbyfarm? -name '.quenby-*' ! -name '.quenby-watch*')" ] || fail "working files left"
  # A retried job's last line counts.
  [ "$(awk 'NR > 1 {s[$1] = $7} END {for (k in s) n += s[k] != 0; print n + 0}' "$3")" -eq "$4" ] ||
    fail "joblog $3 does not show $4 failed: $(cat "$3")"
}

share=$WORK/srv/share && mkdir -p "$share/in" "$share/out" && chmod 777 "$share/out"
for i in $(seq -w 1 12); do clip "$share/in/clip$i.mp4"; done
head -c 50000 /dev/urandom >"$share/in/broken.mp4"
cmd=$(recipe 'parallel -S 2\/host1' | sed "s|/srv/share|$share|g; s|^parallel|parallel --joblog $WORK/shared.log|")
echo "Shared folders: $cmd"
ms() { echo "$((($(date +%s%N) - $1) / 1000000)) ms"; }
start=$(date +%s%N)
# The runs' progress goes to a log; a failure below shows it.
eval "$cmd" 2>>"$WORK/runs.log" && fail "the broken file did not fail" || echo "parallel exited with $?"
echo "shared folders, 12 clips and the broken file, 2/host1,2/host2,: took $(ms "$start")"
check "$share/out" 12 "$WORK/shared.log" 1
cp "$share/in/clip01.mp4" "$share/in/broken.mp4"
parallel --retry-failed --joblog "$WORK/shared.log" 2>>"$WORK/runs.log" || fail "the retry failed"
check "$share/out" 13 "$WORK/shared.log" 0

videos=$WORK/Videos && mkdir -p "$videos"/{a,b,c}
for i in $(seq -w 1 12); do cp "$share/in/clip$i.mp4" "$videos/$(echo abc | cut -c$((10#$i % 3 + 1)))/clip$i.mp4"; done
cmd=$(recipe 'parallel -S host1,host2' | sed "s|^parallel|parallel --joblog $WORK/nothing.log|")
echo "Sharing nothing: $cmd"
start=$(date +%s%N)
(cd "$videos" && eval "$cmd") 2>>"$WORK/runs.log" || fail "parallel exited with $?"
echo "sharing nothing, 12 clips, host1,host2 took $(ms "$start")"
check "$videos" 12 "$WORK/nothing.log" 0

mkdir "$WORK/alone"
start=$(date +%s%N)
quenby --convert --jobs 2 --rename --profile "AVI (MPEG-4 + MP3)" --output "$WORK/alone" "$share"/in/clip*.mp4 2>/dev/null
echo "one machine, quenby --convert --jobs 2, 12 clips took $(ms "$start")"
[ $failures -eq 0 ] && echo "farm checks passed" || { tail -40 "$WORK/runs.log"; echo "$failures failures"; exit 1; }
