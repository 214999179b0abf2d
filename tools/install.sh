#!/usr/bin/env bash
# Installs Morvane Solitaire for the current user, without root: builds it if
# needed, then puts in place
#   ~/.local/share/wexa/        Wexa.exe, cards.dll, the launcher's helpers and,
#                               from the first start on, the game's Wine prefix
#   ~/.local/bin/wexa           the launcher (tools/launcher.sh)
#   ~/.local/share/applications/wexa.desktop              the menu entry
#   ~/.local/share/icons/hicolor/NxN/apps/wexa.png        the icon, six sizes
# (~/.local/share is $XDG_DATA_HOME where that is set). Installing again
# replaces the program and keeps the prefix, and with it the settings.
#
#   bash tools/install.sh               install, or update an install
#   bash tools/install.sh --uninstall   remove all of it, the prefix included
set -eu
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/.." && pwd)
build=${WEXA_BUILD:-$root/build}
share=${XDG_DATA_HOME:-$HOME/.local/share}
data=$share/wexa
bin=$HOME/.local/bin
entry=$share/applications/wexa.desktop
icons=$share/icons/hicolor
sizes=(16 32 48 64 128 256)
# The folders an install made, one a line, so that uninstalling removes them
# again once they are empty, and no folder that was there before.
record=$data/folders
made=()

say() { echo "install: $*"; }

make_dir() {
    [ -d "$1" ] && return 0
    make_dir "$(dirname "$1")"
    mkdir "$1"
    made+=("$1")
}

# An icon cache someone else made is brought up to date; none is made.
refresh_icon_cache() {
    if [ -e "$icons/icon-theme.cache" ] && command -v gtk-update-icon-cache >/dev/null; then
        gtk-update-icon-cache -q -f -t "$icons" || true
    fi
}

# The build this machine can run: the 32-bit release build where 32-bit Wine
# starts, the 64-bit one elsewhere.
choose_build() {
    if /usr/lib/wine/wine --version >/dev/null 2>&1; then
        cpu=i686
        say "32-bit Wine runs here: installing the 32-bit release build (i686)"
    else
        cpu=x86_64
        say "32-bit Wine does not run here: installing the 64-bit build (x86_64)"
    fi
    program=$build/$cpu/bin
    if command -v cmake >/dev/null && command -v ninja >/dev/null &&
        command -v "$cpu-w64-mingw32-g++-posix" >/dev/null; then
        bash "$here/build.sh" "$cpu" || {
            say "the build failed; 'sudo bash tools/setup.sh' installs what it needs" >&2
            exit 1
        }
    elif [ -e "$program/Wexa.exe" ] && [ -e "$program/cards.dll" ]; then
        say "no compilers here: installing the build that is already in $program"
    else
        say "building needs the compilers: run 'sudo bash tools/setup.sh' once, then this again" >&2
        exit 1
    fi
}

write_entry() {
    cat >"$entry" <<'EOF'
[Desktop Entry]
Type=Application
Name=Morvane Solitaire
GenericName=Patience card game
Comment=Remove pairs of cards worth 13 from a triangle, level after level against the clock
Keywords=solitaire;patience;cards;
Exec=wexa
Icon=wexa
Terminal=false
Categories=Game;CardGame;
StartupWMClass=wexa.exe
EOF
}

install_game() {
    if ! env -u WINEPREFIX wine --version >/dev/null 2>&1; then
        say "Wexa is a Windows program and needs Wine, which is missing or does not start here. Install it as root:" >&2
        say "    apt-get install wine wine64" >&2
        say "(and for the 32-bit release build: dpkg --add-architecture i386; apt-get update; apt-get install wine32:i386)" >&2
        exit 1
    fi
    choose_build
    [ ! -e "$data/Wexa.exe" ] || say "replacing the installed program; its Wine prefix, and so the settings, stay"
    make_dir "$data"
    make_dir "$bin"
    make_dir "$(dirname "$entry")"
    # install(1) replaces a file rather than writing into it: a game still
    # running keeps its program.
    install -m 644 "$program/Wexa.exe" "$program/cards.dll" "$data/"
    install -m 755 "$here/wine-run.sh" "$here/wine-prefix.sh" "$data/"
    install -m 755 "$here/launcher.sh" "$bin/wexa"
    write_entry
    for n in "${sizes[@]}"; do
        make_dir "$icons/${n}x$n/apps"
        install -m 644 "$root/res/art/icon-$n.png" "$icons/${n}x$n/apps/wexa.png"
    done
    [ ${#made[@]} -eq 0 ] || printf '%s\n' "${made[@]}" >>"$record"
    refresh_icon_cache
    say "installed Morvane Solitaire: Games in the desktop's menu, or the command 'wexa'"
    case ":$PATH:" in
        *":$bin:"*) ;;
        *) say "note: $bin is not on your PATH yet; from your next login it is (Debian's ~/.profile adds it)" ;;
    esac
    say "the first start prepares Wine, which takes a few seconds; 'bash tools/install.sh --uninstall' removes it all"
}

uninstall_game() {
    if [ ! -e "$data" ] && [ ! -e "$bin/wexa" ] && [ ! -e "$entry" ]; then
        say "Morvane Solitaire is not installed here: nothing to remove"
        return 0
    fi
    if [ -d "$data/prefix" ] && command -v wineserver >/dev/null; then
        # Ends a game still running, and lets Wine finish writing before the prefix goes.
        WINEPREFIX=$data/prefix wineserver -k 2>/dev/null || true
        WINEPREFIX=$data/prefix wineserver -w 2>/dev/null || true
    fi
    local folders=""
    [ ! -f "$record" ] || folders=$(tac "$record")
    rm -rf "$data"
    rm -f "$bin/wexa" "$entry"
    for n in "${sizes[@]}"; do rm -f "$icons/${n}x$n/apps/wexa.png"; done
    while IFS= read -r folder; do
        [ -z "$folder" ] || rmdir "$folder" 2>/dev/null || true
    done <<<"$folders"
    refresh_icon_cache
    say "removed Morvane Solitaire: the program, its launcher, menu entry and icons, and its Wine prefix"
    say "the settings (table colour and difficulty) lived in that prefix's registry, under"
    say "HKEY_CURRENT_USER\\Software\\Halverin\\Wexa, and are gone with it"
}

case "${1:-}" in
    "") install_game ;;
    --uninstall) uninstall_game ;;
    *) echo "usage: bash tools/install.sh [--uninstall]" >&2; exit 2 ;;
esac
