#!/usr/bin/env bash
# The program starts, loads our deck and paints the card table: the table
# colour, the rounded corners of a card, the black card outline, and the
# engraved empty place in the table's shades.
set -u
bin=$1
source "$(dirname "$0")/lib.sh"
shots=${WEXA_SHOTS:-$(mktemp -d)}

e2e_start_program "$bin" "$shots/showcase.png"
at() { e2e_table_pixel "$@"; }

e2e_check "table colour left of the apex card" "$table" "$(at 350 180)"
# The apex card of the triangle lies at (360, 178): its cut corner shows
# the table, its outline is black, its face white.
e2e_check "apex card's top-left corner pixel is table" "$table" "$(at 360 178)"
e2e_check "apex card's outline" "000000" "$(at 363 178)"
e2e_check "apex card's face" "ffffff" "$(at 395 179)"
# The empty place with the outline style at (432, 78): base colour at the
# cut corner and at (2, 2), the dark top edge, the light dither at (3, 3).
e2e_check "empty place corner keeps the table colour" "$table" "$(at 432 78)"
e2e_check "empty place dark top edge" "4d6a80" "$(at 437 78)"
e2e_check "empty place dither, base pixel" "$table" "$(at 434 80)"
e2e_check "empty place dither, light pixel" "a0c1ef" "$(at 435 81)"

e2e_finish
