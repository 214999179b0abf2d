#!/usr/bin/env bash
# Builds both Windows targets and makes the release archives
# build/Wexa-i686.zip (the release build) and build/Wexa-x86_64.zip, each
# holding Wexa.exe, cards.dll and README.txt.
set -eu
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/.." && pwd)
build=${WEXA_BUILD:-$root/build}
bash "$here/build.sh" i686 x86_64
for cpu in i686 x86_64; do
    cmake --build "$build/$cpu" --target package_zip >/dev/null
    cp "$build/$cpu/Wexa-$cpu.zip" "$build/Wexa-$cpu.zip"
    echo "release: $build/Wexa-$cpu.zip"
done
