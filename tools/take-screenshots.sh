#!/usr/bin/env bash
# Takes the README's screenshots of the real tool under Xvfb: the window in each language,
# attached to the simulated receiver and with no receiver. Needs xvfb-run and ImageMagick.
set -euo pipefail
cd "$(dirname "$0")/.."
tool=build/bin/karvelo-rf-tool
out=docs
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

shoot() { # language, tool arguments, output file
    local config="$work/config-$1"
    mkdir -p "$config/KARVELO"
    printf '[General]\nLngSection=%s\n' "$1" > "$config/KARVELO/RF_BIND.conf"
    XDG_CONFIG_HOME="$config" xvfb-run -a -s "-screen 0 1280x800x24" bash -c \
        "$tool $2 & sleep 3; import -window root '$work/shot.png'; kill %1" 2>/dev/null
    # The window is centred on the 1280 x 800 screen.
    convert "$work/shot.png" -crop 725x410+277+195 +repage "$3"
}

for lang in eng cht chs; do
    shoot "lk${lang^}" --simulate "$out/lang-$lang-attached.png"
    shoot "lk${lang^}" "" "$out/lang-$lang-none.png"
done
shoot lkEng --simulate "$out/window-normal.png"
