#!/usr/bin/env bash
# removable_drive_test.sh WINE_RUN PREFIX CLI.EXE GUI_TESTS.EXE: under Wine, a
# removable drive letter (drive type "floppy" in HKLM\Software\Wine\Drives)
# holding a FAT32 card is the card: rosmossel-cli.exe cards lists it, and the
# camera-menu dialog starts on it and writes menu.dat into it. The letter is
# a folder where a FAT32 image on a loop device is mounted with fusefat, and
# the loop device is given as the drive's device, so that Wine reports the
# card's own file system (a bare folder reports NTFS, which no camera reads).
# A prefix of its own, so that no other test sees a card. Root and /dev/fuse
# are needed; without them the test is skipped.
set -euo pipefail
wine_run=$1
prefix=$(realpath -m "$2")
cli=$3
gui=$4
folder=$prefix-card
fail() {
    echo "removable_drive_test: $*" >&2
    exit 1
}
skip() {
    echo "SKIP: $*"
    exit 77
}
[ "$(id -u)" = 0 ] || skip "a loop device needs root"
[ -e /dev/fuse ] || skip "no /dev/fuse here"
for tool in losetup mkfs.fat fusefat fusermount; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
rm -rf "$prefix" "$prefix.lock" "$folder" "$prefix.img"
mkdir -p "$folder"
loop= daemon=
cleanup() {
    mountpoint -q "$folder" && fusermount -u "$folder"
    [ -n "$daemon" ] && wait "$daemon" 2>/dev/null
    [ -n "$loop" ] && losetup -d "$loop"
    rm -rf "$prefix" "$prefix.lock" "$folder" "$prefix.img"
}
trap cleanup EXIT
truncate -s 40M "$prefix.img"
mkfs.fat -F 32 -S 512 -s 1 -n CAMFAT "$prefix.img" >/dev/null
loop=$(losetup -f --show "$prefix.img")
fusefat -f -o rw+ -o "fsname=$loop" "$loop" "$folder" >/dev/null 2>&1 &
daemon=$!
for _ in $(seq 200); do
    mountpoint -q "$folder" && break
    sleep 0.01
done
mountpoint -q "$folder" || fail "the FAT32 image could not be mounted"
"$wine_run" "$prefix" cmd /c ver >/dev/null 2>&1 # makes the prefix
ln -s "$folder" "$prefix/dosdevices/r:"
ln -s "$loop" "$prefix/dosdevices/r::"
"$wine_run" "$prefix" reg add 'HKLM\Software\Wine\Drives' /v r: /d floppy /f >/dev/null 2>&1
# The drive types are read when the prefix starts.
wineserver=/usr/lib/wine/wineserver
[ -x "$wineserver" ] || wineserver=$(command -v wineserver)
WINEPREFIX=$prefix "$wineserver" -k || true
WINEPREFIX=$prefix "$wineserver" -w

cards=$("$wine_run" "$prefix" "$cli" cards | tr -d '\r')
[[ $cards == 'R:\  SD card CAMFAT (FAT32)'* ]] || fail "rosmossel-cli.exe cards did not list R:\\: '$cards'"
[[ $(echo "$cards" | wc -l) == 1 ]] || fail "more cards than R:\\: $cards"

ROSMOSSEL_REMOVABLE_DRIVE='R:\' QT_QPA_PLATFORM=windows QT_FORCE_STDERR_LOGGING=1 \
    "$wine_run" "$prefix" "$gui" dialogStartsOnTheRemovableDrive
[ "$(stat -c %s "$folder/menu.dat")" = 60 ] || fail "no menu.dat of 60 bytes in the drive's folder"
WINEPREFIX=$prefix "$wineserver" -k || true
