#!/usr/bin/env bash
# Instructions an idling process executes in a number of seconds, counted by callgrind after its
# start-up: figures that do not depend on the machine's load, for the idle cost of the tool
# beside its floor (tools/timing/bare-window.cpp --tick: a window whose one-second timer does
# only a status tick's sleeps and pumps). The tool runs on the simulated receiver, shown and
# hidden in a tray (trayer), under Xvfb, each beside the floor over the same seconds.
#
#     tools/count-idle-instructions.sh [seconds (default 30)]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
scripts/ensure-deps.sh timing
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target karvelo-rf-tool bare-window >/dev/null
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
# Under another name: the tool ends the running copies of its own name.
cp build/bin/karvelo-rf-tool "$work/karvelo-rf-counting"
mkdir -p "$work/config/KARVELO" "$work/run"
printf '[General]\nLngSection=lkEng\n' > "$work/config/KARVELO/RF_BIND.conf"
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
cd "$work"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=:$(cat "$work/display")
trayer --edge top --align right --widthtype request --height 24 >/dev/null 2>&1 &
pids+=($!)

count() { # label, program...: both the program and the floor, counted over the same seconds
    local label=$1
    shift
    valgrind --tool=callgrind --instr-atstart=no --callgrind-out-file="$work/$label.out" \
        "$@" >/dev/null 2>&1 &
    local tool=$!
    valgrind --tool=callgrind --instr-atstart=no --callgrind-out-file="$work/$label-floor.out" \
        "$OLDPWD/build/bin/bare-window" --tick >/dev/null 2>&1 &
    local floor=$!
    sleep 15  # past the start-up (slow under callgrind) and the settings read-back
    callgrind_control -i on "$tool" >/dev/null 2>&1
    callgrind_control -i on "$floor" >/dev/null 2>&1
    sleep "$seconds"
    callgrind_control -d "$tool" >/dev/null 2>&1
    callgrind_control -d "$floor" >/dev/null 2>&1
    kill "$tool" "$floor" 2>/dev/null
    wait "$tool" "$floor" 2>/dev/null || true
    local t f
    t=$(cat "$work/$label.out".* 2>/dev/null | awk '/^(totals|summary):/ {s += $2} END {print s + 0}')
    f=$(cat "$work/$label-floor.out".* 2>/dev/null | awk '/^(totals|summary):/ {s += $2} END {print s + 0}')
    awk -v l="$label" -v t="$t" -v f="$f" -v s="$seconds" 'BEGIN {
        printf "%-8s %12.0f instructions/s, floor %12.0f instructions/s: %.2f times\n", l, t / s, f / s, t / f}'
}
echo "Idle for $seconds s after start-up, under callgrind (instructions of every thread):"
count shown "$work/karvelo-rf-counting" --simulate
count hidden "$work/karvelo-rf-counting" --simulate --hidden
