#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is needed, builds the program and starts it with the word
# lists and sounds of the repository.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/dipendenze.sh
cmake --preset default
cmake --build --preset default --target lumeri
exec ./build/lumeri
