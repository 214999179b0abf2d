#!/usr/bin/env bash
# The program on a display of 144 and of 192 DPI (the prefix's LogPixels,
# put back however the test ends), on a screen of 2560x2048 or more: the
# window and table at their sizes, the seed-1 deal's card edges where they
# belong, a pair by mouse, the level by keys, the Well Done screen and the
# colour dialog; Ctrl+Plus takes the window to the next zoom step, which
# Exit keeps in the zoom setting and the next start opens at. Screenshots of
# each DPI's screens stay in the build folder's scale-shots.
set -u
export WEXA_SHOTS=${WEXA_SHOTS:-$1/../scale-shots}
mkdir -p "$WEXA_SHOTS"
source "$(dirname "$0")/lib.sh"
key='HKCU\Software\Halverin\Wexa' desktop='HKCU\Control Panel\Desktop'
deal=$("${WEXA_DEAL_LAYOUT:-$e2e_root/build/native/deal_layout}" 1 1) || e2e_give_up "deal_layout prints the deal"
old=$(e2e_reg query "$desktop" /v LogPixels | awk '$1 == "LogPixels" { print $3 }')
restore=(delete "$desktop" /v LogPixels /f)
[ -n "$old" ] && restore=(add "$desktop" /v LogPixels /t REG_DWORD /d "$old" /f)
e2e_at_exit sh -c '"$@" >/dev/null 2>&1' - "$e2e_root/tools/wine-run.sh" reg "${restore[@]}"
# Nor is the zoom this test leaves kept for the next program that starts.
e2e_at_exit sh -c '"$@" >/dev/null 2>&1' - "$e2e_root/tools/wine-run.sh" reg delete "$key" /f
read -r width height < <(xdotool getdisplaygeometry)
[ "$width" -ge 2560 ] && [ "$height" -ge 2048 ] || e2e_give_up "a screen of 2560x2048 or more (tools/environment.sh makes one)"

# Device pixels worked out by hand: the table's 706x528 logical pixels times
# 1.5 and 2, and times 1.875 and 2.5 once zoomed to 125 %, each edge rounded
# half up; the window adds the 1-pixel border, the menu bar (28 and 37 pixels
# at these DPIs) and the table's 2-pixel sunken edge. The deal's edges: the
# ace at place 22 starts at x = 147, the queen at place 28 ends at x = 644,
# both end at y = 466, and the card at place 1 starts at y = 178; each probe
# the card's black outline or the table just past it.
cases=(
    "144 1065x826 1059x792 1330x1024 1324x990
     220,627,$table 221,627,000000 965,627,000000 966,627,$table 900,698,000000 900,699,$table 570,266,$table 570,267,000000"
    "192 1418x1099 1412x1056 1771x1363 1765x1320
     293,836,$table 294,836,000000 1287,836,000000 1288,836,$table 1200,931,000000 1200,932,$table 760,355,$table 760,356,000000"
)
# The device pixel mid-way across those logical pixel $1 covers, to point at and to look at.
dev() { echo $(((2 * $1 + 1) * dpi / 192)); }
at_logical() { at "$(dev "$1")" "$(dev "$2")"; }
point() { echo $((ox + $(dev "$1"))) $((oy + $(dev "$2"))); }
sized() { e2e_geometry && e2e_found_table && [ "${WIDTH}x$HEIGHT ${W}x$H" = "$1" ]; }
has_size() { e2e_until 60 sized "$1"; e2e_check "at $dpi DPI $2" "$1" "${WIDTH}x$HEIGHT ${W}x$H"; }
# Keeps the last screenshot's window as NAME-DPI.png.
keep() { convert "$e2e_last" -crop "${WIDTH}x$HEIGHT+$X+$Y" +repage "$shots/$1-$dpi.png"; }
seen() { local p x y; for p in $edges; do IFS=, read -r x y _ <<<"$p"; echo -n "$(at "$x" "$y") "; done; }
dealt() { e2e_shot deal; [ "$(seen)" = "$want" ]; }
removed() { e2e_shot removed; [ "$(at_logical 40 500) $(at_logical 160 450) $(at_logical 608 371)" = "ffffff $table $table" ]; }
undone() { e2e_shot undone; [ "$(at_logical 160 450) $(at_logical 608 371) $(at_logical 40 500)" = "ffffff ffffff $table" ]; }
well_done() { prompt_shown && e2e_shot well-done && [ "$(count ffff00 0 $((H / 8)) "$W" $((H / 2)))" -gt 300 ]; }
gone() { ! e2e_shown "$1"; }

for case in "${cases[@]}"; do
    read -r dpi window client zoomed_window zoomed_client edges <<<"$(echo $case)"
    want=$(for p in $edges; do echo -n "${p##*,} "; done)
    e2e_reg add "$desktop" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
    e2e_reg delete "$key" /f >/dev/null
    e2e_start "$1" /seed 1
    has_size "$window $client" "the window and its table"
    e2e_until 60 prompt_shown && keep intro
    e2e_pass_intro
    e2e_until 60 dealt
    e2e_check "at $dpi DPI the deal's card edges lie at their places" "$want" "$(seen)" && keep deal

    # The ace of hearts (place 22) dragged by its open lower half onto the queen (place 28), then taken back.
    xdotool mousemove $(point 182 430) mousedown 1
    for i in 1 2 3 4 5 6 7 8 9 10; do xdotool mousemove $(point $((182 + 426 * i / 10)) 430); sleep 0.03; done
    xdotool mouseup 1
    e2e_sees "at $dpi DPI a pair dragged by the mouse leaves for the removed pile" removed
    xdotool key ctrl+z
    e2e_sees "at $dpi DPI Ctrl+Z puts it back" undone
    python3 "$(dirname "$0")/keyboard_play.py" "$deal" "$ox" "$oy" "$width" "$dpi"
    e2e_check "at $dpi DPI the level is played by keys" 0 $?
    e2e_sees "at $dpi DPI the Well Done!!! screen shows" well_done && keep well-done

    e2e_activate && xdotool key F10 Down c
    e2e_sees "at $dpi DPI the colour dialog opens" e2e_shown Options
    e2e_shot colour && keep colour && xdotool key --window "$w" Escape 2>/dev/null
    e2e_sees "at $dpi DPI Esc closes it" gone Options
    # The pointer stays over the window: without a window manager the keys go where it is.
    e2e_activate && xdotool key ctrl+plus
    has_size "$zoomed_window $zoomed_client" "Ctrl+Plus zooms the window and its table to 125 %"
    e2e_exit
    e2e_check "at $dpi DPI Exit keeps the zoom" "REG_DWORD 0x7d" "$(e2e_reg query "$key" /v zoom | awk '$1 == "zoom" { print $2, $3 }')"
    e2e_start "$1"
    has_size "$zoomed_window $zoomed_client" "the next start opens at 125 %"
    e2e_until 60 prompt_shown && keep zoomed
    e2e_exit
done
e2e_finish
