#!/usr/bin/env bash
# Builds everything and runs every test on Qt's offscreen platform.
# Set BUILD_DIR and CMAKE_ARGS for another configuration (see README: sanitizer build).
# Under CI (CI=true) the whole suite runs a second time, built with AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
scripts/ensure-deps.sh test
export QT_QPA_PLATFORM=offscreen
# Leaks in system libraries that are not ours to fix.
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

run_suite() { # build folder, extra CMake arguments
    cmake -S . -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} $2 >/dev/null
    cmake --build "$1"
    (cd "$1" && ctest --output-on-failure -j "$(nproc)")
}

run_suite "${BUILD_DIR:-build}" "${CMAKE_ARGS:-}"
if [ "${CI:-}" = true ] && [ -z "${BUILD_DIR:-}" ]; then
    echo "== The same suite under AddressSanitizer and UndefinedBehaviorSanitizer"
    run_suite build-asan "-DSANITIZE=ON"
fi
