#!/usr/bin/env bash
# A deck that cannot be used ends the program cleanly: with no deck in the
# system folder either (as since Vista), ours beside the program missing, cut
# short, empty, or with one field of a bitmap or its resource entry changed,
# the error box shows, and once it is answered the program is gone within 10 s.
# Wine's deck, found in the system folder and numbered rank by rank from 0,
# deals the right faces: the introduction's pairs add up to 13, and the deal
# shows the cards deal_layout prints for seed 1, no king among them.
set -u
source "$(dirname "$0")/lib.sh"
work=$(mktemp -d)
# The system folder the build under test sees: a 32-bit program in a 64-bit
# prefix has its own.
system=system32
x86_64-w64-mingw32-objdump -f "$1/Wexa.exe" | grep -q 'pei-i386' && [ -d "$WINEPREFIX/drive_c/windows/syswow64" ] &&
    system=syswow64
system_deck=$WINEPREFIX/drive_c/windows/$system/cards.dll
# The prefix's own deck is put aside, and put back however the test ends.
if [ -e "$system_deck" ]; then
    mv "$system_deck" "$work/system-cards.dll" && e2e_at_exit mv -f "$work/system-cards.dll" "$system_deck"
fi
e2e_at_exit rm -rf "$work"
deck_file() { /usr/bin/python3 "$(dirname "$0")/deck_file.py" "$@"; }

program_gone() { ! kill -0 "$e2e_pid" 2>/dev/null && [ -z "$(e2e_pids)" ]; }
size=$(stat -c %s "$1/cards.dll")
# The crafted ones: a field of the first or last bitmap's header, or of its resource entry (address, size).
for case in missing 1024 half empty 'last height 4000' 'last width 100000' 'last header 1048576' \
    'first address 2147418112' 'first size 2147483648' 'last bits 32' 'first bits 32' 'first colours 2147483647' \
    'first compression 1' 'last width 72' 'last height 95'; do
    folder="$work/${case// /-}"
    mkdir -p "$folder" && cp "$1/Wexa.exe" "$folder/"
    case $case in
        missing) ;;
        1024) head -c 1024 "$1/cards.dll" >"$folder/cards.dll" ;;
        half) head -c $((size / 2)) "$1/cards.dll" >"$folder/cards.dll" ;;
        empty) : >"$folder/cards.dll" ;;
        *) deck_file craft "$1/cards.dll" "$folder/cards.dll" $case ;;
    esac
    e2e_launch "$folder/Wexa.exe"
    e2e_sees "deck $case: the error box shows" e2e_shown Kilp && e2e_shot "${case// /-}"
    xdotool key --window "$w" Return 2>/dev/null
    e2e_check "deck $case: the program ends with no window left" yes "$(e2e_until 10 program_gone && echo yes)"
    e2e_finish >/dev/null
    e2e_pid=""
done

cp -p "$work/system-cards.dll" "$system_deck"
mkdir "$work/system" && cp "$1/Wexa.exe" "$work/system/"
deal=$("${WEXA_DEAL_LAYOUT:-$e2e_root/build/native/deal_layout}" 1 1) || e2e_give_up "deal_layout prints the deal"
e2e_start "$work/system" /seed 1
e2e_until 60 prompt_shown || e2e_give_up "the introduction asks to continue"
# Each upper card lies over the top right of its lower partner, its corner in view.
x=$((W / 2 - 142 - 94 / 2 - 94)) y=$((H / 2 - 96 / 3 + 5))
pairs=$(deck_file faces "$system_deck" "$e2e_last" $(for i in 0 1 2 3; do
    echo $((ox + x + 165 * i)),$((oy + y)) $((ox + x - 23 + 165 * i)),$((oy + y + 24))
done))
sums=$(echo "$pairs" | awk 'function v(c) { c = substr(c, 1, length(c) - 1); return c == "A" ? 1 : c == "J" ? 11 : c == "Q" ? 12 : c == "K" ? 13 : c }
    { for (i = 1; i < NF; i += 2) printf "%d ", v($i) + v($(i + 1)) }')
e2e_check "Wine's deck: the introduction's pairs ($pairs) add up to 13" "13 13 13 13 " "$sums"
click $((W / 2)) $((H / 2))
dealt() { e2e_shot wine-deal; [ "$(at 608 371)" = ffffff ]; }
e2e_sees "Wine's deck: the deal fills the triangle" dealt
# Each place's top card: the triangle's rows 32 pixels apart, the side stacks fanned 12 to the right.
places=$(echo "$deal" | awk -F': ' -v ox="$ox" -v oy="$oy" '/^[0-9]+:/ { n = split($2, c, " "); i = $1 + 0
    if (i <= 28) { r = int((sqrt(8 * i - 7) - 1) / 2); x = 71 * (i - r * (r + 1) / 2 - 1) + int(71 * (3 - r / 2)) + 147; y = 178 + 32 * r }
    else { split("5,10 5,130 5,250 129,10 241,10 129,130", at, " "); split(at[i - 28], p, ","); x = p[1] + 12 * (n - 1); y = p[2] }
    print ox + x "," oy + y, c[n] }')
shown=$(deck_file faces "$system_deck" "$e2e_last" $(echo "$places" | cut -d' ' -f1))
e2e_check "Wine's deck: the deal shows seed 1's cards, no king among them" \
    "$(echo "$places" | cut -d' ' -f2 | xargs)" "$shown"
e2e_finish
