#!/usr/bin/env bash
# Regenerates the tool's pictures (src/window/resources/, the icons in packaging/icons/) from
# tools/pictures/make_pictures.cpp; ImageMagick assembles the pairing animation.
# Needs the fonts "DejaVu Sans" and "WenQuanYi Micro Hei" (fonts-wqy-microhei).
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-pictures
cmake -S tools/pictures -B "$build" -G Ninja >/dev/null
cmake --build "$build" >/dev/null
frames=$(mktemp -d)
trap 'rm -rf "$frames"' EXIT
"$build/make_pictures" "$PWD" "$frames"
# Four frames, 300 ms each, looping; transparent where the frames are. At 1x and 2x.
for scale in "" @2x; do
    convert -dispose background -delay 30 "$frames"/pairing${scale}{0,1,2,3}.png \
      -channel A -threshold 50% +channel -loop 0 src/window/resources/images/pairing${scale}.gif
done
echo "pictures written"
