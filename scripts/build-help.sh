#!/usr/bin/env bash
# Rebuilds data/VivOrizirude.chm from the sources in data/help/. The compiled
# file is committed, so building the program never needs this; run it after
# editing the help. chmcmd comes with Debian's fp-utils package.
set -euo pipefail
cd "$(dirname "$0")/../data/help"
if ! command -v chmcmd >/dev/null; then
  echo "chmcmd is missing: install it with 'sudo apt-get install fp-utils'" >&2
  exit 1
fi
chmcmd --no-html-scan VivOrizirude.hhp
mv VivOrizirude.chm ../VivOrizirude.chm
echo "Wrote data/VivOrizirude.chm"
