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

# A private apt configuration with one deb-src entry for the same Debian
# release: the system's sources stay untouched, and apt still checks the
# release signatures against Debian's archive keyring.
apt_dir=$work/apt
mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
cat >"$apt_dir/sources.list" <<SOURCES
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian $debian_release main
SOURCES
apt_opts=(-o "Dir::Etc::SourceList=$apt_dir/sources.list" -o "Dir::Etc::SourceParts=-"
          -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache"
          -o "Dir::State::status=/var/lib/dpkg/status" -o "APT::Sandbox::User=root")
apt-get "${apt_opts[@]}" update >&2
if ((dry_run)); then
    (cd "$work" && apt-get "${apt_opts[@]}" --print-uris --download-only source "pugixml=$debian_version") >&2
    echo "would unpack into $prefix" >&2
    exit 0
fi
(cd "$work" && apt-get "${apt_opts[@]}" source "pugixml=$debian_version") >&2
src=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'pugixml-*' | head -n1)
if [ ! -f "$src/src/pugixml.cpp" ]; then
    echo "Debian's pugixml source has no src/pugixml.cpp" >&2
    exit 1
fi
rm -rf "$prefix"
mv "$src" "$prefix"
touch "$prefix/.complete"
echo "$prefix"
