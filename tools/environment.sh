# Sourced by the scripts: gives them an X display, starting Xvfb when there
# is none (sets DISPLAY and, when it started a server, WEXA_XVFB_PID), and a
# running Wine for the build's private prefix. The screen holds the window
# at 192 DPI zoomed to 125 % (1771x1363), which the scale test shows: a test
# cannot start a larger display of its own, as Wine's programs of one prefix
# take the monitors' sizes from the display the prefix's desktop runs on.
wexa_ensure_display() { # [screen size of a server it starts, 2560x2048 when none]
    local screen=${1:-2560x2048}
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
        return 0
    fi
    local n
    for n in $(seq 90 140); do
        if [ -e "/tmp/.X$n-lock" ]; then
            # A lock left by a server that is gone does not hold its number.
            local owner
            owner=$(tr -dc 0-9 <"/tmp/.X$n-lock" 2>/dev/null)
            if [ -n "$owner" ] && kill -0 "$owner" 2>/dev/null; then
                continue
            fi
            rm -f "/tmp/.X$n-lock" "/tmp/.X11-unix/X$n"
        fi
        Xvfb ":$n" -screen 0 "${screen}x24" -nolisten tcp </dev/null >/dev/null 2>&1 &
        WEXA_XVFB_PID=$!
        local tries
        for tries in $(seq 1 50); do
            if DISPLAY=":$n" xdpyinfo >/dev/null 2>&1; then
                export DISPLAY=":$n"
                return 0
            fi
            kill -0 "$WEXA_XVFB_PID" 2>/dev/null || break
            sleep 0.1
        done
        kill "$WEXA_XVFB_PID" 2>/dev/null
        unset WEXA_XVFB_PID
    done
    echo "no X display could be started" >&2
    return 1
}

wexa_stop_display() {
    if [ -n "${WEXA_XVFB_PID:-}" ]; then
        kill "$WEXA_XVFB_PID" 2>/dev/null
        wait "$WEXA_XVFB_PID" 2>/dev/null
        unset WEXA_XVFB_PID
    fi
}

# Starts one persistent wineserver for the build's prefix, and the prefix's
# own services, with every standard stream on /dev/null so that they hold
# no caller's pipes open. Sets WINEPREFIX.
wexa_start_wine() { # build folder
    export WINEPREFIX=$1/wineprefix
    bash "$(dirname "${BASH_SOURCE[0]}")/wine-prefix.sh" || { echo "could not make the Wine prefix" >&2; return 1; }
    export WINEDEBUG=-all
    wineserver -p </dev/null >/dev/null 2>&1
    "$(dirname "${BASH_SOURCE[0]}")/wine-run.sh" cmd /c exit </dev/null >/dev/null 2>&1
    return 0
}

wexa_stop_wine() {
    wineserver -k </dev/null >/dev/null 2>&1
}

# Text drawn the same on every machine for the tests: Wine takes anti-aliasing
# from fontconfig (the prefix's FontSmoothing setting does not change it), so
# this points fontconfig at the system's configuration with anti-aliasing off.
wexa_pin_text_rendering() {
    export FONTCONFIG_FILE
    FONTCONFIG_FILE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine-fonts.conf
}
