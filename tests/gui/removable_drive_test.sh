#!/usr/bin/env bash
# removable_drive_test.sh WINE_RUN PREFIX CLI.EXE GUI_TESTS.EXE: under Wine, a
# folder mapped as a removable drive letter (drive type "floppy" in
# HKLM\Software\Wine\Drives) is the card: rosmossel-cli.exe cards lists it, and
# the camera-menu dialog starts on it and writes menu.dat into it. A prefix of
# its own, so that no other test sees a card.
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
rm -rf "$prefix" "$prefix.lock" "$folder"
mkdir -p "$folder"
"$wine_run" "$prefix" cmd /c ver >/dev/null 2>&1 # makes the prefix
ln -s "$folder" "$prefix/dosdevices/r:"
"$wine_run" "$prefix" reg add 'HKLM\Software\Wine\Drives' /v r: /d floppy /f >/dev/null 2>&1
# The drive types are read when the prefix starts.
wineserver=/usr/lib/wine/wineserver
[ -x "$wineserver" ] || wineserver=$(command -v wineserver)
WINEPREFIX=$prefix "$wineserver" -k || true
WINEPREFIX=$prefix "$wineserver" -w

cards=$("$wine_run" "$prefix" "$cli" cards | tr -d '\r')
[[ $cards == 'R:\  SD card '* ]] || fail "rosmossel-cli.exe cards did not list R:\\: '$cards'"
[[ $(echo "$cards" | wc -l) == 1 ]] || fail "more cards than R:\\: $cards"

ROSMOSSEL_REMOVABLE_DRIVE='R:\' QT_QPA_PLATFORM=windows QT_FORCE_STDERR_LOGGING=1 \
    "$wine_run" "$prefix" "$gui" dialogStartsOnTheRemovableDrive
[ "$(stat -c %s "$folder/menu.dat")" = 60 ] || fail "no menu.dat of 60 bytes in the drive's folder"
WINEPREFIX=$prefix "$wineserver" -k || true
rm -rf "$prefix" "$prefix.lock" "$folder"
