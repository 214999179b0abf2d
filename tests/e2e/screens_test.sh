#!/usr/bin/env bash
# The message screens on the real program: the level screen wipes in over
# the table with its children hidden, stipples the table in the highlight
# colour under its dark-blue title, and ends on a click with the children
# back; the game-over screen ends by itself and leaves the table deaf to
# clicks under "Game Over"; the intro screen has its white band over black
# and gives the table back on a click.
set -u
bin=$1
source "$(dirname "$0")/lib.sh"
shots=${WEXA_SHOTS:-$(mktemp -d)}

e2e_start_program "$bin" "$shots/screens-table.png"
at() { e2e_table_pixel "$@"; }
click() { xdotool mousemove $((ox + $1)) $((oy + $2)) click 1; }
# How many pixels of a colour lie in a rectangle of the last screenshot.
count_colour() { # colour x y width height
    convert "$e2e_shot" -crop "$4x$5+$((ox + $2))+$((oy + $3))" +repage -format %c histogram:info:- |
        awk -v c="$1" 'tolower($0) ~ "#" c { n += $1 } END { print n + 0 }'
}
# The table's height: the last row of table colour down a bare column.
height=0
for y in $(seq 400 600); do
    [ "$(at 690 "$y")" = "$table" ] && height=$((y + 1))
done
bar_x=$((706 - 71 / 2 + 5)) # inside the countdown bar
e2e_check "the countdown bar shows before any screen" "yes" \
    "$([ "$(at "$bar_x" 100)" != "$table" ] && echo yes || echo no)"

highlight=3096fa # the prefix's highlight colour, 48 150 250

# The level screen, from its button at (5, 416).
click 50 430
sleep 0.7
e2e_screenshot "$shots/screens-level-wipe.png"
e2e_check "mid-wipe: the table's corner still shows the table" "$table" "$(at 2 2)"
e2e_check "mid-wipe: the centre already shows the screen" "$highlight" "$(at 354 250)"
e2e_await_table_pixel "$shots/screens-level.png" 660 150 "$highlight"
sleep 0.3
e2e_screenshot "$shots/screens-level.png"
e2e_check "level screen: even pixels of bare table take the highlight" "$highlight" "$(at 660 150)"
e2e_check "level screen: odd pixels keep the table" "$table" "$(at 661 150)"
e2e_check "level screen: the title is written in dark blue" "yes" \
    "$([ "$(count_colour 004064 200 $((height / 8)) 306 60)" -gt 100 ] && echo yes || echo no)"
e2e_check "level screen: the lines are written in yellow" "yes" \
    "$([ "$(count_colour ffff00 100 $((height / 8 + 60)) 506 150)" -gt 100 ] && echo yes || echo no)"
click 300 300
e2e_await_table_pixel "$shots/screens-after-level.png" 660 150 "$table"
sleep 0.5
e2e_screenshot "$shots/screens-after-level.png"
e2e_check "after the level screen: the table is back" "$table" "$(at 660 150)"
e2e_check "after the level screen: the countdown bar is back" "yes" \
    "$([ "$(at "$bar_x" 100)" != "$table" ] && echo yes || echo no)"

# The game-over screen, from its button at (5, 450): it ends by itself.
click 50 464
sleep 1
e2e_screenshot "$shots/screens-gameover-wipe.png"
e2e_await_table_pixel "$shots/screens-gameover.png" 660 150 "$highlight"
sleep 4 # the wipe goes on; the screen ends by itself 600 ms after it
e2e_screenshot "$shots/screens-gameover.png"
e2e_check "game over: the table stays stippled" "$highlight" "$(at 660 150)"
e2e_check "game over: the title is written in black" "yes" \
    "$([ "$(count_colour 000000 200 $((height / 8)) 306 60)" -gt 100 ] && echo yes || echo no)"
click 50 396 # the intro button: the table takes no clicks now
sleep 1
e2e_screenshot "$shots/screens-gameover-click.png"
e2e_check "game over: a click on the table does nothing" "$highlight" "$(at 660 150)"

# The intro screen, from the keyboard: a white band over black.
xdotool key 1
e2e_await_table_pixel "$shots/screens-intro.png" 5 5 ffffff
sleep 0.5
e2e_screenshot "$shots/screens-intro.png"
e2e_check "intro: the white band at the top" "ffffff" "$(at 5 5)"
e2e_check "intro: black below the band" "000000" "$(at 5 $((height / 6 + 5)))"
e2e_check "intro: the title lettering in dark blue" "yes" \
    "$([ "$(count_colour 004064 95 5 516 $((height / 6 - 10)))" -gt 200 ] && echo yes || echo no)"
click 300 300
e2e_await_table_pixel "$shots/screens-after-intro.png" 660 150 "$table"
sleep 0.5
e2e_screenshot "$shots/screens-after-intro.png"
e2e_check "after the intro: the table is back" "$table" "$(at 660 150)"
e2e_check "after the intro: the countdown bar is back" "yes" \
    "$([ "$(at "$bar_x" 100)" != "$table" ] && echo yes || echo no)"

e2e_finish
