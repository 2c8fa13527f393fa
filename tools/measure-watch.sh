#!/usr/bin/env bash
# The cost of karvelo-rf watch beside its floor (tools/timing/tick-floor.cpp): a Qt Core event
# loop doing only a status tick's waits and pumps once a second. Both run over the same
# seconds, in rounds that alternate which starts first; the watch polls the simulated receiver
# (whose battery falls a step every 20 s, so that it prints now and then). Printed per round
# and in all: CPU time (the scheduler's count, schedstat), wake-ups (voluntary context
# switches) and the watch's ratio to the floor; the median of the rounds' ratios is the figure
# least swayed by other work on the machine (two floors side by side differ by 10 % or more
# on a shared machine).
#
#     tools/measure-watch.sh [seconds per round (default 60)] [rounds (default 3)]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
rounds=${2:-3}
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

# "<CPU ns> <wake-ups>" of every thread of a process, summed.
sample() {
    for task in /proc/"$1"/task/*; do
        printf '%s %s\n' "$(cut -d' ' -f1 "$task/schedstat")" \
            "$(awk '/^voluntary_ctxt_switches/ {print $2}' "$task/status")"
    done | awk '{c += $1; w += $2} END {print c, w}'
}

echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'); load average $(cut -d' ' -f1-3 /proc/loadavg)"
total_watch=0 total_floor=0
for round in $(seq "$rounds"); do
    order=(watch floor)
    [ $((round % 2)) -eq 0 ] && order=(floor watch)
    declare -A pid=()
    for name in "${order[@]}"; do
        if [ "$name" = watch ]; then
            build/bin/karvelo-rf --simulate --json watch >/dev/null &
        else
            build/bin/tick-floor &
        fi
        pid[$name]=$!
        pids+=("$!")
    done
    sleep 3  # past the start-up
    read -r watch0 watchwake0 < <(sample "${pid[watch]}")
    read -r floor0 floorwake0 < <(sample "${pid[floor]}")
    sleep "$seconds"
    read -r watch1 watchwake1 < <(sample "${pid[watch]}")
    read -r floor1 floorwake1 < <(sample "${pid[floor]}")
    kill "${pid[watch]}" "${pid[floor]}"
    wait "${pid[watch]}" "${pid[floor]}" 2>/dev/null || true
    watch=$((watch1 - watch0)) floor=$((floor1 - floor0))
    total_watch=$((total_watch + watch)) total_floor=$((total_floor + floor))
    awk -v w="$watch" -v f="$floor" 'BEGIN {print w / f}' >>"$work/ratios"
    awk -v w="$watch" -v f="$floor" -v ww="$((watchwake1 - watchwake0))" \
        -v fw="$((floorwake1 - floorwake0))" -v s="$seconds" -v r="$round" 'BEGIN {
        printf "round %d: watch %.1f ms CPU (%.3f %% of a core, %.1f wake-ups/s), floor %.1f ms (%.3f %%, %.1f wake-ups/s): %.2f times\n",
            r, w / 1e6, w / 1e7 / s, ww / s, f / 1e6, f / 1e7 / s, fw / s, w / f }'
done
awk -v w="$total_watch" -v f="$total_floor" -v n="$((rounds * seconds))" 'BEGIN {
    printf "in all, %d s each: watch %.1f ms CPU, floor %.1f ms: %.2f times the floor\n", n, w / 1e6, f / 1e6, w / f }'
sort -n "$work/ratios" | awk '{v[NR] = $1} END {m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
    printf "median of the rounds: %.2f times the floor (from %.2f to %.2f)\n", m, v[1], v[NR]}'
