#!/usr/bin/env bash
# A player's install in a fresh HOME that already holds ~/.local/bin and another menu entry: a valid
# entry, the icon at every size, the entry's command run as the desktop runs it (progress while the first
# start prepares Wine, then the seed-1 deal), settings kept over a reinstall, HOME as it was after uninstall.
set -u
source "$(dirname "$0")/lib.sh"
export WEXA_BUILD="$(cd "$1/../.." && pwd)" HOME="$(mktemp -d)"
e2e_at_exit env WINEPREFIX="$HOME/.local/share/wexa/prefix" wineserver -k
e2e_at_exit rm -rf "$HOME"
unset XDG_DATA_HOME
share=$HOME/.local/share
mkdir -p "$HOME/.local/bin" "$HOME/.config/pulse" "$share/applications"
echo '[Desktop Entry]' >"$share/applications/other.desktop"
# What is there, less what the sound system keeps for itself when the game plays.
files() { (cd "$HOME" && find . -not -path './.config/pulse/*' | sort); }
before=$(files)
bash "$e2e_root/tools/install.sh" >"$shots/install.log" 2>&1 || e2e_give_up "install.sh installs ($shots/install.log)"

e2e_check "the menu entry is valid" "" "$(desktop-file-validate "$share/applications/wexa.desktop" 2>&1)"
e2e_check "the icon at every size" "16x16 32x32 48x48 64x64 128x128 256x256 " "$(for n in 16 32 48 64 128 256; do
    identify -format '%wx%h ' "$share/icons/hicolor/${n}x$n/apps/wexa.png"; done 2>/dev/null)"

command=$(sed -n 's/^Exec=//p' "$share/applications/wexa.desktop")
(cd "$HOME" && WEXA_E2E_TAG=$e2e_tag PATH=$HOME/.local/bin:$PATH exec $command /seed 1 </dev/null >/dev/null 2>&1) &
e2e_pid=$!
e2e_sees "the first start shows its progress" e2e_shown "Morvane Solitaire: first start"
e2e_until 180 e2e_found_window && e2e_until 60 e2e_found_table || e2e_give_up "the game shows its window and table"
e2e_pass_intro
# Seed 1 deals the queen of hearts (our bitmap 38) last, to place 28 at (573, 370).
dealt() { e2e_shot install; [ "$(at 608 371)" = ffffff ]; }
e2e_until 60 dealt || e2e_give_up "the deal fills the triangle's last place"
e2e_check "seed 1 through the launcher deals the queen of hearts last" "$(area 575 372 67 78)" \
    "$(convert "$e2e_root/res/cards/card38.bmp" -crop 67x78+2+2 +repage txt:- | md5sum | cut -c1-32)"
e2e_exit

export WINEPREFIX=$share/wexa/prefix
e2e_reg add 'HKCU\Software\Halverin\Wexa' /v bgcolor /t REG_DWORD /d 0x00123456 /f >/dev/null
bash "$e2e_root/tools/install.sh" >>"$shots/install.log" 2>&1
e2e_check "installing again keeps the settings" 0x123456 \
    "$(e2e_reg query 'HKCU\Software\Halverin\Wexa' /v bgcolor | awk '/bgcolor/ { print $3 }')"
bash "$e2e_root/tools/install.sh" --uninstall >>"$shots/install.log" 2>&1
e2e_check "uninstalling leaves HOME as it was" "$before" "$(files)"
e2e_finish
