# Card volumes for the end-to-end tests, sourced by them: loop devices
# holding fresh file systems, marked removable the way a USB card reader
# shows them (a file holding 1 bound over the loop device's sysfs flag) in a
# private mount namespace, and everything undone on exit, also on failure.
# The sourcing script calls `need_card_volumes TOOL...` first.

skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# need_card_volumes SCRIPT ARGS...: skips without root, /dev/fuse or a tool,
# and runs SCRIPT again in a private mount namespace.
need_card_volumes() {
    local script=$1
    shift
    [ "$(id -u)" = 0 ] || skip "loop devices and mounts need root"
    [ -e /dev/fuse ] || skip "no /dev/fuse here"
    for tool in unshare losetup mkfs.exfat mount.exfat-fuse cmp; do
        command -v "$tool" > /dev/null || skip "$tool is not installed"
    done
    if [ -z "${ROSMOSSEL_PRIVATE_MOUNTS:-}" ]; then
        ROSMOSSEL_PRIVATE_MOUNTS=1 exec unshare -m --propagation private bash "$script" "$@"
    fi
    work=$(mktemp -d /tmp/rosmossel-cards-e2e.XXXXXX)
    mounts=() loops=() children=() failures=0
    trap cleanup_card_volumes EXIT
    trap 'exit 1' INT TERM
}

cleanup_card_volumes() {
    for pid in "${children[@]}"; do kill "$pid" 2> /dev/null; done
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        umount "${mounts[$i]}" 2> /dev/null || umount -l "${mounts[$i]}" 2> /dev/null
    done
    for loop in "${loops[@]}"; do losetup -d "$loop" 2> /dev/null; done
    rm -rf "$work"
}

mounted() { # wait until the mount table shows $1
    for _ in $(seq 200); do
        grep -qF " $1 " /proc/self/mountinfo && return 0
        sleep 0.01
    done
    return 1
}

# exfat_card LABEL: a removable loop device holding a fresh exFAT file
# system, not mounted; sets $loop.
exfat_card() {
    local image
    image=$(mktemp "$work/image.XXXXXX")
    truncate -s 40M "$image"
    mkfs.exfat -L "$1" "$image" > /dev/null || return 1
    loop=$(losetup -f --show "$image") || return 1
    loops+=("$loop")
    local flag="$work/removable-${loop##*/}"
    echo 1 > "$flag"
    mount --bind "$flag" "/sys/devices/virtual/block/${loop##*/}/removable" || return 1
    mounts+=("/sys/devices/virtual/block/${loop##*/}/removable")
}

# put_in LOOP MOUNTPOINT [OPTIONS]: mounts the card, as the desktop does
# when it is inserted (OPTIONS such as ro go to the FUSE daemon).
put_in() {
    mkdir -p "$2"
    mount.exfat-fuse -d ${3:+-o "$3"} "$1" "$2" > /dev/null 2>&1 &
    mounts+=("$2")
    mounted "$2"
}

# take_out MOUNTPOINT: unmounts the card.
take_out() {
    umount "$1"
}
