#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test; then builds the
# core with AddressSanitizer and UndefinedBehaviorSanitizer (clang) and runs the
# core tests and a short fuzzing session of the decoders there; then cross-builds
# the core and the CLI for Windows (mingw-w64) and runs their tests under Wine.
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

# Windows: the same tests as Windows programs, in a fresh Wine prefix.
cmake -S . -B build-win -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DROSMOSSEL_WERROR=ON \
    -DROSMOSSEL_BUILD_GUI=OFF -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake
cmake --build build-win -j "$jobs"
rm -rf build-win/wine-prefix build-win/wine-prefix.lock
ctest --test-dir build-win --output-on-failure -j "$jobs"

# Release packages from the builds above, checked with the validators and, for
# the Windows installer, installed and uninstalled under Wine. The Windows ones
# need the desktop tool in build-win.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/CMakeCache.txt)
if [ -f build-win/src/gui/rosmossel.exe ]; then
    scripts/package.sh build build-win build/release
    scripts/check-packages.sh build/release "$version"
elif [ "${CI:-}" = true ]; then
    echo "No desktop tool in build-win: no Windows packages." >&2
    exit 1
else
    echo "Skipping the Windows packages: no desktop tool in build-win."
    scripts/package.sh build "" build/release
    scripts/check-packages.sh build/release "$version" --no-windows
fi
