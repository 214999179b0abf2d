#!/usr/bin/env bash
# The release archive of a build holds the program, our deck and the readme,
# and the program runs from wherever it is unpacked: a folder whose path has
# a space and a non-ASCII letter, started from another current folder. The
# cards it deals are our deck's, found beside the program (the prefix's
# system folder holds another deck of the same name).
set -u
build=$(cd "$1/.." && pwd)
source "$(dirname "$0")/lib.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --build "$build" --target package_zip >/dev/null || e2e_give_up "the build makes its archive"
archive=$(ls "$build"/Wexa-*.zip | head -n 1)
folder="$work/Wexa Spiel ü"
mkdir -p "$folder" "$work/elsewhere"
unzip -q "$archive" -d "$folder"
e2e_check "the archive's files" "README.txt Wexa.exe cards.dll" "$(unzip -Z1 "$archive" | sort | xargs)"
e2e_check "the readme says where the settings are kept" yes \
    "$(grep -q 'HKEY_CURRENT_USER\\Software\\Halverin\\Wexa' "$folder/README.txt" && echo yes || echo no)"

cd "$work/elsewhere"
e2e_start "$folder" /seed 1
e2e_pass_intro
# Seed 1 deals the queen of hearts (our bitmap 38) to place 28 at (573, 370);
# its upper 80 rows lie open. The table draws the outline; inside it, every
# pixel is the bitmap's.
dealt() { e2e_shot release; [ "$(at 608 371)" = ffffff ]; }
e2e_until 60 dealt || e2e_give_up "the deal fills the triangle's last place"
convert "$e2e_last" -crop "67x78+$((ox + 575))+$((oy + 372))" +repage "$work/dealt.png"
convert "$e2e_root/res/cards/card38.bmp" -crop 67x78+2+2 +repage "$work/ours.png"
differing=$(compare -metric AE "$work/dealt.png" "$work/ours.png" null: 2>&1)
e2e_check "the dealt queen of hearts is our deck's" yes \
    "$([ "${differing%%.*}" -eq 0 ] 2>/dev/null && echo yes || echo "no ($differing)")"
e2e_finish
