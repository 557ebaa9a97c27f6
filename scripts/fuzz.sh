#!/usr/bin/env bash
# Runs every fuzzer of the fuzz preset for the given number of seconds each (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shopt -s nullglob
fuzzers=(build/fuzz/bin/fuzz_*)
if ((${#fuzzers[@]} == 0)); then echo "fuzz: no fuzzers built"; exit 0; fi
for f in "${fuzzers[@]}"; do
    name=$(basename "$f")
    corpus=build/fuzz/corpus/$name
    mkdir -p "$corpus"
    seeds=fuzz/seeds/${name#fuzz_}
    dirs=("$corpus")
    [[ -d "$seeds" ]] && dirs+=("$seeds")
    echo "fuzz: $name for ${seconds}s"
    "$f" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=0 "${dirs[@]}" \
        >"build/fuzz/$name.log" 2>&1 || { tail -40 "build/fuzz/$name.log"; exit 1; }
done
echo "fuzz: ${#fuzzers[@]} fuzzers ran clean"
