#!/usr/bin/env bash
# Fetches the Debian packages the virtual machine boots from and unpacks them into the rig's
# folder, never installing them here: the kernel that linux-image-amd64 depends on, and udev
# (systemd-udevd, udevadm). The .deb files are kept in a per-user cache
# (${XDG_CACHE_HOME:-~/.cache}/karvelo-rf/debs, or $KARVELO_RIG_CACHE), so a clean build
# folder unpacks them again without downloading them; each is unpacked once per rig folder.
#
# Usage: fetch-packages.sh RIG_DIR
# Writes RIG_DIR/packages.env (KVER, KERNEL_ROOT, UDEV_ROOT). Exit status 77 with a line
# "SKIPPED: why" when a package can be neither downloaded nor found in the cache.
set -euo pipefail
rig=$1
cache=${KARVELO_RIG_CACHE:-${XDG_CACHE_HOME:-${HOME:-/tmp}/.cache}/karvelo-rf}/debs
mkdir -p "$cache" "$rig/unpacked"

skip() { echo "SKIPPED: $*" >&2; exit 77; }

# The versioned kernel package of linux-image-amd64 (e.g. linux-image-6.1.0-57-amd64).
kernel_package() {
    apt-cache depends linux-image-amd64 2>/dev/null |
        sed -n 's/^ *Depends: \(linux-image-[0-9][^ ]*-amd64\)$/\1/p' | head -n 1 || true
}

newest_cached() { ls -1t "$cache"/"$1"_*.deb 2>/dev/null | head -n 1 || true; }

download() { # package
    (cd "$cache" && apt-get download -q "$1") >"$cache/download.log" 2>&1
}

# Prints the path of the package's .deb, downloading it when the cache has none.
fetch() { # package
    local deb
    deb=$(newest_cached "$1")
    if [ -z "$deb" ]; then
        echo "rig: downloading $1 into $cache" >&2
        if ! download "$1"; then
            # A package list older than the archive names versions that are gone.
            [ "$(id -u)" -eq 0 ] && apt-get update -qq >/dev/null 2>&1 && download "$1" ||
                skip "cannot download $1 ($(tail -n 1 "$cache/download.log"))"
        fi
        deb=$(newest_cached "$1")
    fi
    [ -n "$deb" ] || skip "no $1 package in $cache"
    echo "$deb"
}

# Unpacks a .deb into RIG_DIR/unpacked/<its name>, once; prints that folder.
unpack() { # deb
    local target
    target=$rig/unpacked/$(basename "$1" .deb)
    if [ ! -e "$target/.unpacked" ]; then
        rm -rf "$target"
        dpkg-deb -x "$1" "$target"
        touch "$target/.unpacked"
    fi
    echo "$target"
}

package=$(kernel_package)
if [ -z "$package" ] && [ "$(id -u)" -eq 0 ] && [ -z "$(newest_cached 'linux-image-[0-9]*-amd64')" ]; then
    apt-get update -qq >/dev/null 2>&1 || true  # a machine that never read the package lists
    package=$(kernel_package)
fi
if [ -z "$package" ]; then
    # No package list: the newest kernel already cached will do.
    cached=$(ls -1t "$cache"/linux-image-[0-9]*-amd64_*.deb 2>/dev/null | head -n 1 || true)
    [ -n "$cached" ] || skip "apt-cache knows no linux-image-amd64 and none is cached (apt-get update)"
    package=$(basename "$cached" | cut -d_ -f1)
fi
kernel_deb=$(fetch "$package")
kernel_root=$(unpack "$kernel_deb")
kver=${package#linux-image-}
[ -e "$kernel_root/boot/vmlinuz-$kver" ] || skip "$package holds no boot/vmlinuz-$kver"
# The package leaves modules.dep to the installation; make it here.
[ -e "$kernel_root/lib/modules/$kver/modules.dep" ] || depmod -b "$kernel_root" "$kver"
udev_deb=$(fetch udev)
udev_root=$(unpack "$udev_deb")

env="KVER=$kver
KERNEL_ROOT=$kernel_root
UDEV_ROOT=$udev_root"
# Rewritten only when it changes: the initramfs is built again when it is newer.
[ "$(cat "$rig/packages.env" 2>/dev/null)" = "$env" ] || echo "$env" >"$rig/packages.env"
