# Sourced by the end-to-end tests: start the real program under Wine on the
# test display, wait for what the player would see, look at its pixels and
# send it input. Expects DISPLAY and WINEPREFIX set (tools/test.sh does that).
# Every wait polls for a visible state, with a generous upper bound.
#
# A test acts only on the program it started: the program carries a tag in
# its environment, and windows count as ours only when the process that made
# them carries it. However the script ends (its last line, a failed check, an
# error under set -u, Ctrl+C, or a time-out's SIGKILL), whatever carries the
# tag is ended and the steps given to e2e_at_exit run: by the EXIT trap, or,
# when the script is killed outright, by a watcher in a session of its own.

e2e_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
shots=${WEXA_SHOTS:-$(mktemp -d)}
e2e_failures=0
e2e_checks=0
e2e_pid=""
e2e_last="(none taken)"
table=85b1e9 # the default table colour, 0x00E9B185
e2e_tag=wexa-e2e-$$-$RANDOM
e2e_state=$(mktemp -d)
# Ends (or with "list", lists) the processes that carry a tag: the program
# and Wine's loader for it. The Wine server and the prefix's own services
# are left alone, as other programs may share them.
cat >"$e2e_state/processes.sh" <<'END'
for pid in $(grep -lsxzF "WEXA_E2E_TAG=$1" /proc/[0-9]*/environ | cut -d/ -f3); do
    tr '\0' ' ' 2>/dev/null <"/proc/$pid/cmdline" | grep -qiE 'wineserver|c:\\windows\\' && continue
    if [ "${2:-}" = list ]; then echo "$pid"; else kill -9 "$pid" 2>/dev/null; fi
done
END
: >"$e2e_state/at-exit.sh"
e2e_cleanup() {
    [ -d "$e2e_state" ] || return 0
    bash "$e2e_state/processes.sh" "$e2e_tag"
    bash "$e2e_state/at-exit.sh"
    rm -rf "$e2e_state"
}
# Runs a shell command when the test ends, however it ends.
e2e_at_exit() { printf '%q ' "$@" >>"$e2e_state/at-exit.sh" && echo >>"$e2e_state/at-exit.sh"; }
trap e2e_cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP
setsid bash -c 'while kill -0 "$1" 2>/dev/null; do sleep 0.5; done
    [ -d "$2" ] && { bash "$2/processes.sh" "$3"; bash "$2/at-exit.sh"; }; rm -rf "$2"' \
    e2e-watch "$$" "$e2e_state" "$e2e_tag" </dev/null >/dev/null 2>&1 &

e2e_check() { # description, expected, actual
    e2e_checks=$((e2e_checks + 1))
    if [ "$2" = "$3" ]; then
        echo "ok: $1"
    else
        echo "FAIL: $1: expected '$2', got '$3'" >&2
        e2e_failures=$((e2e_failures + 1))
    fi
}

# Runs a command every 0.2 s until it succeeds; fails after the bound (seconds).
e2e_until() { # bound, command...
    local end=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$end" ] || return 1
        sleep 0.2
    done
}

# Waits up to 60 s for a state the player would see and reports it as a check.
e2e_sees() { # description, command...
    local what=$1
    shift
    e2e_until 60 "$@" && e2e_check "$what" yes yes && return
    e2e_check "$what" yes "no (last screenshot $e2e_last)"
}

e2e_reg() { "$e2e_root/tools/wine-run.sh" reg "$@" 2>/dev/null | tr -d '\r'; }

# Screenshot of the whole screen into $shots/NAME.png, kept for the probes below.
e2e_shot() { e2e_last=$shots/$1.png; import -display "$DISPLAY" -window root "$e2e_last"; }
# The pixel at a table point of the last screenshot, as rrggbb.
at() { convert "$e2e_last" -format "%[hex:p{$((ox + $1)),$((oy + $2))}]" info: 2>/dev/null | cut -c1-6 | tr A-F a-f; }
# How many pixels of a colour lie in a table rectangle of the last screenshot.
count() { # colour x y width height
    convert "$e2e_last" -crop "$4x$5+$((ox + $2))+$((oy + $3))" +repage -format %c histogram:info:- |
        awk -v c="$1" 'tolower($0) ~ "#" c { n += $1 } END { print n + 0 }'
}
# A table rectangle of the last screenshot as text, to compare two states.
area() { convert "$e2e_last" -crop "$3x$4+$((ox + $1))+$((oy + $2))" +repage txt:- | md5sum | cut -c1-32; }
click() { xdotool mousemove $((ox + $1)) $((oy + $2)) click 1; }

