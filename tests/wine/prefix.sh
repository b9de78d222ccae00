#!/bin/sh
# The private Wine prefix of a test run.
#   prefix.sh setup PREFIX KEEPER.EXE   makes a fresh, headless prefix and keeps one process in it
#   prefix.sh cleanup PREFIX            ends every process of the prefix
# KW_WINE_BINDIR names the Wine bin folder (default Debian's); the 32-bit
# tests pass the one that tests/wine/wine32.sh prepared.
set -eu
action=$1
prefix=$2
bindir=${KW_WINE_BINDIR:-/usr/lib/wine}
WINE=$bindir/wine64
WINESERVER=$bindir/wineserver
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
unset DISPLAY WAYLAND_DISPLAY

case "$action" in
setup)
    keeper=$3
    "$WINESERVER" -k 2>/dev/null || true
    rm -rf "$prefix"
    mkdir -p "$(dirname "$prefix")"
    "$WINE" wineboot -i >/dev/null 2>&1
    "$WINESERVER" -w
    # Headless windows, no crash dialogue, no debugger: a crash must end the
    # process, not wait for a user. RelayInclude limits the trace that the
    # harness asks for to the calls it reads.
    reg="$prefix/kw-settings.reg"
    cat >"$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Drivers]
"Graphics"="null"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\AeDebug]
"Debugger"=-

[HKEY_CURRENT_USER\Software\Wine\Debug]
"RelayInclude"="user32.MessageBoxA;kernel32.CreateProcessA"
REG
    "$WINE" regedit /S "$(echo "Z:$reg" | tr / '\\')" >/dev/null 2>&1
    "$WINESERVER" -k 2>/dev/null || true
    "$WINESERVER" -w
    # The long-lived process: Wine's services start now, detached from any test's pipes.
    setsid "$WINE" "$keeper" </dev/null >/dev/null 2>&1 &
    sleep 2
    echo "Wine prefix ready: $prefix"
    ;;
cleanup)
    "$WINESERVER" -k 2>/dev/null || true
    "$WINESERVER" -w 2>/dev/null || true
    echo "Wine prefix stopped: $prefix"
    ;;
esac
