#!/usr/bin/env bash
# The recipe of docs/testing.md for a test written outside the project, taken from the page as
# it stands: its CMakeLists.txt, its test and its main, with the tool's folder filled in. The
# recipe must configure; with BUILD=1 the test is also built and run (a build of the whole
# window library: minutes, so not in the normal suite).
#   check-outside-recipe.sh SOURCE_DIR
set -euo pipefail
source_dir=$(cd "$1" && pwd)
page=$source_dir/docs/testing.md
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The n-th fenced block of the given language on the page.
block() { # language, n
    awk -v lang="$1" -v want="$2" '
        $0 == "```" lang { n++; if (n == want) { on = 1; next } }
        on && $0 == "```" { exit }
        on { print }' "$page"
}
block cmake 1 | sed "s|/path/to/karvelo-rf-tool|$source_dir|" > "$work/CMakeLists.txt"
block cpp 1 > "$work/outside_test.cpp"
block cpp 2 > "$work/main.cpp"
for file in CMakeLists.txt outside_test.cpp main.cpp; do
    [ -s "$work/$file" ] || { echo "docs/testing.md holds no $file for the recipe"; exit 1; }
done
grep -q "add_subdirectory($source_dir" "$work/CMakeLists.txt" \
    || { echo "the recipe does not take the tool in with add_subdirectory"; exit 1; }

cmake -S "$work" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > "$work/configure.log" 2>&1 \
    || { cat "$work/configure.log"; echo "FAILED: the recipe does not configure"; exit 1; }
echo "the recipe configures"
if [ "${BUILD:-}" = 1 ]; then
    cmake --build "$work/build" --target outside_test
    QT_QPA_PLATFORM=offscreen "$work/build/outside_test"
fi
