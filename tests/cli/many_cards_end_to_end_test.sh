#!/bin/bash
# Many cards on real volumes: exFAT images on loop devices marked removable,
# and the real rosmossel-cli writing all of them at once (--all-cards) and
# one after another as they are put in (--each-card).
# Usage: many_cards_end_to_end_test.sh CLI
set -u
cli=$1
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=card_volumes.sh
. "$here/card_volumes.sh"
need_card_volumes "$0" "$@"

# The example profile with its clock fixed, so every card gets the same bytes.
profile="$work/profile.json"
sed 's/"clock": "now"/"clock": "2026-05-01 06:30:00"/' "$here/../../examples/camera-menu.json" > "$profile"
"$cli" generate "$profile" --out "$work" > /dev/null || fail "the reference menu.dat"
same_menu() { cmp -s "$1" "$work/menu.dat"; }

exfat_card CAMA && cama=$loop || skip "the exFAT card could not be made"
exfat_card CAMB && camb=$loop || fail "the second card could not be made"
exfat_card CAMRO && camro=$loop || fail "the third card could not be made"
put_in "$cama" "$work/media/CAMA" || skip "the exFAT card could not be mounted"
put_in "$camb" "$work/media/CAMB" || fail "the second card could not be mounted"

# Two cards: both written, both named, exit 0.
out=$(timeout 20 "$cli" generate "$profile" --all-cards 2>&1)
status=$?
[ $status -eq 0 ] || fail "--all-cards with two cards: status $status: $out"
for label in CAMA CAMB; do
    same_menu "$work/media/$label/menu.dat" || fail "menu.dat on $label is not the one generate writes"
    grep -q "^$label  $work/media/$label  written: menu.dat" <<< "$out" ||
        fail "--all-cards names $label: $out"
done
grep -q "2 of 2 cards written" <<< "$out" || fail "--all-cards summary: $out"

# A third card mounted read-only: the others written, it is named, exit non-zero.
rm -f "$work/media/CAMA/menu.dat" "$work/media/CAMB/menu.dat"
put_in "$camro" "$work/media/CAMRO" ro || fail "the read-only card could not be mounted"
out=$(timeout 20 "$cli" generate "$profile" --all-cards 2> "$work/err")
status=$?
err=$(cat "$work/err")
[ $status -ne 0 ] || fail "--all-cards beside a read-only card: status 0"
for label in CAMA CAMB; do
    same_menu "$work/media/$label/menu.dat" || fail "$label not written beside a read-only card"
done
[ ! -e "$work/media/CAMRO/menu.dat" ] || fail "something was written to the read-only card"
grep -q "^CAMRO  .*not written: the system mounted the card read-only" <<< "$out" ||
    fail "the read-only card's line: $out"
grep -q "2 of 3 cards written; not written: CAMRO" <<< "$err" || fail "the summary names CAMRO: $err"

# As JSON, one object per card.
out=$(timeout 20 "$cli" generate "$profile" --all-cards --json 2> /dev/null)
python3 -c '
import json, sys
cards = {c["label"]: c for c in map(json.loads, sys.stdin.read().splitlines())}
sys.exit(0 if sorted(cards) == ["CAMA", "CAMB", "CAMRO"] and cards["CAMRO"]["outcome"] == "read_only_mount" and cards["CAMA"]["outcome"] == "written" else 1)' <<< "$out" ||
    fail "--all-cards --json: $out"

# cards --json tells what each card holds.
out=$(timeout 20 "$cli" cards --json)
python3 -c '
import json, sys
cards = {c["label"]: c for c in json.load(sys.stdin)}
menu = cards["CAMA"]["files"]["menu.dat"]
ok = menu["state"] == "read" and menu["family"] == "Quill" and menu["camera_mode"] == "Camera+Video"
ok = ok and cards["CAMA"]["files"]["setup.dat"]["state"] == "empty"
ok = ok and cards["CAMA"]["profile"]["camera_menu"]["serial_characters"] == "CAM1"
ok = ok and cards["CAMRO"]["files"]["menu.dat"]["state"] == "empty"
sys.exit(0 if ok else 1)' <<< "$out" || fail "cards --json tells what each card holds: $out"

# The production line: started with no card, then one card put in, then a
# second; each written as it comes, the first never twice; ends by itself.
for label in CAMA CAMB CAMRO; do
    rm -f "$work/media/$label/menu.dat"
    take_out "$work/media/$label" || fail "$label could not be taken out"
done
timeout 60 "$cli" generate "$profile" --each-card --count 2 > "$work/line" 2>&1 &
line=$!
children+=("$line")
waited_for() { # waited_for PATTERN: until the production line prints it
    for _ in $(seq 150); do
        grep -q "$1" "$work/line" && return 0
        sleep 0.1
    done
    return 1
}
waited_for "Waiting for cards" || fail "the production line did not start: $(cat "$work/line")"
put_in "$cama" "$work/media/CAMA" || fail "CAMA could not be put in again"
waited_for "^1  CAMA  " || fail "the first card was not written as it came: $(cat "$work/line")"
sleep 1.2 # more than two looks at the cards with CAMA still inserted
put_in "$camb" "$work/media/CAMB" || fail "CAMB could not be put in again"
wait "$line"
status=$?
children=()
out=$(cat "$work/line")
[ $status -eq 0 ] || fail "--each-card --count 2: status $status: $out"
grep -q "^2  CAMB  " <<< "$out" || fail "the second card was not written: $out"
[ "$(grep -c "  CAMA  " <<< "$out")" -eq 1 ] || fail "the first card was written twice: $out"
grep -q "2 of 2 cards written" <<< "$out" || fail "the production line's summary: $out"
for label in CAMA CAMB; do
    same_menu "$work/media/$label/menu.dat" || fail "--each-card: menu.dat on $label: $out"
done

# Ctrl-C ends the production line with its summary; nothing handled is success.
for label in CAMA CAMB; do take_out "$work/media/$label"; done
timeout 60 "$cli" generate "$profile" --each-card > "$work/line" 2>&1 &
line=$!
children+=("$line")
waited_for "Waiting for cards" || fail "the second production line did not start"
kill -INT "$line"
wait "$line"
status=$?
children=()
[ $status -eq 0 ] || fail "--each-card ended by Ctrl-C: status $status: $(cat "$work/line")"
grep -q "0 of 0 cards written" "$work/line" || fail "the summary after Ctrl-C: $(cat "$work/line")"

[ "$failures" -eq 0 ] && echo "PASS" || exit 1
