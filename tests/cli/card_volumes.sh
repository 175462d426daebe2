# Card volumes for the end-to-end tests, sourced by them: loop devices
# holding fresh file systems, marked removable the way a USB card reader
# shows them (a file holding 1 bound over the loop device's sysfs flag) in a
# private mount namespace, and everything undone on exit, also on failure.
# The sourcing script calls `need_card_volumes TOOL...` first.

skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# need_card_volumes SCRIPT ARGS...: skips without root, /dev/fuse or a tool
# (those in $card_tools too), and runs SCRIPT again in a private mount
# namespace.
need_card_volumes() {
    local script=$1
    shift
    [ "$(id -u)" = 0 ] || skip "loop devices and mounts need root"
    [ -e /dev/fuse ] || skip "no /dev/fuse here"
    for tool in unshare losetup mkfs.exfat mount.exfat-fuse cmp ${card_tools:-}; do
        command -v "$tool" > /dev/null || skip "$tool is not installed"
    done
    if [ -z "${ROSMOSSEL_PRIVATE_MOUNTS:-}" ]; then
        ROSMOSSEL_PRIVATE_MOUNTS=1 exec unshare -m --propagation private bash "$script" "$@"
    fi
    work=$(mktemp -d /tmp/rosmossel-cards-e2e.XXXXXX)
    # children: processes to end; stopped: FUSE daemons a test stopped,
    # woken first so that their mounts can go.
    mounts=() loops=() children=() stopped=() failures=0
    declare -gA kinds=()
    trap cleanup_card_volumes EXIT
    trap 'exit 1' INT TERM
}

cleanup_card_volumes() {
    for pid in "${stopped[@]}"; do kill -CONT "$pid" 2> /dev/null; done
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

# card_image KIND LABEL [PREPARE]: a removable loop device holding a fresh
# exfat, fat32 or ext4 file system, not mounted; PREPARE, a command, is run
# on the image file before it is attached. Sets $loop.
card_image() {
    local kind=$1 label=$2 image
    image=$(mktemp "$work/image.XXXXXX")
    truncate -s 40M "$image"
    case $kind in
    exfat) mkfs.exfat -L "$label" "$image" > /dev/null ;;
    fat32) mkfs.fat -F 32 -S 512 -s 1 -n "$label" "$image" > /dev/null ;;
    ext4) mkfs.ext4 -q -F -L "$label" "$image" ;;
    esac || return 1
    [ -z "${3:-}" ] || $3 "$image" || return 1
    loop=$(losetup -f --show "$image") || return 1
    loops+=("$loop")
    kinds[$loop]=$kind
    local flag="$work/removable-${loop##*/}"
    echo 1 > "$flag"
    mount --bind "$flag" "/sys/devices/virtual/block/${loop##*/}/removable" || return 1
    mounts+=("/sys/devices/virtual/block/${loop##*/}/removable")
}

# exfat_card LABEL: card_image exfat LABEL.
exfat_card() {
    card_image exfat "$1"
}

# put_in LOOP MOUNTPOINT [OPTIONS]: mounts the card, as the desktop does
# when it is inserted (OPTIONS such as ro go to the FUSE daemon); sets
# $daemon to the FUSE daemon, none for ext4, which the kernel mounts.
put_in() {
    mkdir -p "$2"
    daemon=
    case ${kinds[$1]} in
    exfat) mount.exfat-fuse -d ${3:+-o "$3"} "$1" "$2" > /dev/null 2>&1 & daemon=$! ;;
    fat32) fusefat -f -o rw+ ${3:+-o "$3"} -o "fsname=$1" "$1" "$2" > /dev/null 2>&1 &
        daemon=$! ;;
    ext4) mount -t ext4 ${3:+-o "$3"} "$1" "$2" || return 1 ;;
    esac
    mounts+=("$2")
    mounted "$2"
}

# take_out MOUNTPOINT: unmounts the card.
take_out() {
    umount "$1"
}
