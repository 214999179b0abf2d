#!/usr/bin/env bash
# A level on the real program with the seed-1 deal: the introduction waits
# for its prompt, the deal fills the triangle, the "cards remaining" label
# shows whole over its panel, a pair dragged together leaves for the removed
# pile and the count goes from 16 to 14, Ctrl+Z brings both cards and the
# 16 back, P pauses and resumes, minimised for 20 s the level waits, F2
# asks first (No keeps the level), a card in hand goes home when another
# program takes the focus, and after F2 and Yes the intro goes out onto the
# empty table.
set -u
source "$(dirname "$0")/lib.sh"
e2e_reg delete 'HKCU\Software\Halverin\Wexa' /f >/dev/null
e2e_start "$1" /seed 1
e2e_pass_intro
# The deal ends with the bottom row's last card, place 28 at (573, 370).
dealt() { e2e_shot deal; [ "$(at 608 371)" = ffffff ]; }
e2e_until 60 dealt || e2e_give_up "the deal fills the triangle's last place"

# The label's white ink, leftmost and rightmost column, over the cards
# panel, whose 54-pixel picture starts 278 pixels left of the right edge.
panel=$((W - 278))
read -r left right < <(convert "$e2e_last" -crop "200x18+$((ox + panel - 73))+$((oy + 11))" +repage txt:- |
    awk -F'[,:]' '/#FFFFFF/ { if (!n++ || $1 < l) l = $1; if ($1 > r) r = $1 } END { print l, r }')
left=$((panel - 73 + left)) right=$((panel - 73 + right)) middle=$(((left + right) / 2 - panel - 27))
e2e_check "the label reaches past both sides of its panel" yes \
    "$([ "$left" -lt "$panel" ] && [ "$right" -ge $((panel + 54)) ] && echo yes || echo no)"
e2e_check "the label is centred over the panel (within 3 pixels)" yes \
    "$([ "$middle" -ge -3 ] && [ "$middle" -le 3 ] && echo yes || echo no)"
# The number's two digits, each half of the picture, as they read "16".
tens=$(area "$panel" 40 27 30) ones=$(area $((panel + 27)) 40 27 30)

# Seed 1 deals the ace of hearts to place 22 (147, 370) and the queen of
# hearts to place 28: drag the ace by its open lower half onto the queen.
xdotool mousemove $((ox + 182)) $((oy + 430)) mousedown 1
for i in 1 2 3 4 5 6 7 8 9 10; do xdotool mousemove $((ox + 182 + 426 * i / 10)) $((oy + 430)); sleep 0.03; done
xdotool mouseup 1
e2e_shot pair-slide
removed() { e2e_shot removed; [ "$(at 40 500)" = ffffff ] && [ "$(at 160 450)" = "$table" ] && [ "$(at 608 371)" = "$table" ]; }
e2e_sees "both cards leave their places for the removed pile" removed
e2e_check "the count keeps its tens digit" "$tens" "$(area "$panel" 40 27 30)"
e2e_check "the count's ones digit changes" yes "$([ "$ones" != "$(area $((panel + 27)) 40 27 30)" ] && echo yes || echo no)"

xdotool key ctrl+z
undone() { e2e_shot undone; [ "$(at 160 450) $(at 608 371) $(at 40 500)" = "ffffff ffffff $table" ]; }
e2e_sees "Ctrl+Z puts both cards back and empties the pile" undone
e2e_check "Ctrl+Z brings back the 16" "$tens $ones" "$(area "$panel" 40 27 30) $(area $((panel + 27)) 40 27 30)"

# P covers the table and P brings it back. Minimised for 20 s by the
# system's own call (no window manager here to ask), P halfway, the level
# waits; restored, the bar goes on from where it stood.
xdotool key p && e2e_sees "P covers the cards with the Paused screen" eval 'e2e_shot paused; [ "$(count ffffff 0 0 650 60)" = 0 ]'
xdotool key p && e2e_sees "P brings the table back" undone
used() { e2e_shot "$1"; count 004064 $((W - 28)) 12 1 424; } # the bar's dark rows
"$e2e_root/tools/wine-run.sh" "$1/showwindow.exe" "$e2e_window" minimize </dev/null >/dev/null 2>&1
stood=$(used minimised)
sleep 10 # the player is away, and
xdotool key p && sleep 10 # presses P halfway
"$e2e_root/tools/wine-run.sh" "$1/showwindow.exe" "$e2e_window" restore </dev/null >/dev/null 2>&1
e2e_sees "restored, the bar goes on from where it stood (up to 8 rows on)" \
    eval 'rows=$(used restored); [ $((rows - stood)) -ge 1 ] && [ $((rows - stood)) -le 8 ]'

xdotool key F2
asking() { e2e_shown 'Morvane Solitaire'; }
e2e_sees "F2 during a level asks first" asking
e2e_shot question
answered() { xdotool windowfocus "$w" 2>/dev/null; xdotool key "$1"; sleep 0.5; ! asking; }
e2e_until 60 answered n
e2e_shot after-no
e2e_check "No keeps the level: the cards and the 16 stay" "ffffff ffffff $ones" \
    "$(at 160 450) $(at 608 371) $(area $((panel + 27)) 40 27 30)"

# The ace in hand when another program takes the focus (xmessage, given it
# as a window manager would), let go over that program, then the pointer
# over the queen and the empty table, with no click.
xmessage -geometry +0+0 -title "$e2e_tag" "another program" 2>/dev/null &
other=$! && e2e_at_exit sh -c "kill $other 2>/dev/null"
shown() { o=$(xdotool search --onlyvisible --name "^$e2e_tag\$" 2>/dev/null | head -n 1); [ -n "$o" ]; }
xdotool windowfocus --sync "$e2e_window" mousemove $((ox + 182)) $((oy + 430)) mousedown 1 sleep 0.1 mousemove $((ox + 250)) $((oy + 300))
e2e_until 60 shown && xdotool windowfocus --sync "$o" sleep 0.2 mousemove 5 5 sleep 0.1 mouseup 1 sleep 0.1 \
    mousemove $((ox + 330)) $((oy + 200)) sleep 0.1 mousemove $((ox + 608)) $((oy + 430)) sleep 0.1 mousemove $((ox + 510)) $((oy + 135))
home() { e2e_shot home; [ "$(at 160 450) $(at 608 371) $(at 40 500) $(count "$table" 480 110 60 50)" = "ffffff ffffff $table 3000" ]; }
e2e_sees "a card in hand goes home when another program takes the focus: no pair made, none on the pointer" home
kill "$other" && e2e_activate

xdotool key F2 && e2e_until 60 asking && e2e_until 60 answered y
e2e_pass_intro
# Frames until the intro's plain black leaves the bottom row's band: no card white.
frames=0 midway=0 cards=0 black=1
while [ "$black" != 0 ] && [ "$cards" = 0 ] && [ $((frames += 1)) -le 300 ]; do
    import -display "$DISPLAY" -window root -crop "497x55+$((ox + 147))+$((oy + 375))" "$shots/wipe.png"
    read -r black white < <(convert "$shots/wipe.png" -format %c histogram:info:- |
        awk '/#000000/ { b = $1 } /#FFFFFF/ { w = $1 } END { print b + 0, w + 0 }')
    cards=$((cards + (white > 0))) midway=$((midway + (black > 0 && black < 27335)))
done
e2e_check "the wipe-out after F2 and Yes ($frames frames, $midway midway) shows no old card" "1 0" "$((midway > 0)) $cards"
e2e_finish
