#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test; then builds the
# core with AddressSanitizer and UndefinedBehaviorSanitizer (clang) and runs the
# core tests and short fuzzing sessions of the decoders and the profile reader
# there; then the Windows stage.
#
# Windows: cross-builds everything with mingw-w64 against a static Qt for
# mingw-w64 (Debian's own qt6-base source; scripts/build-qt-windows.sh unpacks
# the prebuilt archive from ../shared/cache/qt6-mingw/ or builds it) and runs
# every test as a Windows program under Wine, the GUI tests included, in a fresh
# Wine prefix. The desktop tool lands in build-win/src/gui/rosmossel.exe. Where
# neither that Qt nor its archive is there, the stage builds and tests the core
# and the CLI only and says so; with CI=true that is an error. Each stage prints
# how long it took.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
stage_start=$SECONDS
stage_done() {
    echo "== $1 stage: $((SECONDS - stage_start)) s"
    stage_start=$SECONDS
}

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DROSMOSSEL_WERROR=ON \
    -DROSMOSSEL_BUILD_BENCHMARKS=ON
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"
stage_done Linux

CC=clang CXX=clang++ cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DROSMOSSEL_WERROR=ON -DROSMOSSEL_SANITIZE=ON -DROSMOSSEL_BUILD_GUI=OFF -DROSMOSSEL_FUZZ=ON
cmake --build build-asan -j "$jobs"
ctest --test-dir build-asan --output-on-failure -j "$jobs"

stage_done Sanitizer

windows_options=(-DROSMOSSEL_BUILD_GUI=OFF)
if scripts/build-qt-windows.sh --check; then
    windows_options=(-DROSMOSSEL_BUILD_GUI=ON -DROSMOSSEL_QT_WINDOWS="$(scripts/build-qt-windows.sh)")
elif [ "${CI:-}" = true ]; then
    echo "No Qt for mingw-w64 and no archive of it in ../shared/cache/qt6-mingw/." >&2
    exit 1
else
    echo "Skipping the Windows desktop build: no Qt for mingw-w64 (scripts/build-qt-windows.sh makes it, about an hour)."
fi
cmake -S . -B build-win -G Ninja -DCMAKE_BUILD_TYPE=Release -DROSMOSSEL_WERROR=ON \
    -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake "${windows_options[@]}"
cmake --build build-win -j "$jobs"
rm -rf build-win/wine-prefix build-win/wine-prefix.lock
# Wine now and then fails a program as it starts (no output, a hundredth of a
# second); such a test runs once more, and one that fails twice fails.
ctest --test-dir build-win --output-on-failure -j "$jobs" --repeat until-pass:2
stage_done Windows

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
