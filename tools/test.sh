#!/usr/bin/env bash
# Builds everything and runs every test: the native core (plain and under the
# sanitizers), the Windows layer under Wine, and the program end to end.
# Exits non-zero when anything fails.
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/.." && pwd)
export WEXA_BUILD=${WEXA_BUILD:-$root/build}
build=$WEXA_BUILD

bash "$here/setup.sh" || exit 1
bash "$here/build.sh" || exit 1

passed=0
failed=0
status=0
report=()

# Runs CTest in one build folder and adds its counts to the totals.
run_ctest() {
    local dir=$1
    shift
    local log=$dir/ctest.log
    echo "=== tests: $(basename "$dir")"
    ctest --test-dir "$dir" --output-on-failure "$@" 2>&1 | tee "$log"
    local summary
    summary=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
    if [ -z "$summary" ] && grep -q 'No tests were found' "$log"; then
        return
    fi
    if [ -z "$summary" ]; then
        echo "tests: no summary from $(basename "$dir")" >&2
        report+=("$(basename "$dir"): no summary (see $log)")
        status=1
        return
    fi
    local bad total
    bad=$(echo "$summary" | sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/')
    total=$(echo "$summary" | sed -E 's/.* failed out of ([0-9]+).*/\1/')
    passed=$((passed + total - bad))
    failed=$((failed + bad))
    report+=("$(basename "$dir"): $((total - bad)) passed, $bad failed")
    while read -r name; do
        report+=("  failed: $name")
    done < <(sed -n '/The following tests FAILED/,$ s/^[[:space:]]*[0-9]* - \([^ ]*\).*/\1/p' "$log")
    [ "$bad" -eq 0 ] || status=1
}

run_ctest "$build/native" -j 2
run_ctest "$build/sanitize" -j 2

# The deck reader fed a fixed count of inputs made from its seeds, our deck
# of each build with every picture cut small, so the run's length is bounded.
# An input that fails is kept in build/fuzz to become a regular test case.
fuzz_runs=500000
run_fuzz() {
    local seeds corpus start=$SECONDS
    seeds=$(mktemp -d) corpus=$(mktemp -d)
    echo "=== fuzz: deck reader, $fuzz_runs inputs"
    for name in x86_64 i686; do
        /usr/bin/python3 "$root/tests/e2e/deck_file.py" small "$build/$name/bin/cards.dll" "$seeds/$name.dll"
    done
    if "$build/fuzz/deck_fuzz" -runs=$fuzz_runs -seed=1 -artifact_prefix="$build/fuzz/" "$corpus" "$seeds" \
        >"$build/fuzz/fuzz.log" 2>&1; then
        report+=("fuzz: deck reader: $(grep -E '^Done [0-9]+ runs' "$build/fuzz/fuzz.log") ($((SECONDS - start)) s in all), no failure")
        passed=$((passed + 1))
    else
        grep -E 'ERROR|SUMMARY|Test unit written' "$build/fuzz/fuzz.log"
        report+=("fuzz: deck reader failed (full log: $build/fuzz/fuzz.log)")
        failed=$((failed + 1))
        status=1
    fi
    echo "${report[-1]}"
    rm -rf "$seeds" "$corpus"
}
run_fuzz

# The Windows layer: a display, text drawn without anti-aliasing, the private
# prefix, and one persistent wineserver whose helpers do not hold CTest's
# pipes open.
source "$here/environment.sh"
wexa_ensure_display || exit 1
wexa_pin_text_rendering
wexa_start_wine "$build" || exit 1

run_ctest "$build/x86_64"
if dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "install ok installed"; then
    run_ctest "$build/i686"
else
    why=$(cat /var/lib/wexa-setup/wine32-not-run 2>/dev/null) || why="no 32-bit Wine on this machine"
    report+=("i686 built, not run: $why")
    echo "=== tests: i686 built, not run ($why)"
fi

wexa_stop_wine
wexa_stop_display

echo "=== summary"
printf '%s\n' "${report[@]}"
echo "total: $passed passed, $failed failed"
exit $status
