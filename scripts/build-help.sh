#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Rebuilds data/VivOrizirude.chm from the guide's pages in data/help/. The
# compiled file is committed, so building the program never needs this; run
# it after editing the help. chmcmd comes with Debian's fp-utils package.
# The project's [FILES] list is made here from the pages, the style sheet and
# the pictures that are there, so none can be left out of the compiled file.
set -euo pipefail
cd "$(dirname "$0")/../data/help"
if ! command -v chmcmd >/dev/null; then
  echo "chmcmd is missing: install it with 'sudo apt-get install fp-utils'" >&2
  exit 1
fi
project=.build.hhp
log=$(mktemp)
trap 'rm -f "$project" VivOrizirude.chm "$log"' EXIT
{
  sed -n '/^\[OPTIONS\]/,/^$/p' VivOrizirude.hhp
  echo "[FILES]"
  find . -maxdepth 2 \( -name '*.html' -o -name '*.css' -o -name '*.png' \) -printf '%P\n' |
    LC_ALL=C sort
} >"$project"
if ! chmcmd --no-html-scan "$project" >"$log" 2>&1; then
  cat "$log" >&2
  exit 1
fi
mv VivOrizirude.chm ../VivOrizirude.chm
echo "Wrote data/VivOrizirude.chm"
