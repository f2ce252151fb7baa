#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the converter needs to build, run and test.
# Idempotent and quick when everything is already there: it asks dpkg first
# and only calls apt-get for what is missing.
#   scripts/setup.sh [--farm]
# --farm adds the SSH server that stress/farm-over-ssh.sh starts privately;
# nothing else needs one, so `make test` leaves it out.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build qt6-base-dev qt6-multimedia-dev libgtest-dev
  # the translations: lupdate and lrelease, their CMake package, and Qt's
  # own translations of its standard buttons and dialogs
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  # the test that keeps every C++ file formatted as .clang-format says
  clang-format
  # the icons are SVG: Qt's SVG plugins draw them
  libqt6svg6
  # the encoder, and a font for the subtitles it draws onto the picture
  ffmpeg fonts-dejavu-core
  # the preview plays every supported container through Qt's GStreamer
  # backend (libqt6multimedia6); its sound goes to PulseAudio/PipeWire
  # (plugins-good) or, without a sound server, straight to ALSA
  gstreamer1.0-plugins-good gstreamer1.0-plugins-bad gstreamer1.0-plugins-ugly gstreamer1.0-libav
  gstreamer1.0-alsa
  # `make install` refreshes the desktop's MIME handler list with it, and the
  # install test validates the desktop entry with it
  desktop-file-utils
  # `make deb`: CPack reads the program's library dependencies with
  # dpkg-shlibdeps (dpkg-dev); the package test validates the software-centre
  # metadata with appstreamcli (appstream) and checks the package with lintian
  dpkg-dev appstream lintian
  # GNU Parallel: the README's recipes for many runs on one machine or many,
  # and the test that runs its local form; rsync carries the files of its
  # recipe for machines that share no folder
  parallel rsync
  # scripts/fuzz.sh: clang, with its libFuzzer and sanitizer runtimes
  clang libclang-rt-14-dev
)
if [ "${1:-}" = "--farm" ]; then
  packages+=(openssh-server openssh-client)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
