#!/usr/bin/env bash
# The release archive of a build holds the program, our deck and the readme,
# and the program runs from wherever it is unpacked: a folder named "C# 100%"
# (characters that mean something in an address) inside one whose name has
# letters outside the ANSI code page, started from another current folder.
# The cards it deals are our deck's, found beside the program (the prefix's
# system folder holds another deck of the same name). Libraries
# left in that folder under the names of the system libraries the program
# uses never run, though Wine is told to prefer them as Windows would, and
# the program imports nothing but the system's known libraries.
set -u
build=$(cd "$1/.." && pwd)
source "$(dirname "$0")/lib.sh"
work=$(mktemp -d)
e2e_at_exit rm -rf "$work"
cmake --build "$build" --target package_zip >/dev/null || e2e_give_up "the build makes its archive"
archive=$(ls "$build"/Wexa-*.zip | head -n 1)
folder="$work/Wexa 漢字 Жук/C# 100%"
mkdir -p "$folder" "$work/elsewhere"
unzip -q "$archive" -d "$folder"
planted=(winmm urlmon comctl32 mshtml msftedit riched20)
for name in "${planted[@]}"; do cp "$1/marker.dll" "$folder/$name.dll"; done
# Wine's own mshtml would ask to install its engine: native only, from wherever it is found.
export WEXA_DLL_OVERRIDES="$(IFS=,; echo "${planted[*]}")=n,b;mshtml=n"
known='advapi32.dll comdlg32.dll gdi32.dll kernel32.dll msvcrt.dll ole32.dll oleaut32.dll shell32.dll user32.dll'
imports=$(x86_64-w64-mingw32-objdump -p "$folder/Wexa.exe" | awk '/DLL Name:/ { print tolower($3) }' | sort -u)
e2e_check "the program imports only known libraries" "" "$(comm -23 <(echo "$imports") <(tr ' ' '\n' <<<"$known"))"
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

xdotool key F10 Right Down c
e2e_sees "Help > Contents opens the page" e2e_shown 'Morvane Solitaire'
xdotool key --window "$w" Escape 2>/dev/null
e2e_until 60 eval "! e2e_shown 'Morvane Solitaire'" || e2e_check "Esc closes the page" yes no
e2e_exit
e2e_check "no planted library ran" "" "$(cd "$folder" && ls -- *.ran 2>/dev/null | xargs)"
e2e_finish
