#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, if any is missing.
set -euo pipefail
packages=(cmake ninja-build g++ clang libclang-rt-14-dev qt6-base-dev libgl-dev
          # Qt's own texts in the interface languages (built into the Windows program too)
          qt6-translations-l10n
          # the release packages: the Debian package, the Windows zip and installer, their checks
          dpkg-dev file help2man zip unzip nsis lintian desktop-file-utils appstream
          # the card finder: the mount table, udev's database and the file systems' labels
          libmount-dev libudev-dev libblkid-dev
          # the tests and benchmarks, the Chinese font and a virtual display for them
          libgtest-dev libgmock-dev libcli11-dev nlohmann-json3-dev libbenchmark-dev
          fonts-wqy-microhei xvfb xauth
          # real card file systems made and mounted by the tests, and a private D-Bus for eject
          dosfstools fusefat exfatprogs exfat-fuse dbus-daemon
          # the Windows build: cross compiler, Wine to run its tests, GoogleTest's sources
          g++-mingw-w64-x86-64-posix wine64 googletest
          # a sans font standing in for Tahoma under Wine
          fonts-dejavu-core
          # the owners' guide: Markdown to HTML
          python3-markdown
          # the carrier database and its XML reader (the Windows build compiles Debian's
          # source of pugixml, fetched with dpkg-source)
          mobile-broadband-provider-info libpugixml-dev)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
