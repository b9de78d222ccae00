#!/bin/sh
# Configures and builds one target: host, host-asan, win32 or win64 (or all).
# Further arguments go to the configure step (-DNAME=VALUE).
set -eu
cd "$(dirname "$0")/.."
targets=${1:-all}
[ $# -gt 0 ] && shift
[ "$targets" = all ] && targets="host host-asan win32 win64"
for t in $targets; do
    echo "== build $t"
    cmake --preset "$t" "$@" >/dev/null
    cmake --build --preset "$t"
done
