#!/usr/bin/env bash
# Builds every release file into dist/ from this checkout and checks them:
#   dist/rosmossel_<version>_amd64.deb              the Debian package
#   dist/rosmossel-<version>-windows-x64.zip        the Windows programs, unpack and run
#   dist/rosmossel-<version>-windows-x64-setup.exe  the Windows installer
# The builds are Release builds without tests, in build-release/ and
# build-release-win/ (the Windows one against the static Qt for mingw-w64 that
# scripts/build-qt-windows.sh provides).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)

cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DROSMOSSEL_BUILD_TESTS=OFF
cmake --build build-release -j "$jobs"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-release/CMakeCache.txt)

qt=$(scripts/build-qt-windows.sh | tail -n 1)
cmake -S . -B build-release-win -G Ninja -DCMAKE_BUILD_TYPE=Release -DROSMOSSEL_BUILD_TESTS=OFF \
    -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake -DROSMOSSEL_QT_WINDOWS="$qt"
cmake --build build-release-win -j "$jobs"

rm -rf dist
scripts/package.sh build-release build-release-win dist
scripts/check-packages.sh dist "$version"
