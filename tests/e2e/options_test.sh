#!/usr/bin/env bash
# The colour dialog and the help page from the menu, by the keyboard: a
# swatch chosen with OK colours the table, Cancel changes nothing, and Help > Contents opens the page, which Esc closes.
set -u
source "$(dirname "$0")/lib.sh"
key='HKCU\Software\Halverin\Wexa'
e2e_reg delete "$key" /f >/dev/null
e2e_start "$1" /seed 1
e2e_pass_intro

gone() { ! e2e_shown "$1"; }
# Game > Change background color; then the keys given, in the dialog.
in_dialog() { xdotool key F10 Down c; e2e_until 60 e2e_shown Options || e2e_give_up "the colour dialog opens"
    xdotool key --window "$w" "$@" 2>/dev/null; e2e_until 60 gone Options; }
coloured() { e2e_shot colour; [ "$(at $((W - 8)) 300)" = "$1" ]; }

# Focus starts on OK; two tabs reach the swatches, End takes the last one.
in_dialog Tab Tab End Return
e2e_sees "OK colours the table with the chosen swatch" coloured fe32df
in_dialog Tab Tab Home Escape
e2e_shot cancelled
e2e_check "Cancel keeps the colour" fe32df "$(at $((W - 8)) 300)"

xdotool key F10 Right Down c
e2e_sees "Help > Contents opens the page" e2e_shown 'Morvane Solitaire'
e2e_shot help
xdotool key --window "$w" Escape 2>/dev/null
e2e_sees "Esc closes it" gone 'Morvane Solitaire'

e2e_finish
