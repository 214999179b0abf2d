#!/usr/bin/env bash
# Starts Morvane Solitaire. tools/install.sh installs this as ~/.local/bin/wexa
# and the program with wine-run.sh and wine-prefix.sh in the game's own
# folder. The game runs under a Wine prefix of its own, as tools/run.sh runs
# it, and gets the launcher's arguments (wexa /seed 7).
data=${XDG_DATA_HOME:-$HOME/.local/share}/wexa
export WINEPREFIX=$data/prefix

# Making the prefix takes a while; the player sees what is happening: a small
# window, else a notification, else a line on the terminal.
first_start() {
    local text="Preparing Wine for the first start of Morvane Solitaire..."
    echo "wexa: $text" >&2
    if command -v zenity >/dev/null && [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
        bash "$data/wine-prefix.sh" --keep |
            zenity --progress --pulsate --auto-close --no-cancel --width 360 \
                --title "Morvane Solitaire: first start" --text "$text" 2>/dev/null
    else
        if command -v notify-send >/dev/null; then
            notify-send -a "Morvane Solitaire" -i wexa "Morvane Solitaire" "$text" 2>/dev/null &
        fi
        bash "$data/wine-prefix.sh" --keep
    fi
    [ -e "$WINEPREFIX/.wexa-ready" ] || { echo "wexa: Wine could not prepare $WINEPREFIX" >&2; return 1; }
}

if [ ! -e "$data/Wexa.exe" ]; then
    echo "wexa: the game is not installed in $data (bash tools/install.sh installs it)" >&2
    exit 1
fi
[ -e "$WINEPREFIX/.wexa-ready" ] || first_start || exit 1
exec "$data/wine-run.sh" "$data/Wexa.exe" "$@"
