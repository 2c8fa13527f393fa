#!/usr/bin/env bash
# Builds the tool and starts it in the folder this script was called from, so that Setting.ini
# and logo.bmp are read where the user stands; pass --simulate to run on the built-in simulated
# receiver.
set -euo pipefail
caller=$PWD
repo=$(cd "$(dirname "$0")" && pwd)
cd "$repo"
scripts/ensure-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target karvelo-rf-tool
cd "$caller"
exec "$repo/build/bin/karvelo-rf-tool" "$@"
