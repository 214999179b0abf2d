#!/usr/bin/env bash
# Level 1 of seed 1 played with key presses only: Enter ends the
# introduction, then eight pairs found in the deal (deal_layout prints it)
# go by Tab and Enter, the "next level" button is pressed with Enter, and
# the "Well Done!!!" screen shows whole (its yellow lines and its prompt).
set -u
source "$(dirname "$0")/lib.sh"
e2e_reg delete 'HKCU\Software\Halverin\Wexa' /f >/dev/null
deal=$("${WEXA_DEAL_LAYOUT:-$e2e_root/build/native/deal_layout}" 1 1) || e2e_give_up "deal_layout prints the deal"
e2e_start "$1" /seed 1
e2e_until 60 prompt_shown || e2e_give_up "the introduction asks to continue"
# Keys go to the window with the focus: without a window manager that is set by hand.
xdotool windowfocus --sync "$e2e_window"
xdotool key Return
dealt() { e2e_shot deal; [ "$(at 608 371)" = ffffff ]; }
e2e_sees "Enter ends the introduction and the deal fills the triangle" dealt
python3 "$(dirname "$0")/keyboard_play.py" "$deal" "$ox" "$oy" "$(xdotool getdisplaygeometry | cut -d' ' -f1)"
e2e_check "the level is played by keys" 0 $?
well_done() { prompt_shown && e2e_shot well-done && [ "$(count ffff00 0 $((H / 8)) "$W" $((H / 2)))" -gt 300 ]; }
e2e_sees "Enter on the next level button brings the Well Done!!! screen" well_done
e2e_finish
