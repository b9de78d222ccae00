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

build_and_test() {
    target=$1
    shift
    if ! ./scripts/build.sh "$target" "$@"; then
        echo "!! build of $target failed"
        failed=$((failed + 1))
        summary="$summary\n  build $target: failed"
        return
    fi
    run_suite "$target"
}

build_and_test host
build_and_test host-asan
# The shipped 32-bit exe: its static checks here, its end-to-end tests
# below, run by the x86_64 harness in a WoW64 prefix.
build_and_test win32

echo "== preparing Wine for 32-bit programs"
msg=$(mktemp)
if bindir=$(sh tests/wine/wine32.sh 2>"$msg") && [ -n "$bindir" ]; then
    cat "$msg"
    way=$(tail -n 1 "$msg")
    build_and_test win64 -DKW_UNINSTALL32="$PWD/build/win32/bin/uninstall.exe" -DKW_WINE32_BINDIR="$bindir"
    summary="$summary\n  32-bit end-to-end tests: ${way#wine32: }"
else
    cat "$msg"
    echo "!! the 32-bit exe's end-to-end tests cannot run: $(tail -n 1 "$msg")"
    failed=$((failed + 1))
    summary="$summary\n  32-bit end-to-end tests: could not run ($(tail -n 1 "$msg"))"
    build_and_test win64 -DKW_UNINSTALL32= -DKW_WINE32_BINDIR=
fi
rm -f "$msg"

printf "\nSuites:$summary\n"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
