#!/usr/bin/env bash
# Instructions per run of every sequence of bench_sequences, counted by callgrind: figures that
# do not depend on the machine's load or clock speed, to compare two builds on a shared machine
# (the waits are real, so a run takes as long as without callgrind, plus its slower work).
#
#     tools/count-instructions.sh [runs (default 5)] [bench_sequences program] [name filter]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
program=${2:-build/bin/bench_sequences}
filter=${3:-}
scripts/ensure-deps.sh timing
if [ "$program" = build/bin/bench_sequences ]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build --target bench_sequences >/dev/null
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind --callgrind-out-file="$work/profile" \
    --collect-atstart=no --toggle-collect='bench::RunMeasured*' --dump-after='bench::PrintRow*' \
    "$program" "$runs" $filter > "$work/table" 2>/dev/null
# One profile per table row, in the order of the rows.
awk 'f {print substr($0, 1, 40)} /^sequence/ {f = 1}' "$work/table" | sed 's/ *$//' > "$work/names"
i=0
while IFS= read -r name; do
    i=$((i + 1))
    total=$(awk '/^totals:/ {print $2}' "$work/profile.$i")
    awk -v n="$name" -v t="$total" -v r="$runs" 'BEGIN {printf "%-40s %12.0f instructions per run\n", n, t / r}'
done < "$work/names"
