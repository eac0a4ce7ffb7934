#!/usr/bin/env bash
# Builds the project-file reader's libFuzzer target with clang in a build
# folder of its own and runs it for 60 seconds on a copy of the seed corpus.
# Usage: tools/fuzz/run_fuzz.sh [seconds]
set -euo pipefail

quelle="$(cd "$(dirname "$0")/../.." && pwd)"
bau="${VENTORIS_FUZZ_BUILD:-$(dirname "$quelle")/build-fuzz}"
sekunden="${1:-60}"

cmake -S "$quelle" -B "$bau" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DVENTORIS_FUZZ=ON -DVENTORIS_TESTS=OFF >/dev/null
cmake --build "$bau" --target satz_fuzz -j2

# libFuzzer adds new inputs to its first corpus folder: keep the committed seeds clean.
arbeit="$bau/fuzz-lauf"
rm -rf "$arbeit"
mkdir -p "$arbeit/corpus" "$arbeit/funde"
cp "$quelle/tools/fuzz/corpus/"* "$arbeit/corpus/"

status=0
"$bau/tools/fuzz/satz_fuzz" "$arbeit/corpus" -max_total_time="$sekunden" -max_len=4096 \
    -artifact_prefix="$arbeit/funde/" -print_final_stats=1 >"$arbeit/log" 2>&1 || status=$?

grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)|ERROR|SUMMARY' "$arbeit/log" || true
funde=$(find "$arbeit/funde" -type f | wc -l)
echo "Ausführungen: $(sed -n 's/^stat::number_of_executed_units: *//p' "$arbeit/log")"
echo "Abstürze: $funde (Exit-Status $status, Protokoll: $arbeit/log)"
[ "$status" -eq 0 ] && [ "$funde" -eq 0 ]
