#!/usr/bin/env bash
# Runs a Windows program under the build's private Wine prefix, with our own
# cards.dll preferred over Wine's built-in one, no Mono or Gecko prompts, and
# no Wine menu entries or file associations in the user's desktop (Wine makes
# them when it updates a prefix). WEXA_DLL_OVERRIDES adds more (the later
# entry for a library wins).
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/../build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="cards=n;mscoree,mshtml=;winemenubuilder.exe=d${WEXA_DLL_OVERRIDES:+;$WEXA_DLL_OVERRIDES}"
exec wine "$@"
