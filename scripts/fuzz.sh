#!/usr/bin/env bash
# Runs each fuzz target for the given number of seconds (default 30) from the corpus kept in
# the repository; new finds go to a scratch folder. Fails on any crash, sanitizer report or leak.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-30}
bin=build/fuzz/tests/fuzz
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

for target in czytaj oblicz; do
    mkdir -p "$scratch/$target"
    log="$scratch/$target.log"
    if ! "$bin/fuzz_$target" -max_total_time="$seconds" -max_len=256 -detect_leaks=1 \
            -artifact_prefix="$scratch/" "$scratch/$target" "tests/fuzz/corpus/$target" >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "fuzz_$target: FAILED (artifacts: $(ls "$scratch" | grep -E '^(crash|leak|timeout|oom)-' || true))"
        exit 1
    fi
    echo "fuzz_$target: $(grep -E '^Done [0-9]+ runs' "$log" || tail -n 1 "$log")"
done
