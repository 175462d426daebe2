#!/bin/bash
# The card finder on real volumes, as a Linux machine shows them: loop
# devices holding exFAT, FAT32 and ext4 images, marked removable the way a
# USB card reader is (a file holding 1 bound over the loop device's sysfs
# flag, in a private mount namespace), and the real rosmossel-cli asked.
# Usage: cards_end_to_end_test.sh CLI [BUILD_DIR]
#   BUILD_DIR: a build with the D-Bus module, installed here with DESTDIR as
#   the package installs it, to see the installed tool's eject reach it.
set -u
cli_program=$1
build=${2:-}
# Every run is bounded, so that the clean-up below always runs.
cli() { timeout -s KILL 30 "$cli_program" "$@"; }
examples=$(cd "$(dirname "$0")/../../examples" && pwd)

here=$(dirname "$0")
card_tools="mkfs.ext4 mkfs.fat fusefat python3"
# shellcheck source=card_volumes.sh
. "$here/card_volumes.sh"
need_card_volumes "$0" "$@"

# A FAT label as a card written elsewhere holds it, in a DOS code page:
# mkfs.fat takes the label as text, so "KX" is made and becomes K and 0x99,
# the code page's Ö.
dos_label() {
    python3 -c "import sys; p=sys.argv[1]; d=open(p,'rb').read(); open(p,'wb').write(d.replace(b'KX         ', b'K\x99         '))" "$1"
}

# volume KIND LABEL MOUNTPOINT [PREPARE]: a removable card, mounted; sets
# $loop and, for FUSE, $daemon.
volume() {
    card_image "$1" "$2" "${4:-}" && put_in "$loop" "$3"
}

json() { # the cards --json output on stdin, a Python expression over `cards`
    python3 -c "import json,sys; cards=json.load(sys.stdin); sys.exit(0 if ($1) else 1)"
}
seconds() { date +%s.%N; }
within() { # within START LIMIT: whether less than LIMIT seconds have passed
    python3 -c "import sys; sys.exit(0 if $(seconds) - $1 < $2 else 1)"
}

# The system disk marked removable as well: its volume at /boot, here in
# the private namespace, is never a card, nor is the disk it is on.
volume ext4 SYSTEM /boot || skip "the system volume could not be made (no ext4 in this kernel?)"
volume exfat CAMA "$work/media/CAMA" || skip "the exFAT card could not be mounted"
healthy_daemon=$daemon

out=$(cli cards --json) || fail "cards --json with one card: status $?"
echo "$out" | json 'len(cards) == 1 and cards[0]["label"] == "CAMA" and cards[0]["file_system"] == "exFAT" and cards[0]["camera_readable"] and cards[0]["responding"]' ||
    fail "one exFAT card, the system disk not listed: $out"
cli generate "$examples/camera-menu.json" --card > /dev/null ||
    fail "generate --card with the one camera card"
[ -s "$work/media/CAMA/menu.dat" ] || fail "menu.dat was not written to the camera card"

# A removable ext4 volume: listed, marked as no camera's, never picked.
volume ext4 DISK "$work/media/DISK" || fail "the ext4 card could not be mounted"
out=$(cli cards --json) || fail "cards --json with an ext4 card: status $?"
echo "$out" | json 'sorted((c["label"], c["camera_readable"]) for c in cards) == [("CAMA", True), ("DISK", False)]' ||
    fail "the ext4 card listed as not camera-readable: $out"
cli cards | grep -q "a camera cannot read ext4: format it as FAT32" ||
    fail "the card list says what to do with the ext4 card"
rm -f "$work/media/CAMA/menu.dat"
cli generate "$examples/camera-menu.json" --card > /dev/null ||
    fail "generate --card picks the camera card beside the ext4 one"
[ -s "$work/media/CAMA/menu.dat" ] || fail "menu.dat was not written beside the ext4 card"
err=$(cli generate "$examples/camera-menu.json" --card DISK 2>&1 > /dev/null)
[ $? -ne 0 ] && [[ $err == *"holds ext4"* ]] || fail "generate --card DISK refused, naming ext4: $err"
[ ! -e "$work/media/DISK/menu.dat" ] || fail "something was written to the ext4 card"

# A FAT label in a DOS code page and a mount point that is no UTF-8.
volume fat32 KX "$work/media/M"$'\xf6' dos_label || fail "the FAT card could not be mounted"
out=$(cli cards --json) || fail "cards --json with a non-UTF-8 label: status $?"
echo "$out" | json 'any(c["label"] == "K\ufffd" and c["root"].endswith("M\ufffd") for c in cards)' ||
    fail "a non-UTF-8 label and mount point shown with replacement characters: $out"
cli cards > /dev/null || fail "cards with a non-UTF-8 label: status $?"

# A card whose FUSE daemon stopped answering, beside a healthy one.
volume exfat SLOW "$work/media/SLOW" || fail "the second exFAT card could not be mounted"
kill -STOP "$daemon" && stopped+=("$daemon")
start=$(seconds)
# The tool leaves a thread waiting on the silent card; a leak checker at exit
# (the sanitizer build) cannot stop that thread, so it is not asked to.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0
out=$(cli cards --json) || fail "cards --json beside a silent card: status $?"
within "$start" 5 || fail "cards --json took more than 5 s beside a silent card"
echo "$out" | json 'any(c["label"] == "SLOW" and not c["responding"] for c in cards) and any(c["label"] == "CAMA" and c["responding"] for c in cards)' ||
    fail "the silent card shown as not responding, the others as they are: $out"
start=$(seconds)
rm -f "$work/media/CAMA/menu.dat"
cli generate "$examples/camera-menu.json" --card CAMA > /dev/null ||
    fail "generate --card CAMA beside a silent card"
within "$start" 5 || fail "generate --card CAMA took more than 5 s beside a silent card"
[ -s "$work/media/CAMA/menu.dat" ] || fail "menu.dat was not written beside a silent card"
kill -CONT "$daemon" && stopped=()
unset ASAN_OPTIONS

# The installed tool finds its D-Bus module where the package put it: the
# eject reaches UDisks2 (absent here), not "module missing".
if [ -n "$build" ]; then
    DESTDIR="$work/stage" cmake --install "$build" --prefix /usr > /dev/null ||
        fail "the build could not be installed with DESTDIR"
    err=$(timeout -s KILL 60 "$work/stage/usr/bin/rosmossel-cli" eject --card CAMA 2>&1)
    [[ $err != *"D-Bus module is missing"* && $err == *"UDisks2"* ]] ||
        fail "the installed rosmossel-cli's eject reaches its D-Bus module: $err"
fi
[ -n "$healthy_daemon" ] || fail "no FUSE daemon for the first card"

[ "$failures" -eq 0 ] && echo "PASS" || exit 1
