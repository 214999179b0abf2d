#!/usr/bin/env bash
# The main window on the real program: Easy and Normal move the check mark
# in the "Game" menu, the menu bar right of "Help" moves the window,
# closing writes both settings, and a second copy of the game is not taken
# for ours.
set -u
source "$(dirname "$0")/lib.sh"
key='HKCU\Software\Halverin\Wexa'
e2e_reg delete "$key" /f >/dev/null
e2e_start "$1" /seed 1
# The keys go to our window wherever the last test left the pointer.
e2e_activate

# The mean row of the check mark's black ink in the open menu's left column;
# none while the menu is not painted yet (a fresh X window is all black).
check_row() {
    local MX MY
    eval "$(xdotool getwindowgeometry --shell "$menu" | sed 's/^X=/MX=/;s/^Y=/MY=/')"
    e2e_shot menu
    row=$(convert "$e2e_last" -crop "14x$HEIGHT+$((MX + 1))+$MY" +repage txt:- |
        awk -F'[,:]' '/#000000/ { n++; s += $2 } END { if (n > 3 && n < 60) print int(s / n) }')
    [ -n "$row" ]
}
# By the keyboard: under Wine a click on the menu bar right after a command
# chosen by key only ends the menu mode instead of opening the menu.
open_menu() { xdotool key F10 Down; e2e_until 60 menu_open; }
menu_closed() { ! menu_open; }
choose() { xdotool key "$1"; e2e_until 60 menu_closed; }
# Wine shows a menu again in its old window, old pixels first: wait for the new state.
on_easy() { check_row && [ "$row" -lt $((normal - 8)) ]; }
on_normal() { check_row && [ "$row" = "$normal" ]; }

open_menu
e2e_until 60 check_row || e2e_give_up "the Game menu opens with a check mark"
normal=$row
choose s # Ea&sy
open_menu
e2e_sees "Easy moves the check mark up one entry" on_easy
choose r # No&rmal
open_menu
e2e_sees "Normal moves it back" on_normal
choose s

# Drag the menu bar right of "Help" by (40, 30): the window follows the
# pointer (each poll nudges it again, for a move loop that starts late) and
# stays where it is let go.
e2e_geometry
x0=$X y0=$Y
moved() { e2e_geometry; [ "$X $Y" = "$((x0 + 40)) $((y0 + 30))" ]; }
follows() { xdotool mousemove $((x0 + 441)) $((y0 + 41)) mousemove $((x0 + 440)) $((y0 + 40)); moved; }
xdotool mousemove $((x0 + 400)) $((y0 + 10)) mousedown 1
e2e_until 60 follows
xdotool mouseup 1
e2e_sees "the menu bar right of Help moves the window by (40, 30)" moved

# A second copy opens over ours. The test still acts on its own window: its
# Exit closes ours, and the other stays open until the test ends it.
ours=$e2e_window ours_pid=$e2e_pid
e2e_tag=$e2e_tag-other e2e_launch "$1/Wexa.exe" /seed 2
e2e_pid=$ours_pid
e2e_at_exit bash "$e2e_state/processes.sh" "$e2e_tag-other"
other() { xdotool search --onlyvisible --name '^Wexa$' | grep -vx "$ours"; }
e2e_sees "a second copy opens" other
e2e_check "of the two, the test takes only its own window for its own" "$ours" "$(e2e_windows '^Wexa$' | xargs)"
e2e_exit
e2e_check "Exit closes ours and leaves the other open" "yes yes" "$(window_gone && echo yes) $(other >/dev/null && echo yes)"
e2e_check "closing writes the colour and the difficulty" "0xe9b185 0x9c45" \
    "$(e2e_reg query "$key" | awk '/bgcolor/ { c = $3 } /difficulty/ { d = $3 } END { print c, d }')"
e2e_finish
