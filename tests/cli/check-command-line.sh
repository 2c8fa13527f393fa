#!/usr/bin/env bash
# Runs the built tool as a user would, for what only a process shows: the udev rule it prints,
# and a session without a display. A copy under another file name runs, so that the
# single-copy rule can never reach a copy of the tool that is running for real.
set -euo pipefail
tool=$1
source_dir=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "$tool" "$scratch/rf-tool-cli-check"
copy="$scratch/rf-tool-cli-check"
# The messages in English, whatever language the user running the tests keeps.
export XDG_CONFIG_HOME="$scratch/config" LANG=C.UTF-8
unset LC_ALL LC_MESSAGES

"$copy" --print-udev-rules > "$scratch/rule"
cmp "$scratch/rule" "$source_dir/packaging/70-karvelo-rf-receiver.rules"

status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$copy" > "$scratch/out" 2> "$scratch/err" \
    || status=$?
[ "$status" -eq 1 ] || { echo "no display: exit status $status, expected 1"; cat "$scratch/err"; exit 1; }
[ "$(wc -l < "$scratch/err")" -eq 1 ] || { echo "no display: expected one line:"; cat "$scratch/err"; exit 1; }
grep -q "no display" "$scratch/err"

# A platform plugin that is not installed (a Wayland session without qt6-wayland): a copy whose
# qt.conf points at a plugin folder without it.
mkdir -p "$scratch/bare/plugins/platforms"
cp "$tool" "$scratch/bare/rf-tool-cli-check"
printf '[Paths]\nPlugins=%s\n' "$scratch/bare/plugins" > "$scratch/bare/qt.conf"
status=0
env -u DISPLAY QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=wayland-1 "$scratch/bare/rf-tool-cli-check" \
    > "$scratch/out" 2> "$scratch/err" || status=$?
[ "$status" -eq 1 ] || { echo "no plugin: exit status $status, expected 1"; cat "$scratch/err"; exit 1; }
grep -q 'plugin "wayland" is not installed: install the package qt6-wayland' "$scratch/err" \
    || { echo "no plugin: the package is not named:"; cat "$scratch/err"; exit 1; }
echo "command line: 3 passed, 0 failed"
