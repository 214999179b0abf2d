#!/usr/bin/env bash
# Makes the build's private Wine prefix once: font look-alikes for the faces
# the program asks for, and no Mono or Gecko prompts.
set -eu
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/../build/wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
stamp=$WINEPREFIX/.wexa-ready
[ -e "$stamp" ] && exit 0

mkdir -p "$WINEPREFIX"
wineboot -i </dev/null >/dev/null 2>&1
replacements='HKCU\Software\Wine\Fonts\Replacements'
wine reg add "$replacements" /v Georgia /t REG_SZ /d "DejaVu Serif" /f </dev/null >/dev/null 2>&1
wine reg add "$replacements" /v Verdana /t REG_SZ /d "DejaVu Sans" /f </dev/null >/dev/null 2>&1
wineserver -w
touch "$stamp"
