#!/usr/bin/env bash
# Retakes every picture the README shows, of the real tool under Xvfb: the window in each
# language attached to the simulated receiver and with no receiver, and the engineering size
# (after the hidden gesture and the password) with the channel maps painted, the tray's
# tooltip and menu of the tool started hidden, in each language, and a pairing
# while it runs and at its success (under a window manager, whose title bar the success
# message's title must fit). Each picture is exactly the window, its own frame included; the
# success picture is the screen around it. Installs what it needs and builds the tool.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/ensure-deps.sh screenshots
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target karvelo-rf-tool
out=$PWD/docs
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A copy under another name: the tool ends the running copies of its own name, and taking a
# picture must not end the user's.
cp build/bin/karvelo-rf-tool "$work/karvelo-rf-screenshot"

# Runs inside the X server with a tray (trayer) at the top right: starts the tool hidden in the
# tray, and writes the corner of the screen with its tooltip and with its menu open.
cat > "$work/tray.sh" <<'TRAY'
#!/usr/bin/env bash
set -euo pipefail
tool=$1 picture=$2 work=$3
openbox >/dev/null 2>&1 &
sleep 0.5
trayer --edge top --align right --widthtype request --height 32 >/dev/null 2>&1 &
sleep 1
"$tool" --simulate --hidden 2>/dev/null &
pid=$!
sleep 4  # attached, and the first status ticks shown in the tooltip
xdotool mousemove 1266 16
sleep 2.5
import -window root -crop 360x80+920+0 "$work/tip.png"
xdotool click 3
sleep 1
import -window root -crop 360x140+920+0 "$work/menu.png"
convert "$work/tip.png" "$work/menu.png" -append "$picture"
kill $pid
TRAY
chmod +x "$work/tray.sh"

# Runs inside the X server: starts the tool, waits for its window, optionally opens the
# engineering size, and writes the window's picture.
cat > "$work/inside.sh" <<'INSIDE'
#!/usr/bin/env bash
set -euo pipefail
tool=$1 args=$2 picture=$3 mode=$4
[ "$mode" = pairing ] && { openbox >/dev/null 2>&1 & sleep 1; }
"$tool" $args 2>/dev/null &
pid=$!
id=
for _ in $(seq 50); do
    id=$(xdotool search --name "Karvelo 2.4G RF SoC Setting Tool" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && break
    sleep 0.2
done
[ -n "$id" ] || { echo "the window did not appear" >&2; kill $pid; exit 1; }
sleep 2  # attached, and the first status ticks shown
if [ "$mode" = pairing ]; then
    eval "$(xdotool getwindowgeometry --shell "$id")"
    xdotool mousemove $((X + 115)) $((Y + 124)) click 1  # Connect
    sleep 1.5
    import -window "$id" "$picture"
    sleep 3  # the simulated receiver finds the new mouse after three seconds
    import -window root -crop "$((WIDTH + 40))x$((HEIGHT + 60))+$((X - 20))+$((Y - 40))" \
        "${picture/running/success}"
    kill $pid
    exit 0
fi
if [ "$mode" = yes ]; then
    eval "$(xdotool getwindowgeometry --shell "$id")"
    for _ in 1 2 3 4 5; do  # the hidden gesture: five double clicks on the logo
        xdotool mousemove $((X + 60)) $((Y + 50)) click --repeat 2 --delay 60 1
        sleep 0.3
    done
    prompt=
    for _ in $(seq 25); do
        prompt=$(xdotool search --name "TEST MODE" 2>/dev/null | head -1 || true)
        [ -n "$prompt" ] && break
        sleep 0.2
    done
    xdotool windowfocus --sync "$prompt" type --delay 40 'Q+VELNOD'
    xdotool key Return
    sleep 4  # the channel maps are painted on the status ticks
fi
import -window "$id" "$picture"
kill $pid
wait $pid || true
INSIDE
chmod +x "$work/inside.sh"

shoot() { # language, tool arguments, picture, engineering (yes/no) or pairing
    local config="$work/config-$1"
    mkdir -p "$config/KARVELO"
    printf '[General]\nLngSection=%s\n' "$1" > "$config/KARVELO/RF_BIND.conf"
    (cd "$work" && XDG_CONFIG_HOME="$config" xvfb-run -a -s "-screen 0 1280x800x24" \
        "$work/inside.sh" "$work/karvelo-rf-screenshot" "$2" "$out/$3" "${4:-no}")
    echo "$3: $(identify -format '%wx%h' "$out/$3")"
}

shoot_tray() { # language, picture
    local config="$work/config-tray-$1"
    mkdir -p "$config/KARVELO"
    printf '[General]\nLngSection=%s\n' "$1" > "$config/KARVELO/RF_BIND.conf"
    (cd "$work" && XDG_CONFIG_HOME="$config" xvfb-run -a -s "-screen 0 1280x800x24" \
        "$work/tray.sh" "$work/karvelo-rf-screenshot" "$out/$2" "$work")
    echo "$2: $(identify -format '%wx%h' "$out/$2")"
}

for lang in eng cht chs; do
    shoot_tray "lk${lang^}" "tray-$lang.png"
done
shoot lkEng --simulate window-normal.png
shoot lkEng --simulate window-engineering-maps.png yes
for lang in cht chs; do
    shoot "lk${lang^}" --simulate "lang-$lang-attached.png"
done
for lang in eng cht chs; do
    shoot "lk${lang^}" "" "lang-$lang-none.png"
done
shoot lkEng --simulate hotkeys-stored.png
shoot lkEng --simulate pairing-running.png pairing
