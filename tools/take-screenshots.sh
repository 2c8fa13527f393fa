#!/usr/bin/env bash
# Takes the README's screenshots of the real tool under Xvfb: the window in each language,
# attached to the simulated receiver and with no receiver, and a pairing on the simulated
# receiver. Needs xvfb-run and ImageMagick; the pairing needs xdotool and openbox as well.
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

# Pairing: Connect pressed on the simulated receiver, the window while pairing runs, then the
# dialog once the new mouse is found (a window manager gives the dialog its title).
pairing() {
    local config="$work/config-pairing"
    mkdir -p "$config/KARVELO"
    printf '[General]\nLngSection=lkEng\n' > "$config/KARVELO/RF_BIND.conf"
    XDG_CONFIG_HOME="$config" xvfb-run -a -s "-screen 0 1280x800x24" bash -c "
        openbox >/dev/null 2>&1 & sleep 1
        $tool --simulate & sleep 4
        win=\$(xdotool search --onlyvisible --name 'Karvelo 2.4G' | head -1)
        xdotool mousemove --window \$win 117 124 click 1; sleep 1.5
        import -window \$win '$out/pairing-running.png'
        sleep 4; import -window root '$work/shot.png'
        kill %2" 2>/dev/null
    # The window and its frame are all that is not the black screen.
    convert "$work/shot.png" -trim +repage "$out/pairing-success.png"
}
pairing
