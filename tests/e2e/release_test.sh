#!/usr/bin/env bash
# The release archive of a build holds the program, our deck and the readme,
# and the program runs from wherever it is unpacked: a folder whose path has
# a space and a non-ASCII letter, started from another current folder. It
# finds our deck beside itself (no "Kilp" error box, the cards show).
# Runs on its own: bash tests/e2e/release_test.sh <build>/bin
set -u
bin=$(cd "$1" && pwd)
build=$(dirname "$bin")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
if [ -z "${WINEPREFIX:-}" ]; then
    source "$e2e_root/tools/environment.sh"
    wexa_ensure_display && wexa_start_wine "$build" || exit 1
    trap 'wexa_stop_wine; wexa_stop_display' EXIT
fi
shots=${WEXA_SHOTS:-$(mktemp -d)}
cmake --build "$build" --target package_zip >/dev/null || { echo "FAIL: no archive made"; exit 1; }
archive=$(ls "$build"/Wexa-*.zip | head -n 1)

work=$(mktemp -d)
folder="$work/Wexa Spiel ü"
mkdir -p "$folder" "$work/elsewhere"
unzip -q "$archive" -d "$folder"
e2e_check "the archive's files" "README.txt Wexa.exe cards.dll" "$(unzip -Z1 "$archive" | sort | xargs)"
grep -q 'HKEY_CURRENT_USER\\Software\\Halverin\\Wexa' "$folder/README.txt" ||
    e2e_fail "the readme does not say where the settings are kept"

cd "$work/elsewhere"
e2e_start "$folder/Wexa.exe"
window=""
for tries in $(seq 1 150); do
    if [ -n "$(xdotool search --onlyvisible --name '^Kilp$' 2>/dev/null)" ]; then
        window=error
        break
    fi
    window=$(xdotool search --onlyvisible --name '^Wexa$' 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    sleep 0.2
done
e2e_check "the program found its deck and opened its window" "yes" \
    "$([ -n "$window" ] && [ "$window" != error ] && echo yes || echo "no ($window)")"
if [ -n "$window" ] && [ "$window" != error ]; then
    e2e_window=$window
    table=85b1e9
    e2e_wait_table "$shots/release.png" "$table" 380 350 180 || e2e_fail "the table never showed"
    # The apex card of the triangle at (360, 178): our deck's black outline and white face.
    e2e_check "a card's outline" "000000" "$(e2e_table_pixel 363 178)"
    e2e_check "a card's face" "ffffff" "$(e2e_table_pixel 395 179)"
fi
cd / && rm -rf "$work"
e2e_finish
