#!/usr/bin/env bash
# Makes the static Qt for mingw-w64 that the Windows desktop build links
# against, and prints the folder it lives in (the last line of output).
#
#   scripts/build-qt-windows.sh            unpack the prebuilt archive, or build
#   scripts/build-qt-windows.sh --dry-run  say what would be done, change nothing
#   scripts/build-qt-windows.sh --check    succeed if it is installed or the archive is there
#
# The Qt is Debian 12's own qt6-base source (the same 6.4.2 as the Linux build),
# configured static with Core, Gui, Widgets and Test, the windows and offscreen
# platforms and nothing else, and built with Debian's mingw-w64 and the host's
# moc, rcc and uic. It goes into a versioned folder under the user's cache
# folder; once that holds a finished install, a second run does nothing.
#
# Where ../shared/cache/qt6-mingw/ (beside the repository) holds the archive of
# exactly this build, its checksum is checked and it is unpacked instead: a few
# seconds instead of about an hour.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD

qt_version=6.4.2
debian_version=6.4.2+dfsg-10
debian_release=bookworm
name=qt6-mingw-$qt_version-static
cache=${XDG_CACHE_HOME:-$HOME/.cache}/rosmossel
prefix=$cache/$name
shared=$repo/../shared/cache/qt6-mingw
archive=$shared/$name.tar.xz
patch_file=$repo/scripts/qtbase-$qt_version-mingw.patch

dry_run=0
case ${1:-} in
--dry-run) dry_run=1 ;;
--check) [ -f "$prefix/.complete" ] || [ -f "$archive" ]; exit ;;
esac
run() {
    if ((dry_run)); then echo "would run: $*"; else "$@"; fi
}

if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

# The archive's CMake package files are relocatable, so it may be unpacked
# anywhere; it unpacks to qt6-mingw/.
if [ -f "$archive" ]; then
    echo "Unpacking $archive" >&2
    (cd "$shared" && sha256sum --check --quiet --ignore-missing SHA256SUMS) >&2
    grep -q " $name.tar.xz\$" "$shared/SHA256SUMS" # the archive must be listed, not just present
    if ((dry_run)); then
        echo "would unpack into $prefix" >&2
        exit 0
    fi
    mkdir -p "$cache"
    work=$(mktemp -d "$cache/.unpack.XXXXXX")
    trap 'rm -rf "$work"' EXIT
    tar -xJf "$archive" -C "$work"
    rm -rf "$prefix"
    mv "$work/qt6-mingw" "$prefix"
    touch "$prefix/.complete"
    echo "$prefix"
    exit 0
fi

echo "No prebuilt archive at $archive: building Qt $qt_version from Debian's source." >&2
echo "A full build takes about 65 minutes on a 2-core machine (1,116 steps, 107 MB installed)." >&2
if [ ! -f "$patch_file" ]; then
    echo "Missing the mingw patch ($patch_file)." >&2
    exit 1
fi
for tool in x86_64-w64-mingw32-g++-posix dpkg-source /usr/lib/qt6/libexec/moc; do
    if ! command -v "$tool" >/dev/null; then
        echo "Missing $tool: run scripts/install-deps.sh (and apt-get install dpkg-dev)." >&2
        exit 1
    fi
done

mkdir -p "$cache"
work=$(mktemp -d "$cache/.build.XXXXXX")
((dry_run)) || trap 'rm -rf "$work"' EXIT

source "$(dirname "$0")/debian-source.sh"
if ((dry_run)); then
    debian_source "$work" "$debian_release" "qt6-base=$debian_version" --print-uris
    echo "would unpack, patch with $patch_file, configure, build and install into $prefix" >&2
    rm -rf "$work"
    exit 0
fi
debian_source "$work" "$debian_release" "qt6-base=$debian_version"
src=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)
patch -d "$src" -p1 <"$patch_file"

cat >"$work/mingw.cmake" <<EOF
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 $prefix)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
EOF

start=$SECONDS
cmake -G Ninja -S "$src" -B "$work/build" \
    -DCMAKE_TOOLCHAIN_FILE="$work/mingw.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_QMAKE_TARGET_MKSPEC=win32-g++ \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_SHARED_LIBS=OFF -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF \
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF \
    -DFEATURE_testlib=ON -DFEATURE_openssl=OFF
rm -rf "$prefix"
cmake --build "$work/build" -j "$(nproc)"
cmake --install "$work/build"
touch "$prefix/.complete"
echo "Built Qt in $(((SECONDS - start) / 60)) minutes." >&2
echo "$prefix"
