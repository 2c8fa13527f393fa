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
shoot lkEng --simulate "$out/hotkeys-stored.png"

# The identity group at the engineering size: the gesture and password, a new string
# descriptor written, the box emptied, then VID, PID and string read back. Needs xdotool.
if command -v xdotool >/dev/null; then
    config="$work/config-identity"
    mkdir -p "$config/KARVELO"
    printf '[General]\nLngSection=lkEng\n' > "$config/KARVELO/RF_BIND.conf"
    cat > "$work/identity.sh" <<SCRIPT
$tool --simulate &
sleep 4
for i in 1 2 3 4 5; do xdotool mousemove 397 250 click --repeat 2 --delay 60 1; sleep 0.6; done
sleep 1; xdotool type --delay 80 'Q+VELNOD'; xdotool key Return; sleep 1.5
xdotool mousemove 817 700 click 1 key ctrl+a; xdotool type --delay 40 'KARVELO Combo 2.4G'
xdotool mousemove 966 668 click 1; sleep 1.5
xdotool mousemove 817 700 click 1 key ctrl+a Delete
for x_y in '760 637' '934 637' '934 668'; do xdotool mousemove \$x_y click 1; sleep 0.8; done
xdotool mousemove 1200 20; sleep 1
import -window root '$work/shot.png'
kill %1
SCRIPT
    XDG_CONFIG_HOME="$config" xvfb-run -a -s "-screen 0 1280x800x24" bash "$work/identity.sh" 2>/dev/null
    convert "$work/shot.png" -crop 975x545+277+195 +repage "$out/identity-engineering.png"
fi
