#!/usr/bin/env bash
# Installs what is needed, builds the program and starts it with the word
# lists and sounds of the repository.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/dipendenze.sh
cmake --preset default
cmake --build --preset default --target lumeri
exec ./build/lumeri
