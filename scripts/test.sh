#!/usr/bin/env bash
# Sets up, builds and runs every test: once with warnings as errors (and the
# game played on a virtual display), once under AddressSanitizer and
# UndefinedBehaviorSanitizer, then the Windows and browser builds' tests.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs="$(nproc)"

cmake -S . -B build -DVANTOR_WERROR=ON -DVANTOR_BENCH=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"
# The sdl build played through a real (virtual) display with a person's quick clicks,
# on a laptop's screen, where the picture fills at a factor that is not whole.
xvfb-run -a -s "-screen 0 1366x768x24 -noreset" tests/desktop/check_desktop.py build/vantor

cmake -S . -B build-asan -DVANTOR_WERROR=ON -DVANTOR_SANITIZE=ON -DVANTOR_BENCH=OFF
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j"$jobs"

# The Windows build, cross-built with mingw-w64 and tested under wine.
scripts/windows.sh test
# The browser build, under node and in headless chromium.
scripts/web.sh test
