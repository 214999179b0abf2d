#!/usr/bin/env bash
# Builds the 64-bit Windows programs and runs every benchmark (tools/bench/)
# under Wine on a display (Xvfb when there is none). Prints the machine, the
# Wine version and each benchmark's figures. Not a test: it never fails on
# slow figures, only when a benchmark cannot run.
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/.." && pwd)
export WEXA_BUILD=${WEXA_BUILD:-$root/build}
build=$WEXA_BUILD

bash "$here/setup.sh" || exit 1
bash "$here/build.sh" x86_64 || exit 1

# The same display, prefix and persistent wineserver as the tests use.
source "$here/environment.sh"
wexa_ensure_display || exit 1
wexa_start_wine "$build" || exit 1

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
echo "wine: $(wine --version)"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg) (other work on the machine shows in the figures)"
echo "display: $DISPLAY"

status=0
found=0
for program in "$build"/x86_64/bin/bench_*.exe; do
    [ -e "$program" ] || continue
    found=1
    echo "=== $(basename "$program" .exe)"
    "$here/wine-run.sh" "$program" </dev/null || { echo "bench: $(basename "$program") failed" >&2; status=1; }
done
[ $found -eq 1 ] || { echo "bench: no benchmark was built" >&2; status=1; }

wexa_stop_wine
wexa_stop_display
exit $status
