#!/usr/bin/env bash
# Builds everything and runs every test on Qt's offscreen platform.
# Set BUILD_DIR and CMAKE_ARGS for another configuration (see README: sanitizer build).
set -euo pipefail
cd "$(dirname "$0")"
scripts/ensure-deps.sh test
build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} ${CMAKE_ARGS:-} >/dev/null
cmake --build "$build_dir"
export QT_QPA_PLATFORM=offscreen
cd "$build_dir"
ctest --output-on-failure -j "$(nproc)"
