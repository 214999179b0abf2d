#!/usr/bin/env bash
# A player drags cards on the real program: the card follows the pointer
# and the place it left shows its empty outline; a drop on an empty place
# puts it there; a release over bare table slides the cards back and leaves
# the table exactly as it was.
set -u
bin=$1
source "$(dirname "$0")/lib.sh"
shots=${WEXA_SHOTS:-$(mktemp -d)}

e2e_start_program "$bin" "$shots/drag-before.png"
at() { e2e_table_pixel "$@"; }
# The table without the countdown bar, which moves on its own.
table_crop() { convert "$1" -crop "660x480+$ox+$oy" +repage "$2"; }
table_crop "$shots/drag-before.png" "$shots/drag-before-table.png"

# Take the apex card (360, 178) by its uncovered top band, 35 and 7 pixels
# into the card, and carry it over the empty place at (432, 78).
e2e_press_and_move 395 185 467 85 12
e2e_await_table_pixel "$shots/drag-middle.png" 467 79 ffffff
e2e_check "mid-drag: the card's face under the pointer" "ffffff" "$(at 467 79)"
e2e_check "mid-drag: the card's cut corner shows the place beneath" "$table" "$(at 432 78)"
e2e_check "mid-drag: the apex place shows the empty outline's dither" "a0c1ef" "$(at 363 181)"
xdotool mouseup 1
sleep 0.5
e2e_await_table_pixel "$shots/drag-after-drop.png" 435 78 000000
e2e_check "after the drop: the card lies on the empty place" "ffffff" "$(at 467 79)"
e2e_check "after the drop: its outline is black" "000000" "$(at 435 78)"
e2e_check "after the drop: the apex place stays empty" "a0c1ef" "$(at 363 181)"

# Take the top card of the first side stack (its fourth card, at 41, 10) and
# let it go over bare table: it slides back, leaving no trace.
table_crop "$shots/drag-after-drop.png" "$shots/drag-reference.png"
e2e_press_and_move 60 40 600 200 15
sleep 0.3
xdotool mouseup 1
for tries in $(seq 1 20); do
    sleep 0.25
    e2e_screenshot "$shots/drag-after-return.png"
    table_crop "$shots/drag-after-return.png" "$shots/drag-after-return-table.png"
    changed=$(compare -metric AE "$shots/drag-reference.png" "$shots/drag-after-return-table.png" null: 2>&1)
    [ "$changed" = 0 ] && break
done
e2e_check "a card that slides back leaves every pixel as it was" "0" "$changed"

e2e_finish
