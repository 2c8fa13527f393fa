#!/usr/bin/env bash
# Figures of the real HID stack's rig (tests/kernel/), printed, never asserted:
#   - in the guest, one status tick and one settings read-back of the window on the real path
#     (hidraw and uhid) against the simulated backend, in the same machine (bench_real_stack):
#     their ratio holds whatever the emulator's speed;
#   - the rig's time per run: `runs` boots of the smoke test, each split into preparing the
#     packages, building the initramfs and booting and testing, with the guest's uptime when
#     its first test started.
#
#     tools/measure-kernel-rig.sh [runs (default 3)]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-3}
scripts/ensure-deps.sh test
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
programs=(karvelo-rf-virtual karvelo-rf kernel_guest_tests bench_real_stack)
cmake --build build --target "${programs[@]}" >/dev/null
rig=(tests/kernel/run-vm.sh --timeout 300)
for program in "${programs[@]}"; do rig+=(--program "build/bin/$program"); done

echo "== In the guest: bench_real_stack"
"${rig[@]}" build measure | sed -n '/^sequence (medians/,/^settings read-back  *wall/p'

echo
echo "== The rig's time per run (KernelSmoke's boot), s"
printf '%-4s %9s %10s %14s %10s %12s\n' run packages initramfs "boot and test" whole "first test"
for run in $(seq "$runs"); do
    start=${EPOCHREALTIME/./}
    out=$("${rig[@]}" build smoke)
    end=${EPOCHREALTIME/./}
    phases=$(sed -n 's/^rig: packages ready after \(.*\) s, initramfs after \(.*\) s, guest done after \(.*\) s$/\1 \2 \3/p' <<<"$out")
    first=$(sed -n 's/^karvelo-rig: test smoke: started at \([0-9.]*\) s$/\1/p' <<<"$out")
    read -r packages initramfs done <<<"$phases"
    awk -v r="$run" -v p="$packages" -v i="$initramfs" -v d="$done" -v w="$(( (end - start) / 1000 ))" -v f="$first" \
        'BEGIN { printf "%-4s %9.1f %10.1f %14.1f %10.1f %12s\n", r, p, i - p, d - i, w / 1000, f }'
done
