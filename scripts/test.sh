#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test; then builds the
# core with AddressSanitizer and UndefinedBehaviorSanitizer (clang) and runs the
# core tests and a short fuzzing session of the decoders there.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DROSMOSSEL_WERROR=ON \
    -DROSMOSSEL_BUILD_BENCHMARKS=ON
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

CC=clang CXX=clang++ cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DROSMOSSEL_WERROR=ON -DROSMOSSEL_SANITIZE=ON -DROSMOSSEL_BUILD_GUI=OFF -DROSMOSSEL_FUZZ=ON
cmake --build build-asan -j "$jobs"
ctest --test-dir build-asan --output-on-failure -j "$jobs"
