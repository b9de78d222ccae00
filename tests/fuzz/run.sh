#!/bin/sh
# Runs a fuzz target: first over the kept inputs (regressions and seeds), then
# for SECONDS on a scratch copy of them, so the repository is not changed.
#   run.sh FUZZER CORPUS_DIR SECONDS
set -eu
fuzzer=$1
corpus=$2
seconds=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "$corpus"/* "$scratch"/ 2>/dev/null || true
"$fuzzer" -runs=0 "$corpus"
"$fuzzer" -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$scratch/crash-" -print_final_stats=1 "$scratch" 2>&1 | tail -n 12
for f in "$scratch"/crash-* "$scratch"/timeout-* "$scratch"/oom-*; do
    [ -e "$f" ] || continue
    echo "fuzzer found a failing input; keep it in $corpus: $f"
    cp "$f" "$corpus/"
    exit 1
done
