#!/usr/bin/env bash
# Sets up, builds and runs every test: once with warnings as errors (and the
# game played on a virtual display), once under AddressSanitizer and
# UndefinedBehaviorSanitizer, then the fuzz targets for 50 seconds each, then
# the Windows and browser builds' tests.
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

# Every fuzz target, built with clang under both sanitizers, fuzzed for a
# short while from its seeds in fuzz/corpus/: a crash, a sanitizer report or
# a broken rule (an abort in the target) fails the run.
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DVANTOR_WERROR=ON -DVANTOR_FUZZ=ON -DVANTOR_SANITIZE=ON \
    -DVANTOR_TESTS=OFF -DVANTOR_BENCH=OFF
cmake --build build-fuzz -j"$jobs"
UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build-fuzz/fuzz --output-on-failure -j"$jobs"

# The Windows build, cross-built with mingw-w64 and tested under wine.
scripts/windows.sh test
# The browser build, under node and in headless chromium.
scripts/web.sh test
