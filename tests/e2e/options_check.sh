#!/usr/bin/env bash
# To run once the main window carries the menu (rename to options_test.sh).
# The background colour dialog from the Game menu: it opens on the table's
# colour, choosing another swatch with the keys and OK paints the table in
# that colour; Help > Contents opens the help (our viewer: the prefix has no
# HTML renderer) and Esc closes it.
set -u
bin=$1
source "$(dirname "$0")/lib.sh"
shots=${WEXA_SHOTS:-$(mktemp -d)}

e2e_start_program "$bin" "$shots/options-start.png"
main=$e2e_window

# Waits for a visible window with that title; prints its id.
await_window() {
    local tries id
    for tries in $(seq 1 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.2
    done
    return 1
}
# Waits until no visible window has that title.
await_gone() {
    local tries
    for tries in $(seq 1 100); do
        [ -z "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null)" ] && return 0
        sleep 0.2
    done
    return 1
}

xdotool windowactivate --sync "$main" 2>/dev/null; xdotool windowfocus --sync "$main"
xdotool key alt+g c
dialog=$(await_window Options) || e2e_fail "the Options dialog did not open"
if [ -n "${dialog:-}" ]; then
    e2e_screenshot "$shots/options-dialog.png"
    # Tab order: OK, Cancel, the list; End picks the last swatch (0x00DF32FE), Enter is OK.
    xdotool key --delay 100 Tab Tab End Return
    await_gone Options || e2e_fail "Enter did not close the dialog"
    e2e_await_table_pixel "$shots/options-pink.png" 350 180 fe32df ||
        e2e_fail "the table did not turn pink: $(e2e_table_pixel 350 180)"
fi

xdotool key alt+h c
viewer=$(await_window "Morvane Solitaire") || e2e_fail "the help did not open"
if [ -n "${viewer:-}" ]; then
    e2e_screenshot "$shots/help.png"
    xdotool key Escape
    await_gone "Morvane Solitaire" || e2e_fail "Esc did not close the help"
fi
e2e_finish
