#!/usr/bin/env bash
# Installs the Debian 12 packages that are missing for what the caller is about to do:
#   scripts/ensure-deps.sh              build and run the tool (run.sh)
#   scripts/ensure-deps.sh package      also build the Debian package (cpack -G DEB)
#   scripts/ensure-deps.sh test         also run every test, the package check among them
#   scripts/ensure-deps.sh screenshots  also take the README's pictures
#   scripts/ensure-deps.sh a11y         also dump the accessibility tree (tools/dump-accessibility-tree.sh)
#   scripts/ensure-deps.sh timing       also measure start-up and idle (tools/measure-process.sh)
#                                       and count instructions (tools/count-instructions.sh)
#   scripts/ensure-deps.sh fuzz         also build and run the fuzz targets (fuzz/run-all.sh)
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-wayland
  libhidapi-dev libudev-dev libxcb1-dev libxcb-xfixes0-dev
  libgtest-dev libgmock-dev
  fonts-wqy-microhei qt6-translations-l10n
)
for group in "$@"; do
  case "$group" in
    package) packages+=(dpkg-dev file) ;;
    # The virtual machine of tests/kernel/: the emulator, the guest's shell and depmod; the
    # companion's desktop of its own: a private session bus and an X server.
    test) packages+=(dpkg-dev file lintian desktop-file-utils appstream clang-format-14
                     qemu-system-x86 busybox-static kmod dbus-daemon xvfb xauth)
          # karvelo-rf's completions are parsed by the shells they are for.
          packages+=(zsh fish) ;;
    screenshots) packages+=(xvfb xauth imagemagick xdotool openbox trayer) ;;
    timing) packages+=(xvfb libx11-dev valgrind trayer) ;;
    a11y) packages+=(xvfb xauth openbox xdotool at-spi2-core python3-pyatspi dbus) ;;
    fuzz) packages+=(clang libclang-rt-14-dev) ;;
    *) echo "ensure-deps.sh: unknown group '$group' (package, test, screenshots, a11y, timing, fuzz)" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}" >&2
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then sudo_cmd=(sudo); else
    echo "Missing packages (${missing[*]}) and no sudo: install them as root." >&2
    exit 1
  fi
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
