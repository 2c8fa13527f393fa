#!/usr/bin/env bash
# Runs the companion's tests on a desktop of their own: a private session bus
# (dbus-run-session) and an X server (Xvfb), on Qt's X11 platform.
#   run-on-private-desktop.sh TEST_PROGRAM FAKE_DESKTOP [gtest arguments]
set -euo pipefail
for tool in dbus-run-session xvfb-run; do
    command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is missing (scripts/ensure-deps.sh test)"; exit 77; }
done
program=$1
export FAKE_DESKTOP=$2
shift 2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# Nothing of the user's: settings, autostart folder and receiver lock in the scratch folder.
export XDG_CONFIG_HOME=$scratch/config XDG_RUNTIME_DIR=$scratch/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
exec dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$program" "$@"
