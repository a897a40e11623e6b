#!/usr/bin/env bash
# Sets up, builds and runs every test: once with warnings as errors, once
# under AddressSanitizer and UndefinedBehaviorSanitizer, then the browser
# build's tests.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs="$(nproc)"

cmake -S . -B build -DVANTOR_WERROR=ON -DVANTOR_BENCH=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

cmake -S . -B build-asan -DVANTOR_WERROR=ON -DVANTOR_SANITIZE=ON -DVANTOR_BENCH=OFF
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j"$jobs"

scripts/web.sh test
