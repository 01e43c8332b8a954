#!/bin/sh
# SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# The start-up race of the program against a minimal Qt Widgets window, on an
# Xvfb of its own. Build first (cmake --build --preset default); then
#     bench/corsa.sh [RUNS]
set -eu
cartella=$(cd "$(dirname "$0")/.." && pwd)
build="$cartella/build"
volte="${1:-9}"
# Qt wants a private runtime folder; one of its own keeps the output clean.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
xvfb-run -a -s "-screen 0 1280x1024x24" \
    env QT_QPA_PLATFORM=xcb "$build/bench/corsa" --volte "$volte" "$build/lumeri" "$build/bench/finestra_minima" "$build/bench/finestra_vuota"
