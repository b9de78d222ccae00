#!/bin/sh
# Runs one Windows test program in the test run's prefix. Wine's trace of
# the programs the test starts goes to a log that the harness reads.
# KW_WINEPREFIX and KW_WINE_BINDIR, when set, choose another prefix and Wine
# (the 32-bit tests).
prefix=${KW_WINEPREFIX:-$1}
shift
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
log="$prefix/relay-$$.log"
: >"$log"
export KW_RELAY_LOG="$log"
WINE=${KW_WINE_BINDIR:-/usr/lib/wine}/wine64
"$WINE" "$@" 2>>"$log"
status=$?
if [ $status -ne 0 ]; then
    echo "--- last lines of Wine's output ---"
    grep -v -e ':Call ' -e ':Ret ' "$log" | tail -n 20
fi
rm -f "$log"
exit $status
