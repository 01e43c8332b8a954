#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages needed to build and run the program (reading
# words aloud takes Qt TextToSpeech, whose CMake files want Qt Declarative, and
# Speech Dispatcher with its espeak-ng voices); with the
# argument "prova", also those the tests need (an X server for the test that
# reads what the window manager is told, xdotool for a real mouse drag and to
# press the buttons of the unpacked program, clang and its libFuzzer for the
# reader's fuzz target; for the Debian package and its test: dpkg-dev and file
# for the dependencies, lintian, the desktop's validators, strace to see
# what the program reads and devscripts for hardening-check; reuse to check
# that every file says its licence).
# Runs apt-get only when something is missing; as root directly, else with sudo.
set -euo pipefail

pacchetti=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-multimedia-dev qt6-svg-dev libgl-dev
    qt6-speech-dev qt6-declarative-dev qt6-speech-speechd-plugin speech-dispatcher-espeak-ng
    fonts-liberation
)
if [ "${1:-}" = prova ]; then
    pacchetti+=(clang libclang-rt-14-dev xvfb xauth x11-utils xdotool qt6-base-private-dev)
    pacchetti+=(dpkg-dev file lintian desktop-file-utils appstream strace devscripts reuse)
fi

mancanti=()
for p in "${pacchetti[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        mancanti+=("$p")
    fi
done
[ ${#mancanti[@]} -eq 0 ] && exit 0

echo "Installing: ${mancanti[*]}"
if [ "$(id -u)" -eq 0 ]; then
    come=()
else
    come=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${come[@]}" apt-get update -q
"${come[@]}" apt-get install -y -q --no-install-recommends "${mancanti[@]}"