e2e_pids() { bash "$e2e_state/processes.sh" "$e2e_tag" list; }
# Our visible windows whose title matches a pattern, newest last.
e2e_windows() { # title pattern
    local pids window
    pids=" $(e2e_pids | xargs) "
    for window in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
        [[ $pids == *" $(xdotool getwindowpid "$window" 2>/dev/null) "* ]] && echo "$window"
    done
}
# Sets $w to our first visible window with that title.
e2e_shown() { w=$(e2e_windows "^$1\$" | head -n 1); [ -n "$w" ]; }
e2e_geometry() { eval "$(xdotool getwindowgeometry --shell "$e2e_window" 2>/dev/null)"; }
e2e_found_window() { e2e_window=$(e2e_windows '^Wexa$' | head -n 1); [ -n "$e2e_window" ]; }
# The table's client area: inside the window's 1-pixel border, below the
# menu bar and inside the table's own 2-pixel sunken edge, whose inner dark
# line ends where the table begins. Sets ox, oy, W and H.
e2e_found_table() {
    local y
    e2e_geometry
    e2e_shot start
    for y in $(seq "$Y" $((Y + 60))); do
        if [ "$(ox=$((X + 100)) oy=$y at 0 0)" = 6a6a6a ]; then
            ox=$((X + 3)) oy=$((y + 1)) W=$((WIDTH - 6)) H=$((Y + HEIGHT - 3 - y - 1))
            return 0
        fi
    done
    return 1
}

# Starts a program under Wine with this test's tag; sets e2e_pid.
e2e_launch() { # program, arguments...
    WEXA_E2E_TAG=$e2e_tag "$e2e_root/tools/wine-run.sh" "$@" </dev/null >/dev/null 2>&1 &
    e2e_pid=$!
}
# Starts Wexa.exe from a build's bin folder with the given arguments and
# waits for its window and table; ends the test when they never show.
e2e_start() { # bin folder, arguments...
    e2e_launch "$1/Wexa.exe" "${@:2}"
    e2e_until 60 e2e_found_window && e2e_until 60 e2e_found_table ||
        e2e_give_up "the program shows its window and table"
}
# Gives our window the keyboard as a player would, with a click on the empty
# part of its menu bar: Wine takes keys only for the window it holds active.
e2e_activate() { e2e_geometry; xdotool mousemove $((X + WIDTH - 8)) $((Y + 8)) click 1; }

# The introduction's blinking "click to continue..." is on screen (white
# ink where it is drawn, centred 5/6 of the way down).
prompt_shown() { e2e_shot intro; [ "$(count ffffff $((W / 2 - 80)) $((H / 3 + H / 2)) 160 24)" -gt 40 ]; }
# Clicks the introduction away once its prompt shows.
e2e_pass_intro() {
    e2e_until 60 prompt_shown || e2e_give_up "the introduction asks for a click"
    click $((W / 2)) $((H / 2))
}
# A state that never came: nothing after it can be checked.
e2e_give_up() { e2e_check "$1" yes no; e2e_finish; exit 1; }

# Ends the program: WM_CLOSE through the menu's Exit (keyboard), then waits for the window to go.
window_gone() { [ -z "$(e2e_windows '^Wexa$')" ]; }
# Opens our "Game" menu by the keyboard. A copy started just before may take
# the keys back as it comes up: whatever menu opened elsewhere is closed, and
# ours asked for again.
e2e_open_menu() {
    e2e_activate
    xdotool key F10 Down
    e2e_until 10 menu_open || { xdotool key Escape Escape; return 1; }
}
e2e_exit() {
    # Exit, the menu's last entry, by a click: the keys may go elsewhere while
    # another copy comes up, the pointer not.
    e2e_until 60 e2e_open_menu && eval "$(xdotool getwindowgeometry --shell "$menu" | sed 's/^/menu_/')" &&
        xdotool mousemove $((menu_X + 20)) $((menu_Y + menu_HEIGHT - 8)) click 1
    if e2e_until 60 window_gone; then
        wait "$e2e_pid" 2>/dev/null
        e2e_pid=""
    else
        e2e_check "Exit closes the window" yes no
    fi
}
# A drop-down menu of ours is open: our one untitled visible window; keeps
# its X id in menu.
menu_open() {
    menu=$(e2e_windows '^$' | while read -r w; do
        eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null)"
        [ "$WIDTH" -lt 400 ] && echo "$w"
    done | head -n 1)
    e2e_geometry
    [ -n "$menu" ]
}

# Closes the program as a player would; one stuck behind a box is ended with
# everything else that carries the tag.
e2e_finish() {
    if [ -n "$e2e_pid" ]; then
        e2e_found_window && e2e_exit
        bash "$e2e_state/processes.sh" "$e2e_tag"
        wait "$e2e_pid" 2>/dev/null
        e2e_pid=""
    fi
    echo "e2e: $((e2e_checks - e2e_failures)) passed, $e2e_failures failed; screenshots in $shots"
    [ "$e2e_failures" -eq 0 ]
}
