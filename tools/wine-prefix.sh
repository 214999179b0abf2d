#!/usr/bin/env bash
# Makes the build's private Wine prefix once: font look-alikes for the faces
# the program asks for, no Mono or Gecko prompts, and none of Wine's own menu
# entries or file associations in the user's desktop.
# With --keep (a player's prefix, made by the installed launcher) a finished
# prefix is never made again: its registry holds the player's settings.
set -eu
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/../build/wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
stamp=$WINEPREFIX/.wexa-ready
if [ "${1:-}" = --keep ] && [ -e "$stamp" ]; then
    exit 0
fi

# What the prefix is made from: Wine, the fonts it draws with, and this
# script. A prefix made from anything else is made again.
fingerprint=$({
    dpkg-query -W -f='${Package}:${Architecture} ${Version}\n' \
        wine wine64 wine32:i386 libwine libwine:i386 fonts-wine fonts-liberation fonts-dejavu-core 2>/dev/null
    sha256sum <"${BASH_SOURCE[0]}"
} | sha256sum | cut -d' ' -f1)
if [ -e "$stamp" ] && [ "$(cat "$stamp")" = "$fingerprint" ]; then
    exit 0
fi

if [ -e "$WINEPREFIX" ]; then
    wineserver -k </dev/null >/dev/null 2>&1 || true
    rm -rf "$WINEPREFIX"
fi
mkdir -p "$WINEPREFIX"
wineboot -i </dev/null >/dev/null 2>&1
replacements='HKCU\Software\Wine\Fonts\Replacements'
wine reg add "$replacements" /v Georgia /t REG_SZ /d "DejaVu Serif" /f </dev/null >/dev/null 2>&1
wine reg add "$replacements" /v Verdana /t REG_SZ /d "DejaVu Sans" /f </dev/null >/dev/null 2>&1
wineserver -w
echo "$fingerprint" >"$stamp"
