#!/usr/bin/env bash
# Builds the program and starts it under Wine, on the user's display or, when
# there is none, on a virtual one.
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/.." && pwd)
export WEXA_BUILD=${WEXA_BUILD:-$root/build}

bash "$here/setup.sh" || exit 1
bash "$here/build.sh" x86_64 || exit 1
export WINEPREFIX=$WEXA_BUILD/wineprefix
bash "$here/wine-prefix.sh" || exit 1

source "$here/environment.sh"
if [ -z "${DISPLAY:-}" ]; then
    echo "run: no display; starting on a virtual one (Xvfb)"
fi
wexa_ensure_display || exit 1
"$here/wine-run.sh" "$WEXA_BUILD/x86_64/bin/Wexa.exe" "$@"
code=$?
wexa_stop_display
exit $code
