# Sourced by the end-to-end tests: start the real program under Wine on the
# test display, find its window, look at its pixels, and send it input.
# Expects DISPLAY and WINEPREFIX set (tools/test.sh does that).

e2e_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
e2e_failures=0
e2e_checks=0
e2e_shot=""
e2e_pid=""
e2e_window=""

e2e_fail() {
    echo "FAIL: $*" >&2
    e2e_checks=$((e2e_checks + 1))
    e2e_failures=$((e2e_failures + 1))
}

e2e_check() { # description, expected, actual
    if [ "$2" = "$3" ]; then
        e2e_checks=$((e2e_checks + 1))
        echo "ok: $1"
    else
        e2e_fail "$1: expected '$2', got '$3'"
    fi
}

# Starts a Windows program (path, arguments...) in the background.
e2e_start() {
    "$e2e_root/tools/wine-run.sh" "$@" </dev/null >/dev/null 2>&1 &
    e2e_pid=$!
}

# Waits for a top-level window whose title is exactly the given text; keeps
# its X id in e2e_window.
e2e_wait_window() {
    local title=$1 id tries
    for tries in $(seq 1 150); do
        id=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1)
        if [ -n "$id" ]; then
            e2e_window=$id
            return 0
        fi
        sleep 0.2
    done
    return 1
}

# Takes a screenshot of the whole screen into a PNG file; remembers it for e2e_pixel.
e2e_screenshot() {
    e2e_shot=$1
    import -display "$DISPLAY" -window root "$e2e_shot"
}

# Prints the pixel at screen (x, y) of the last screenshot as rrggbb.
e2e_pixel() {
    convert "$e2e_shot" -format "%[hex:p{$1,$2}]" info: 2>/dev/null | cut -c1-6 | tr "A-F" "a-f"
}

# Finds the top-left corner of the table's client area on screen in the last
# screenshot, inside the window e2e_window: the first pixel of the table
# colour down a column that only the table crosses near the top, then along
# a row just below the table's top edge. Prints "x y".
e2e_table_origin() {
    local colour=$1 column=$2 X=0 Y=0 WIDTH HEIGHT SCREEN WINDOW x y
    eval "$(xdotool getwindowgeometry --shell "$e2e_window" 2>/dev/null)"
    for y in $(seq "$Y" $((Y + 80))); do
        [ "$(e2e_pixel $((X + column)) "$y")" = "$colour" ] && break
    done
    for x in $(seq "$X" $((X + 40))); do
        [ "$(e2e_pixel "$x" "$((y + 2))")" = "$colour" ] && break
    done
    echo "$x $y"
}

# Takes screenshots until the table shows: the table colour at the given
# table-relative point once the table's origin is found. Sets ox and oy.
e2e_wait_table() { # shot file, colour, probe column, x, y
    local tries
    for tries in $(seq 1 20); do
        e2e_screenshot "$1"
        read -r ox oy < <(e2e_table_origin "$2" "$3")
        [ "$(e2e_pixel $((ox + $4)) $((oy + $5)))" = "$2" ] && return 0
        sleep 0.5
    done
    return 1
}

# Takes screenshots until a table point shows the expected colour or about
# five seconds have passed (a loaded machine may lag behind the input).
e2e_await_table_pixel() { # shot file, x, y, expected
    local tries
    for tries in $(seq 1 20); do
        e2e_screenshot "$1"
        [ "$(e2e_table_pixel "$2" "$3")" = "$4" ] && return 0
        sleep 0.25
    done
    return 1
}

# Starts the program from a build's bin folder and waits until its table
# shows in its default colour; the first screenshot goes to the given file.
# Sets table (the colour as rrggbb), ox and oy. Ends the test when the
# program never shows.
e2e_start_program() { # bin folder, first screenshot
    table=85b1e9 # the default table colour, 0x00E9B185
    e2e_start "$1/Wexa.exe"
    if ! e2e_wait_window Wexa; then
        e2e_fail "no window titled Wexa appeared"
        e2e_finish
        exit 1
    fi
    e2e_wait_table "$2" "$table" 380 350 180 || e2e_fail "the table never showed"
}

# The pixel at a point of the table in the last screenshot.
e2e_table_pixel() {
    e2e_pixel $((ox + $1)) $((oy + $2))
}

# Presses the left button at a table point, moves in steps to another and
# keeps the button down.
e2e_press_and_move() { # x0 y0 x1 y1 steps
    local i
    xdotool mousemove $((ox + $1)) $((oy + $2)) mousedown 1
    for i in $(seq 1 "$5"); do
        xdotool mousemove $((ox + $1 + ($3 - $1) * i / $5)) $((oy + $2 + ($4 - $2) * i / $5))
        sleep 0.02
    done
}

e2e_stop() {
    if [ -n "$e2e_pid" ]; then
        kill "$e2e_pid" 2>/dev/null
        wait "$e2e_pid" 2>/dev/null
    fi
    e2e_pid=""
}

e2e_finish() {
    e2e_stop
    echo "e2e: $((e2e_checks - e2e_failures)) passed, $e2e_failures failed"
    [ "$e2e_failures" -eq 0 ]
}
