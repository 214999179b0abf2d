#!/usr/bin/env bash
# Builds the 64-bit Windows programs and runs every benchmark (tools/bench/)
# under Wine on a display of its own, large enough for the table at 2x. Each
# benchmark runs once per zoom (its argument), in a process of its own, and
# the resident memory at 2x is compared with that at 1x. Prints the machine,
# the Wine version and each benchmark's figures. Not a test: it never fails
# on slow figures, only when a benchmark cannot run.
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/.." && pwd)
export WEXA_BUILD=${WEXA_BUILD:-$root/build}
build=$WEXA_BUILD

bash "$here/setup.sh" || exit 1
bash "$here/build.sh" x86_64 || exit 1

# The prefix and persistent wineserver of the tests; a screen where the 2x
# window fits whole, as on a player's.
source "$here/environment.sh"
unset DISPLAY
wexa_ensure_display 2560x1440 || exit 1
wexa_start_wine "$build" || exit 1

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
echo "wine: $(wine --version)"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg) (other work on the machine shows in the figures)"
echo "display: $DISPLAY"

# The difference of one figure of the "resident memory:" lines of two runs'
# output, in MiB: the working set (field 5) or the peak (field 8).
memory_above() { # field, output at 1x, output at 2x
    awk -v field="$1" '/^resident memory:/ { print $field }' "$2" "$3" |
        awk 'NR == 1 { base = $1 } NR == 2 { printf "%.1f", $1 - base; found = 1 } END { exit !found }'
}

outputs=$(mktemp -d)
status=0
found=0
for program in "$build"/x86_64/bin/bench_*.exe; do
    [ -e "$program" ] || continue
    found=1
    name=$(basename "$program" .exe)
    for zoom in 100 200; do
        echo "=== $name $zoom"
        "$here/wine-run.sh" "$program" "$zoom" </dev/null | tee "$outputs/$name.$zoom"
        [ "${PIPESTATUS[0]}" -eq 0 ] || { echo "bench: $name at zoom $zoom failed" >&2; status=1; }
    done
    if above=$(memory_above 5 "$outputs/$name.100" "$outputs/$name.200"); then
        echo "$name: working set at 2x is $above MiB above 1x (target <= 12 MiB), peak $(memory_above 8 "$outputs/$name.100" "$outputs/$name.200") MiB above"
    fi
done
rm -rf "$outputs"
[ $found -eq 1 ] || { echo "bench: no benchmark was built" >&2; status=1; }

wexa_stop_wine
wexa_stop_display
exit $status
