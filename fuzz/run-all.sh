#!/usr/bin/env bash
# Builds every fuzz target (clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer)
# in build-fuzz/ and runs them one after the other, each from its seed corpus in
# fuzz/corpus/<target>/. New inputs go to build-fuzz/corpus/<target>/, findings (crash-*,
# leak-*, timeout-*) to build-fuzz/findings/<target>/; the tree is left as it was.
#
#   fuzz/run-all.sh [seconds per target] [target ...]     default: 60 seconds, every target
#   FUZZ_RUNS=10000000 fuzz/run-all.sh 1800               stop each target after that many runs
#
# Ends with a line per target: its runs, its time and whether it found anything; the exit
# status is 1 when any target found something.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/ensure-deps.sh fuzz
seconds=${1:-60}
shift || true

CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFUZZ=ON \
    -DBUILD_TESTING=OFF >/dev/null
cmake --build build-fuzz --target fuzz

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for dir in fuzz/corpus/*/; do targets+=("$(basename "$dir")"); done
fi

summary=()
found=0
for target in "${targets[@]}"; do
    corpus=build-fuzz/corpus/$target
    findings=build-fuzz/findings/$target
    rm -rf "$findings"
    mkdir -p "$corpus" "$findings"
    log=build-fuzz/findings/$target.log
    echo "== $target: up to $seconds s${FUZZ_RUNS:+, $FUZZ_RUNS runs}"
    status=0
    "build-fuzz/bin/fuzz_$target" -max_total_time="$seconds" ${FUZZ_RUNS:+-runs=$FUZZ_RUNS} \
        -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" "fuzz/corpus/$target" \
        >"$log" 2>&1 || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    took=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1 s/p' "$log" | tail -1)
    result="no finding"
    if [ "$status" -ne 0 ] || ls "$findings" | grep -q .; then
        result="FOUND: see $log and $findings/"
        found=1
    fi
    summary+=("$(printf '%-18s %12s runs  %8s  %s' "$target" "${runs:-?}" "${took:-?}" "$result")")
    tail -3 "$log"
done

echo
echo "== Summary"
printf '%s\n' "${summary[@]}"
exit $found
