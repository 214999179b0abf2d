#!/usr/bin/env bash
# A deck that cannot be used ends the program cleanly: missing, cut to 1 KB
# or to half its size, or empty, with no deck in the system folder either
# (as on every Windows since Vista). Each time the player sees the deck's error box, and once it is
# answered the program is gone within 10 s with no window left behind.
set -u
source "$(dirname "$0")/lib.sh"
work=$(mktemp -d)
system_deck=$WINEPREFIX/drive_c/windows/system32/cards.dll
# The prefix's own deck is put aside, and always put back.
[ -e "$system_deck" ] && mv "$system_deck" "$work/system-cards.dll"
trap '[ -e "$work/system-cards.dll" ] && mv "$work/system-cards.dll" "$system_deck"; rm -rf "$work"' EXIT

box_shown() { box=$(xdotool search --onlyvisible --name '^Kilp$' 2>/dev/null | head -n 1); [ -n "$box" ]; }
program_gone() { ! kill -0 "$e2e_pid" 2>/dev/null && ! xdotool search --onlyvisible --name '^(Wexa|Kilp)$' >/dev/null 2>&1; }
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
    e2e_program="Z:$(echo "$folder" | tr / '\\')\\Wexa.exe"
    "$e2e_root/tools/wine-run.sh" "$folder/Wexa.exe" </dev/null >/dev/null 2>&1 &
    e2e_pid=$!
    e2e_sees "$case deck: the error box shows" box_shown && e2e_shot "$case"
    xdotool key --window "$box" Return 2>/dev/null
    e2e_until 10 program_gone && e2e_check "$case deck: the program ends with no window left" yes yes ||
        e2e_check "$case deck: the program ends with no window left" yes no
    e2e_finish >/dev/null
    e2e_pid=""
done
e2e_finish
