#!/usr/bin/env bash
# Builds the guest's initramfs (cpio, newc) from RIG_DIR/packages.env (fetch-packages.sh):
# busybox, the modules hid (hidraw is built into it), uhid and hid-generic with whatever they
# depend on, systemd-udevd and udevadm, the project's udev rule, the guest scripts, the
# programs given and every shared library each of them needs. A program linking Qt Gui also
# gets Qt's offscreen platform and the fonts, so a window can run in the guest.
#
# Usage: make-initramfs.sh RIG_DIR OUTPUT PROGRAM... [-- TEST_SCRIPT...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(cd "$here/../.." && pwd)
rig=$1 output=$2
shift 2
programs=() tests=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do programs+=("$1"); shift; done
[ $# -gt 0 ] && shift
tests=("$@")
# shellcheck source=/dev/null
. "$rig/packages.env"
root=$rig/root
modules=(hid uhid hid-generic)

die() { echo "make-initramfs.sh: $*" >&2; exit 1; }

# Copies a file to the same path in the guest, following symbolic links.
place() { # host file, [guest path]
    local target=$root${2:-$(readlink -f "$(dirname "$1")")/$(basename "$1")}
    mkdir -p "$(dirname "$target")"
    cp -L "$1" "$target"
}

# Places an executable or library and every shared library it needs (as ldd finds them here;
# LIBRARY_PATH adds folders of unpacked packages).
place_with_libraries() { # file, [guest path]
    place "$@"
    local missing
    missing=$(LD_LIBRARY_PATH=${LIBRARY_PATH:-} ldd "$1" 2>/dev/null | grep 'not found' || true)
    [ -z "$missing" ] || die "$1 needs libraries this machine lacks: $missing"
    LD_LIBRARY_PATH=${LIBRARY_PATH:-} ldd "$1" 2>/dev/null |
        sed -n 's/.*=> \(\/[^ ]*\) .*/\1/p; s/^[[:space:]]*\(\/[^ ]*\) (.*/\1/p' |
        while read -r library; do
            [ -e "$root$(readlink -f "$(dirname "$library")")/$(basename "$library")" ] ||
                place "$library"
        done
}

# Debian 12's merged /usr, so that every path ldd names resolves in the guest as here.
lay_out_root() {
    rm -rf "$root"
    mkdir -p "$root"/usr/{bin,sbin,lib,lib64} "$root"/{etc/udev/rules.d,proc,sys,dev,run,tmp,root,tests}
    for d in bin sbin lib lib64; do ln -s "usr/$d" "$root/$d"; done
    place /bin/busybox /usr/bin/busybox
}

place_modules() {
    local tree=$KERNEL_ROOT/lib/modules/$KVER m line file
    for m in "${modules[@]}"; do
        line=$(grep -m 1 -E "(^|/)$m\.ko:" "$tree/modules.dep") || die "no module $m in $KVER"
        for file in ${line/:/}; do place "$tree/$file" "/usr/lib/modules/$KVER/$file"; done
    done
    for file in modules.order modules.builtin modules.builtin.modinfo; do
        place "$tree/$file" "/usr/lib/modules/$KVER/$file"
    done
    depmod -b "$root" "$KVER"
}

place_udev() {
    place_with_libraries "$UDEV_ROOT/bin/udevadm" /usr/bin/udevadm
    mkdir -p "$root/usr/lib/systemd"
    ln -s ../../bin/udevadm "$root/usr/lib/systemd/systemd-udevd"
    place "$source_dir/packaging/70-karvelo-rf-receiver.rules" /etc/udev/rules.d/70-karvelo-rf-receiver.rules
}

# What a window needs on Qt's offscreen platform: the platform plugin, fontconfig's set-up and
# the fonts the tool's languages need.
place_qt_offscreen() { # libQt6Gui path
    local plugins
    plugins=$(dirname "$(readlink -f "$1")")/qt6/plugins
    place_with_libraries "$plugins/platforms/libqoffscreen.so"
    cp -rL --parents /etc/fonts "$root"  # its links point into /usr/share/fontconfig
    for font in /usr/share/fonts/truetype/wqy /usr/share/fonts/truetype/dejavu; do
        [ -d "$font" ] && cp -rL --parents "$font" "$root"
    done
    return 0
}

place_programs() {
    local program gui
    for program in "${programs[@]}"; do
        [ -x "$program" ] || die "no program $program (build it first)"
        place_with_libraries "$program" "/usr/bin/$(basename "$program")"
        # Without debug information: a smaller initramfs boots quicker under emulation.
        strip --strip-debug "$root/usr/bin/$(basename "$program")" 2>/dev/null || true
        gui=$(ldd "$program" | sed -n 's/.*=> \(\/[^ ]*libQt6Gui[^ ]*\) .*/\1/p')
        [ -z "$gui" ] || [ -e "$root/etc/fonts" ] || place_qt_offscreen "$gui"
    done
}

place_guest_scripts() {
    cp "$here/guest/init" "$root/init"
    chmod +x "$root/init"
    cp "$here"/guest/*.sh "${tests[@]}" "$root/tests/"
}

lay_out_root
place_modules
place_udev
place_programs
place_guest_scripts
(cd "$root" && find . | busybox cpio -o -H newc -R 0:0 2>/dev/null) >"$output.part"
mv "$output.part" "$output"
