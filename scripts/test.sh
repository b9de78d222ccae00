#!/bin/sh
# Builds everything and runs every test: the pure modules natively (plain and
# under AddressSanitizer/UBSan), the x86_64 build's Windows tests under
# wine64, and the shipped 32-bit exe's checks. Ends with "N passed, M failed".
set -u
cd "$(dirname "$0")/.."
./scripts/setup.sh || exit 1

passed=0
failed=0
summary=""

# Runs one CTest preset and adds its counts to the totals.
run_suite() {
    preset=$1
    shift
    echo "== test $preset"
    log=$(mktemp)
    ctest --preset "$preset" "$@" 2>&1 | tee "$log"
    line=$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
    rm -f "$log"
    if [ -z "$line" ]; then
        echo "!! $preset: no test results"
        failed=$((failed + 1))
        summary="$summary\n  $preset: no results"
        return
    fi
    f=$(echo "$line" | sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/')
    t=$(echo "$line" | sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/')
    passed=$((passed + t - f))
    failed=$((failed + f))
    summary="$summary\n  $preset: $((t - f)) passed, $f failed"
}

for target in host host-asan win32 win64; do
    if ! ./scripts/build.sh "$target"; then
        echo "!! build of $target failed"
        failed=$((failed + 1))
        summary="$summary\n  build $target: failed"
        continue
    fi
    # The 32-bit build's own test programs cannot run here; its exe is
    # tested by the x86_64 harness.
    [ "$target" = win32 ] || run_suite "$target"
done

printf "\nSuites:$summary\n"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
