#!/bin/sh
# Runs both fuzz targets for longer (default 600 s each); a failing input is
# kept in the target's corpus folder as a regression case.
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-600}
./scripts/setup.sh
./scripts/build.sh host-asan >/dev/null
sh tests/fuzz/run.sh build/host-asan/FuzzUninstallData tests/fuzz/corpus/data "$seconds"
sh tests/fuzz/run.sh build/host-asan/FuzzCsvLine tests/fuzz/corpus/csv "$seconds"
