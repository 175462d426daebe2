#!/usr/bin/env bash
# Fetches Debian 12's own source package of pugixml (the same 1.13 as the
# Linux build's libpugixml-dev) for the Windows build, which compiles it with
# the mingw-w64 toolchain, and prints the folder it lives in (the last line of
# output). Debian has no mingw build of pugixml.
#
#   scripts/fetch-pugixml-source.sh            fetch and unpack, unless already there
#   scripts/fetch-pugixml-source.sh --dry-run  say what would be fetched, change nothing
#
# It goes into a versioned folder under the user's cache folder; once that
# holds a finished unpack, a second run does nothing.
set -euo pipefail

debian_version=1.13-0.2
debian_release=bookworm
name=pugixml-$debian_version
cache=${XDG_CACHE_HOME:-$HOME/.cache}/rosmossel
prefix=$cache/$name

dry_run=0
[ "${1:-}" = --dry-run ] && dry_run=1

if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi
if ! command -v dpkg-source >/dev/null; then
    echo "Missing dpkg-source: run scripts/install-deps.sh." >&2
    exit 1
fi

mkdir -p "$cache"
work=$(mktemp -d "$cache/.pugixml.XXXXXX")
trap 'rm -rf "$work"' EXIT

source "$(dirname "$0")/debian-source.sh"
if ((dry_run)); then
    debian_source "$work" "$debian_release" "pugixml=$debian_version" --print-uris >&2
    echo "would unpack into $prefix" >&2
    exit 0
fi
debian_source "$work" "$debian_release" "pugixml=$debian_version"
src=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'pugixml-*' | head -n1)
if [ ! -f "$src/src/pugixml.cpp" ]; then
    echo "Debian's pugixml source has no src/pugixml.cpp" >&2
    exit 1
fi
rm -rf "$prefix"
mv "$src" "$prefix"
touch "$prefix/.complete"
echo "$prefix"
