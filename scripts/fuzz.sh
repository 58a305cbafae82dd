#!/usr/bin/env bash
# Runs each fuzz target for the given number of seconds (default 30) from the corpus kept in
# the repository; new finds go to a scratch folder. Fails on any crash, sanitizer report or leak.
# To keep new finds: run with KEEP=1, which merges them, minimised, into tests/fuzz/corpus.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-30}
bin=build/fuzz/tests/fuzz
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Qt's fonts are matched through fontconfig, whose process-long cache is not a leak of ours.
export LSAN_OPTIONS="suppressions=$PWD/tests/fuzz/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

for target in czytaj oblicz okno; do
    [[ -x "$bin/fuzz_$target" ]] || continue # the window target needs the Qt build
    mkdir -p "$scratch/$target"
    log="$scratch/$target.log"
    # The kept corpus is replayed first, as a regression set, then fuzzing goes on from it.
    if ! "$bin/fuzz_$target" -max_total_time="$seconds" -max_len=256 -detect_leaks=1 \
            -artifact_prefix="$scratch/" "$scratch/$target" "tests/fuzz/corpus/$target" >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "fuzz_$target: FAILED (artifacts: $(ls "$scratch" | grep -E '^(crash|leak|timeout|oom)-' || true))"
        exit 1
    fi
    echo "fuzz_$target: $(grep -E '^Done [0-9]+ runs' "$log" || tail -n 1 "$log")"
    if [[ ${KEEP:-0} == 1 ]]; then
        "$bin/fuzz_$target" -merge=1 "tests/fuzz/corpus/$target" "$scratch/$target" >/dev/null 2>&1
    fi
done
