#!/usr/bin/env bash
# package.sh LINUX_BUILD WINDOWS_BUILD OUT_DIR: makes the release files from
# finished build folders into OUT_DIR:
#   rosmossel_<version>_amd64.deb              from LINUX_BUILD (cpack -G DEB)
# (the Windows files take the owners' guide of LINUX_BUILD)
#   rosmossel-<version>-windows-x64.zip        from WINDOWS_BUILD
#   rosmossel-<version>-windows-x64-setup.exe  from WINDOWS_BUILD
# An empty WINDOWS_BUILD makes the Debian package alone.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
linux_build=$(realpath "$1")
windows_build=${2:+$(realpath "$2")}
out=$(realpath -m "$3")
mkdir -p "$out"

cmake --build "$linux_build" --target rosmossel rosmossel-cli rosmossel_package_files rosmossel_guide
cpack_dir=$linux_build/cpack
rm -rf "$cpack_dir"
cpack -G DEB --config "$linux_build/CPackConfig.cmake" -B "$cpack_dir" >/dev/null
mv "$cpack_dir"/*.deb "$out"/
rm -rf "$cpack_dir"

if [ -n "$windows_build" ]; then
    # The guide of the Linux build: the same windows, taken where they can be.
    "$root/scripts/package-windows.sh" "$windows_build" "$out" "$linux_build/src/gui/guide"
fi
ls -l "$out"
