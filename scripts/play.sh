#!/usr/bin/env bash
# Sets up, builds and starts the game (full screen; --window for a window).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DVANTOR_TESTS=OFF -DVANTOR_BENCH=OFF
cmake --build build -j"$(nproc)"
cd build
exec ./vantor "$@"
