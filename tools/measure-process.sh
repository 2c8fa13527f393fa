#!/usr/bin/env bash
# Whole-process figures of the tool under Xvfb, beside the floors built with it
# (tools/timing/bare-window.cpp): a bare Qt window, the window with one line of text (the font
# database every window with text loads: the floor of start-up and memory), and that window
# with a one-second timer doing only a status tick's six sleeps of 2 ms and five pumps (the
# floor of idle). Printed, with the tool's ratios to its floors:
#   - start to window shown, from the start of the process to the X server's MapNotify of its
#     window, in interleaved runs (after one warm-up round) of the bare window, the window
#     with text, the tool on the simulated receiver and the tool with no receiver;
#   - resident memory two seconds after start (VmRSS) and its peak (VmHWM);
#   - CPU time (the scheduler's count, schedstat) and wake-ups of the tool attached to the
#     simulated receiver and of the tick floor, both idling over the same seconds: once on a
#     quiet machine and once while another process keeps a core busy.
#
#     tools/measure-process.sh [runs (default 20)] [idle seconds (default 60)]
#
# With HIDDEN=1, the tool started with --hidden in a tray (trayer, an X11 system tray, runs on
# the display) idles beside the tick floor too, on the demonstration receiver (its batteries
# fall a step every 20 s) and on a steady one (KARVELO_SIMULATE_STEADY=1: the levels stay), and
# its memory is read beside the window's: the resident companion's cost.
# With EARLIER=<another build of karvelo-rf-tool>, that build runs interleaved with the others
# on the simulated receiver ("earlier"), and idles beside them: before and after a change in
# one run. With SOLAAR=1 and Solaar installed, its start to window shown joins the start-up
# runs (it shows its window without a device of its own).
# 0 runs leaves out start-up and memory, 0 seconds the idle figures.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20}
idle=${2:-60}
scripts/ensure-deps.sh timing
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target karvelo-rf-tool bare-window map-timer >/dev/null
work=$(mktemp -d)
xvfb=
tray=
cleanup() {
    [ -n "$tray" ] && kill "$tray" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
# A copy under another name: the tool ends the running copies of its own name, and a
# measurement must not end the user's.
cp build/bin/karvelo-rf-tool "$work/karvelo-rf-timing"
mkdir -p "$work/config/KARVELO"
printf '[General]\nLngSection=lkEng\n' > "$work/config/KARVELO/RF_BIND.conf"
export XDG_CONFIG_HOME="$work/config"
# A lock folder of its own: the user's karvelo-rf, or a test run, holding the simulated
# receiver's lock would make the measured tool skip its ticks.
mkdir -p "$work/run"
export XDG_RUNTIME_DIR="$work/run"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
cd "$work"  # no Setting.ini or logo.bmp here

Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=:$(cat "$work/display")

declare -A command=(
    [bare]="$OLDPWD/build/bin/bare-window"
    [text]="$OLDPWD/build/bin/bare-window --text"
    [tick]="$OLDPWD/build/bin/bare-window --tick"
    [simulated]="$work/karvelo-rf-timing --simulate"
    [none]="$work/karvelo-rf-timing"
)
order=(bare text simulated none)
if [ "${SOLAAR:-}" = 1 ] && command -v solaar >/dev/null; then
    command[solaar]="solaar --window=show"
    order+=(solaar)
fi
if [ "${HIDDEN:-}" = 1 ]; then
    command[hidden]="$work/karvelo-rf-timing --simulate --hidden"
    command[steady]="env KARVELO_SIMULATE_STEADY=1 $work/karvelo-rf-timing --simulate --hidden"
    trayer --edge top --align right --widthtype request --height 24 >/dev/null 2>&1 &
    tray=$!
    sleep 1
fi
if [ -n "${EARLIER:-}" ]; then
    cp "$EARLIER" "$work/karvelo-rf-earlier"
    command[earlier]="$work/karvelo-rf-earlier --simulate"
    order+=(earlier)
fi

stop() { # pid: ends the program and waits until it has gone
    kill "$1" 2>/dev/null || return 0
    for _ in $(seq 100); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.02; done
    kill -9 "$1" 2>/dev/null || true
}

start() { # name: prints "<ms> <pid>"
    if [ "$1" = hidden ] || [ "$1" = steady ]; then  # no window to wait for: its icon docks
        # shellcheck disable=SC2086
        ${command[$1]} >/dev/null 2>&1 &
        echo "0 $!"
        return
    fi
    # shellcheck disable=SC2086
    "$OLDPWD/build/bin/map-timer" ${command[$1]} 2>/dev/null
}

echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'); load average $(cut -d' ' -f1-3 /proc/loadavg)"
echo "Qt $(pkg-config --modversion Qt6Core 2>/dev/null || echo '?') on Xvfb"

# Start-up, interleaved; round 0 warms the caches and is not counted.
for round in $(seq 0 "$runs"); do
    [ "$runs" -gt 0 ] || break
    for i in "${!order[@]}"; do
        name=${order[$(( (i + round) % ${#order[@]} ))]}
        read -r ms pid < <(start "$name")
        stop "$pid"
        [ "$round" -gt 0 ] && echo "$ms" >> "$work/start-$name"
    done
done

median() { sort -n "$1" | awk '{v[NR]=$1} END {m = NR % 2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2; printf "%.1f", m}'; }
minimum() { sort -n "$1" | head -1; }

# Memory: two seconds after start, the receiver attached and the first ticks done.
memory() { # name: prints "rss hwm" in MB (median of three runs)
    for _ in 1 2 3; do
        read -r _ pid < <(start "$1")
        sleep 2
        awk '/^VmRSS/ {r=$2} /^VmHWM/ {h=$2} END {printf "%.1f %.1f\n", r/1024, h/1024}' "/proc/$pid/status"
        stop "$pid"
    done | sort -n | sed -n 2p
}

# Per thread of a running process: "<thread id> <CPU ns (the scheduler's count)> <wake-ups
# (voluntary context switches)>".
threads() {
    for task in /proc/"$1"/task/*; do
        printf '%s %s %s\n' "${task##*/}" "$(cut -d' ' -f1 "$task/schedstat" 2>/dev/null || echo 0)" \
            "$(awk '/^voluntary_ctxt_switches/ {print $2}' "$task/status" 2>/dev/null || echo 0)"
    done
}
# CPU ms and wake-ups between two samples of threads(): threads that began meanwhile count
# from zero, threads that ended are left out (Qt ends idle pool threads).
usage() { # before, after, seconds
    awk -v s="$3" 'NR == FNR {cpu[$1] = $2; wake[$1] = $3; next}
        {c += $2 - cpu[$1]; w += $3 - wake[$1]}
        END {printf "%.1f ms CPU in %d s = %.3f %% of a core, %.1f wake-ups/s", c / 1e6, s, c / 1e7 / s, w / s}' "$1" "$2"
}

if [ "$runs" -gt 0 ]; then
    echo "Start to window mapped: median (minimum) of $runs interleaved runs after a warm-up round"
    printf '%-12s %10s %10s %10s %10s\n' "" "start ms" "(min)" "RSS MB" "peak MB"
    for name in "${order[@]}"; do
        read -r rss hwm < <(memory "$name")
        echo "$hwm" > "$work/peak-$name"
        printf '%-12s %10s %10s %10s %10s\n' "$name" "$(median "$work/start-$name")" \
            "$(minimum "$work/start-$name")" "$rss" "$hwm"
    done
    text=$(median "$work/start-text")
    for name in simulated none earlier; do
        [ -s "$work/start-$name" ] || continue
        awk -v t="$(median "$work/start-$name")" -v f="$text" -v n="$name" \
            -v m="$(cat "$work/peak-$name")" -v fm="$(cat "$work/peak-text")" \
            'BEGIN {printf "%s: start %.2f times the window with text, peak memory %.2f times\n", n, t / f, m / fm}'
        [ -s "$work/start-solaar" ] && awk -v t="$(median "$work/start-$name")" \
            -v s="$(median "$work/start-solaar")" -v n="$name" \
            'BEGIN {printf "%s: start %.2f times Solaar'"'"'s\n", n, t / s}'
    done
fi
[ "$idle" -gt 0 ] || exit 0

# Idle: the tick floor and the tool (and the earlier build) over the same seconds, so that the
# machine's load falls on all alike. Two copies of the tool would share the simulated
# receiver's lock and skip each other's ticks, so the earlier build idles in a round of its own
# beside the floor. "busy": another process keeps one core busy meanwhile.
idle_round() { # label, busy (0/1), programs...
    local label=$1 busy=$2 spinner= name
    shift 2
    local pids=()
    for name in "$@"; do
        read -r _ pid < <(start "$name")
        pids+=("$pid")
    done
    [ "$busy" = 1 ] && { while :; do :; done & spinner=$!; }
    # Past the start-up and the settings read-back, which a hidden tool makes at its first
    # tick, ten seconds after the start.
    case " $* " in *" hidden "* | *" steady "*) sleep 13 ;; *) sleep 3 ;; esac
    for i in "${!pids[@]}"; do threads "${pids[$i]}" > "$work/idle0-$i"; done
    sleep "$idle"
    for i in "${!pids[@]}"; do threads "${pids[$i]}" > "$work/idle1-$i"; done
    [ -n "$spinner" ] && kill "$spinner"
    local floor=
    for i in "${!pids[@]}"; do
        stop "${pids[$i]}"
        name=${*:$((i + 1)):1}
        line=$(usage "$work/idle0-$i" "$work/idle1-$i" "$idle")
        printf 'idle %-6s %-10s %s\n' "$label" "$name:" "$line"
        cpu=$(echo "$line" | awk '{print $1}')
        if [ "$name" = tick ]; then floor=$cpu; else
            awk -v c="$cpu" -v f="$floor" -v n="$name" -v l="$label" \
                'BEGIN {if (f > 0) printf "idle %-6s %s: %.2f times the tick floor\n", l, n, c / f}'
        fi
    done
}
idle_round quiet 0 tick simulated
idle_round busy 1 tick simulated
if [ "${HIDDEN:-}" = 1 ]; then
    idle_round quiet 0 tick hidden
    idle_round busy 1 tick hidden
    idle_round quiet 0 tick steady
    idle_round busy 1 tick steady
    read -r _ hidden_peak < <(memory hidden)
    read -r _ window_peak < <(memory simulated)
    echo "peak memory: hidden in the tray $hidden_peak MB, the window $window_peak MB"
fi
if [ -n "${EARLIER:-}" ]; then
    idle_round quiet 0 tick earlier
    idle_round busy 1 tick earlier
fi
