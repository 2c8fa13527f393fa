#!/usr/bin/env bash
# The cost of karvelo-rf watch beside its floor (tools/timing/tick-floor.cpp): a Qt Core event
# loop doing only a status tick's waits and pumps once a second. The watch and two copies of
# the floor run over the same seconds, in rounds that rotate which starts first; the watch
# polls the simulated receiver (whose battery falls a step every 20 s, so that it prints now
# and then). Printed per round and in all: CPU time (the scheduler's count, schedstat),
# wake-ups (voluntary context switches), the watch's ratio to the floors' mean, and the two
# floors' ratio to each other: how far the machine's other work sways such figures. The
# median of the rounds' ratios is the figure least swayed by it.
#
#     tools/measure-watch.sh [seconds per round (default 30)] [rounds (default 8)]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
rounds=${2:-8}
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target karvelo-rf tick-floor >/dev/null
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR=$work  # the watch's receiver lock, apart from the user's

# "<CPU ns> <wake-ups>" of a process, its threads summed.
sample() {
    for task in /proc/"$1"/task/*; do
        printf '%s %s\n' "$(cut -d' ' -f1 "$task/schedstat")" \
            "$(awk '/^voluntary_ctxt_switches/ {print $2}' "$task/status")"
    done | awk '{c += $1; w += $2} END {print c, w}'
}

median() { sort -n "$1" | awk '{v[NR] = $1} END {m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
    printf "%.2f (from %.2f to %.2f)", m, v[1], v[NR]}'; }

echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'); load average $(cut -d' ' -f1-3 /proc/loadavg)"
names=(watch floorA floorB)
declare -A total=()
for round in $(seq "$rounds"); do
    declare -A pid=() cpu0=() wake0=() cpu=() wake=()
    for i in 0 1 2; do
        name=${names[$(( (i + round) % 3 ))]}
        if [ "$name" = watch ]; then
            build/bin/karvelo-rf --simulate --json watch >/dev/null &
        else
            build/bin/tick-floor &
        fi
        pid[$name]=$!
        pids+=("$!")
    done
    sleep 3  # past the start-up
    for name in "${names[@]}"; do read -r "cpu0[$name]" "wake0[$name]" < <(sample "${pid[$name]}"); done
    sleep "$seconds"
    for name in "${names[@]}"; do
        read -r c w < <(sample "${pid[$name]}")
        cpu[$name]=$((c - cpu0[$name])) wake[$name]=$((w - wake0[$name]))
        total[$name]=$(( ${total[$name]:-0} + cpu[$name] ))
        kill "${pid[$name]}"
        wait "${pid[$name]}" 2>/dev/null || true
    done
    awk -v w="${cpu[watch]}" -v a="${cpu[floorA]}" -v b="${cpu[floorB]}" -v r="$round" \
        -v ww="${wake[watch]}" -v fw="${wake[floorA]}" -v s="$seconds" -v out="$work" 'BEGIN {
        printf "round %d: watch %.1f ms CPU (%.1f wake-ups/s), floors %.1f and %.1f ms (%.1f wake-ups/s): %.2f times their mean; floor A %.2f times floor B\n",
            r, w / 1e6, ww / s, a / 1e6, b / 1e6, fw / s, 2 * w / (a + b), a / b
        print 2 * w / (a + b) >> (out "/watch"); print a / b >> (out "/floors") }'
done
awk -v w="${total[watch]}" -v a="${total[floorA]}" -v b="${total[floorB]}" -v n="$((rounds * seconds))" 'BEGIN {
    printf "in all, %d s each: watch %.1f ms CPU (%.3f %% of a core), floors %.1f and %.1f ms: %.2f times their mean\n",
        n, w / 1e6, w / 1e7 / n, a / 1e6, b / 1e6, 2 * w / (a + b) }'
echo "median of the rounds: watch $(median "$work/watch") times the floors; floor A $(median "$work/floors") times floor B"
