#!/usr/bin/env bash
# Installs what is needed, builds everything and runs every test: first in the
# normal build, then in a build with AddressSanitizer and
# UndefinedBehaviorSanitizer. The window tests use Qt's offscreen platform;
# the one that reads what the window manager is told starts an Xvfb of its own.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/dipendenze.sh prova
export QT_QPA_PLATFORM=offscreen

for preset in default asan; do
    echo "== $preset build"
    cmake --preset "$preset"
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
