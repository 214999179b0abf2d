#!/usr/bin/env bash
# The program starts, loads our deck and paints the card table: the table
# colour, the rounded corners of a card, the black card outline, and the
# engraved empty place in the table's shades.
set -u
bin=$1
source "$(dirname "$0")/lib.sh"
shots=${WEXA_SHOTS:-$(mktemp -d)}

e2e_start "$bin/Wexa.exe"
if ! e2e_wait_window Wexa >/dev/null; then
    e2e_fail "no window titled Wexa appeared"
    e2e_finish 1
    exit 1
fi
table=005000
e2e_wait_table "$shots/showcase.png" "$table" 380 350 180 || e2e_fail "the table never showed"
at() { e2e_pixel $((ox + $1)) $((oy + $2)); }

checks=0
check() { checks=$((checks + 1)); e2e_check "$@"; }

check "table colour left of the apex card" "$table" "$(at 350 180)"
# The apex card of the triangle lies at (360, 178): its cut corner shows
# the table, its outline is black, its face white.
check "apex card's top-left corner pixel is table" "$table" "$(at 360 178)"
check "apex card's outline" "000000" "$(at 363 178)"
check "apex card's face" "ffffff" "$(at 365 181)"
# The empty place with the outline style at (420, 78): base colour at the
# cut corner and at (2, 2), the dark top edge, the light dither at (3, 3).
check "empty place corner keeps the table colour" "$table" "$(at 420 78)"
check "empty place dark top edge" "003000" "$(at 425 78)"
check "empty place dither, base pixel" "$table" "$(at 422 80)"
check "empty place dither, light pixel" "387340" "$(at 423 81)"

e2e_finish "$checks"
