#!/usr/bin/env bash
# Builds the tool and starts it; pass --simulate to run on the built-in simulated receiver.
set -euo pipefail
cd "$(dirname "$0")"
scripts/ensure-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target karvelo-rf-tool
exec build/bin/karvelo-rf-tool "$@"
