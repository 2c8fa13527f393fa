#!/usr/bin/env bash
# Runs tests on the real Linux HID stack: boots Debian's kernel under QEMU's software
# emulation (never KVM) with an initramfs of busybox, systemd-udevd, the HID modules, the
# given programs and the guest test scripts, and returns the status the guest prints on its
# serial console (QEMU itself ends with 0 after the guest powers off).
#
# Usage: run-vm.sh [--program FILE]... [--timeout S] [--results DIR] BUILD_DIR TEST...
#   TEST      a script of tests/kernel/guest/ by name (smoke), or the path of a script
#   --timeout the bound of each guest test, in seconds (default 60)
#   --results where each test's part of the serial log (NAME.log) and its outcome
#             (NAME.status) go, for guest-result.sh; a rig that cannot be built leaves
#             DIR/skipped with the reason
# Exit status: 0 every test passed, 1 a test failed or the guest printed no result, 77 the rig
# cannot be built on this machine ("SKIPPED: why"). With --results: 0 as soon as the guest
# printed its result, whatever the tests' outcomes.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
programs=() test_timeout=60 results=
while [ $# -gt 0 ]; do
    case "$1" in
        --program) programs+=("$2"); shift 2 ;;
        --timeout) test_timeout=$2; shift 2 ;;
        --results) results=$2; shift 2 ;;
        *) break ;;
    esac
done
[ $# -ge 2 ] || { sed -n '2,17s/^# \{0,1\}//p' "$0"; exit 2; }
build_dir=$1
shift
rig=$build_dir/kernel-rig
mkdir -p "$rig"

if [ -n "$results" ]; then
    rm -rf "$results"
    mkdir -p "$results"
fi
skip() {
    echo "SKIPPED: $*"
    [ -z "$results" ] || echo "SKIPPED: $*" >"$results/skipped"
    exit 77
}

command -v qemu-system-x86_64 >/dev/null || skip "no qemu-system-x86_64 (apt-get install qemu-system-x86)"
[ -x /bin/busybox ] && ! ldd /bin/busybox >/dev/null 2>&1 ||
    skip "no static /bin/busybox (apt-get install busybox-static)"
command -v depmod >/dev/null || skip "no depmod (apt-get install kmod)"
command -v apt-get >/dev/null && command -v dpkg-deb >/dev/null || skip "no apt-get or dpkg-deb"

# Guest scripts given by path come along under their own name.
names=() scripts=()
for test in "$@"; do
    if [ -f "$test" ]; then scripts+=("$test"); names+=("$(basename "$test" .sh)"); else names+=("$test"); fi
done

started=${EPOCHREALTIME/./}
elapsed() { # seconds since the start, to a tenth
    local us=$((${EPOCHREALTIME/./} - started))
    echo "$((us / 1000000)).$((us / 100000 % 10))"
}
# One run at a time in a rig folder: it rebuilds the initramfs the guest boots from.
exec 9>"$rig/.lock"
flock 9
"$here/fetch-packages.sh" "$rig" 2> >(tee "$rig/fetch.err" >&2) || {
    status=$?
    [ $status -ne 77 ] || skip "$(sed -n 's/^SKIPPED: //p' "$rig/fetch.err" | tail -n 1)"
    exit $status
}
prepared=$(elapsed)
# Built again when anything it holds of ours is newer (the system's libraries are not looked at).
inputs=("$here" "$here/../../packaging/70-karvelo-rf-receiver.rules" "$rig/packages.env"
        "${programs[@]}" "${scripts[@]}")
if [ ! -e "$rig/initramfs.cpio" ] || [ -n "$(find "${inputs[@]}" -newer "$rig/initramfs.cpio" | head -n 1)" ] ||
    [ "$(cat "$rig/initramfs.inputs" 2>/dev/null)" != "${inputs[*]}" ]; then
    "$here/make-initramfs.sh" "$rig" "$rig/initramfs.cpio" "${programs[@]}" -- "${scripts[@]}"
    echo "${inputs[*]}" >"$rig/initramfs.inputs"
fi
built=$(elapsed)
. "$rig/packages.env"

log=$rig/serial-$(IFS=-; echo "${names[*]}" | tr -c 'A-Za-z0-9_.\n-' _).log
tests_csv=$(IFS=,; echo "${names[*]}")
vm_limit=$((30 + test_timeout * ${#names[@]}))
rm -f "$log"
set +e
timeout --kill-after=5 "$vm_limit" qemu-system-x86_64 -accel tcg -cpu max -smp 1 -m 1024 \
    -nodefaults -no-reboot -display none -monitor none -serial "file:$log" \
    -kernel "$KERNEL_ROOT/boot/vmlinuz-$KVER" -initrd "$rig/initramfs.cpio" \
    -append "console=ttyS0 panic=-1 quiet loglevel=3 karvelo.tests=$tests_csv karvelo.timeout=$test_timeout"
qemu_status=$?
set -e
tr -d '\r' <"$log"
echo "rig: packages ready after $prepared s, initramfs after $built s, guest done after $(elapsed) s"
result=$(tr -d '\r' <"$log" | sed -n 's/^karvelo-rig: result \([0-9]*\).*/\1/p' | tail -n 1)
if [ -z "$result" ]; then
    echo "rig: the guest printed no result (QEMU status $qemu_status; 124: timed out after $vm_limit s)"
    exit 1
fi
if [ -n "$results" ]; then
    # Each test's lines, from its start line to its outcome line.
    tr -d '\r' <"$log" | awk -v dir="$results" '
        /^karvelo-rig: test [^ ]*: started/ { name = $3; sub(/:$/, "", name) }
        name != "" { print > (dir "/" name ".log") }
        /^karvelo-rig: test [^ ]*: (passed|FAILED)/ { print $4 > (dir "/" name ".status"); name = "" }'
    exit 0
fi
[ "$result" -eq 0 ]
