#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is needed, checks that every file says its licence (reuse),
# builds everything and runs every test: first in the normal build, then in a
# build with AddressSanitizer and UndefinedBehaviorSanitizer, then the
# reader's fuzz target for a minute.
# The window tests use Qt's offscreen platform;
# the one that reads what the window manager is told starts an Xvfb of its own.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/dipendenze.sh prova
export QT_QPA_PLATFORM=offscreen

echo "== licences"
reuse lint

for preset in default asan; do
    echo "== $preset build"
    cmake --preset "$preset"
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done

# The reader under libFuzzer for a minute, from the seeds kept in fuzz/seme;
# what it learns stays in the build tree.
echo "== fuzz"
cmake --preset fuzz
cmake --build --preset fuzz
mkdir -p build-fuzz/corpus
build-fuzz/fuzz/lumeri_fuzz_lettore -max_total_time=60 -max_len=8192 -print_final_stats=1 \
    -artifact_prefix=build-fuzz/ build-fuzz/corpus fuzz/seme
