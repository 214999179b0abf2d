#!/usr/bin/env bash
# The release archive of a build holds the program, our deck and the readme,
# and the program runs from wherever it is unpacked: a folder whose path has
# a space and a non-ASCII letter, started from another current folder. It
# finds our deck beside itself: its window opens and the cards show.
# Runs on its own: bash tests/e2e/release_test.sh <build>/bin
set -u
build=$(cd "$1/.." && pwd)
source "$(dirname "$0")/lib.sh"
work=$(mktemp -d)
trap 'e2e_stop; rm -rf "$work"; [ -n "${started:-}" ] && wexa_stop_wine && wexa_stop_display' EXIT
if [ -z "${WINEPREFIX:-}" ]; then
    source "$e2e_root/tools/environment.sh"
    started=yes
    wexa_ensure_display && wexa_start_wine "$build" || exit 1
fi
cmake --build "$build" --target package_zip >/dev/null || { echo "FAIL: no archive made"; exit 1; }
archive=$(ls "$build"/Wexa-*.zip | head -n 1)
folder="$work/Wexa Spiel ü"
mkdir -p "$folder" "$work/elsewhere"
unzip -q "$archive" -d "$folder"
e2e_check "the archive's files" "README.txt Wexa.exe cards.dll" "$(unzip -Z1 "$archive" | sort | xargs)"
grep -q 'HKEY_CURRENT_USER\\Software\\Halverin\\Wexa' "$folder/README.txt" ||
    e2e_fail "the readme does not say where the settings are kept"

cd "$work/elsewhere"
e2e_start_program "$folder" "${WEXA_SHOTS:-$work}/release.png"
# The apex card of the triangle at (360, 178): our deck's black outline and white face.
e2e_check "a card's outline" "000000" "$(e2e_table_pixel 363 178)"
e2e_check "a card's face" "ffffff" "$(e2e_table_pixel 395 179)"
e2e_finish
