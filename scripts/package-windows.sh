#!/usr/bin/env bash
# package-windows.sh [BUILD_DIR] [OUT_DIR] [GUIDE_DIR]: makes the Windows release
# files from a Windows build folder (default build-win) that holds
# src/gui/rosmossel.exe and src/cli/rosmossel-cli.exe, into OUT_DIR (default
# dist), with the owners' guide of GUIDE_DIR (default build/src/gui/guide: a
# cross build cannot take its own pictures, and the windows are the same):
#   rosmossel-<version>-windows-x64.zip        the programs, documents, example
#                                              profiles (examples\), guide (guide\) and
#                                              the carrier database (serviceproviders.xml)
#   rosmossel-<version>-windows-x64-setup.exe  the installer (Debian's makensis)
# The version is the one the build folder was configured with.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build-win}")
out=$(realpath -m "${2:-$root/dist}")
guide=$(realpath -m "${3:-$root/build/src/gui/guide}")

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt" 2>/dev/null || true)
if [ -z "$version" ]; then
    echo "package-windows.sh: $build is not a configured build folder" >&2
    exit 2
fi
programs=("$build/src/gui/rosmossel.exe" "$build/src/cli/rosmossel-cli.exe")
for exe in "${programs[@]}"; do
    if [ ! -f "$exe" ]; then
        echo "package-windows.sh: $exe is missing; build the Windows programs first" >&2
        exit 2
    fi
done

if [ ! -f "$guide/guide.html" ]; then
    echo "package-windows.sh: $guide/guide.html is missing; build the target rosmossel_guide" \
        "in a Linux build folder first" >&2
    exit 2
fi

name=rosmossel-$version-windows-x64
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir -p "$stage/$name" "$out"
for exe in "${programs[@]}"; do
    x86_64-w64-mingw32-strip -o "$stage/$name/$(basename "$exe")" "$exe"
done
# The documents as Windows text files; README.txt is the owners' one.
crlf() { sed 's/\r*$/\r/' "$1" >"$stage/$name/$2"; }
sed "s/@VERSION@/$version/" "$root/packaging/windows/README.txt" | sed 's/\r*$/\r/' \
    >"$stage/$name/README.txt"
crlf "$root/LICENSE" LICENSE.txt
crlf "$root/THIRD-PARTY.md" THIRD-PARTY.txt
mkdir -p "$stage/$name/examples"
for example in "$root"/examples/*.json; do
    crlf "$example" "examples/$(basename "$example")"
done
# The carrier database beside the programs, where Find operator... and
# rosmossel-cli operators look after the owner's own: Debian's file, as the
# Linux package uses it (public domain; THIRD-PARTY says so).
database=/usr/share/mobile-broadband-provider-info/serviceproviders.xml
if [ ! -f "$database" ]; then
    echo "package-windows.sh: $database is missing; install mobile-broadband-provider-info" >&2
    exit 2
fi
cp "$database" "$stage/$name/serviceproviders.xml"
mkdir "$stage/$name/guide"
cp "$guide"/*.html "$guide"/*.png "$stage/$name/guide/"

rm -f "$out/$name.zip" "$out/$name-setup.exe"
(cd "$stage" && zip -q -X -r -9 "$out/$name.zip" "$name")
makensis -V2 -DVERSION="$version" -DSTAGE="$stage/$name" \
    -DOUTFILE="$out/$name-setup.exe" "$root/packaging/windows/rosmossel.nsi"
echo "Made $out/$name.zip and $out/$name-setup.exe"
