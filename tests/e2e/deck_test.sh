#!/usr/bin/env bash
# A deck that cannot be used ends the program cleanly: missing, cut to 1 KB
# or to half its size, or empty, with no deck in the system folder either
# (as on every Windows since Vista). Each time the player sees the deck's error box, and once it is
# answered the program is gone within 10 s with no window left behind.
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

program_gone() { ! kill -0 "$e2e_pid" 2>/dev/null && [ -z "$(e2e_pids)" ]; }
size=$(stat -c %s "$1/cards.dll")
for case in missing 1024 half empty; do
    folder="$work/$case"
    mkdir -p "$folder"
    cp "$1/Wexa.exe" "$folder/"
    case $case in
        missing) ;;
        1024) head -c 1024 "$1/cards.dll" >"$folder/cards.dll" ;;
        half) head -c $((size / 2)) "$1/cards.dll" >"$folder/cards.dll" ;;
        empty) : >"$folder/cards.dll" ;;
    esac
    e2e_launch "$folder/Wexa.exe"
    e2e_sees "$case deck: the error box shows" e2e_shown Kilp && e2e_shot "$case"
    xdotool key --window "$w" Return 2>/dev/null
    e2e_until 10 program_gone && e2e_check "$case deck: the program ends with no window left" yes yes ||
        e2e_check "$case deck: the program ends with no window left" yes no
    e2e_finish >/dev/null
    e2e_pid=""
done
e2e_finish
