#!/usr/bin/env bash
# Prints the window's accessibility tree as a screen reader reads it: the real tool on the
# simulated receiver under Xvfb and openbox, with the desktop's accessibility bus running, the
# tree read through AT-SPI (python3-pyatspi). One line a node: role, name, value, states,
# place; then the nodes that show without a name or outside the window.
# Usage: tools/dump-accessibility-tree.sh [lkEng|lkCht|lkChs|none] [engineering] [scale]
# ("none": no language stored, so the first-start language chooser shows.)
# Installs what it needs (at-spi2-core, python3-pyatspi, xvfb, openbox, xdotool); builds the tool.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/ensure-deps.sh a11y
language=${1:-lkEng} size=${2:-normal} scale=${3:-1}
cmake --build build --target karvelo-rf-tool >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Under another name: the tool ends running copies of its own name.
cp build/bin/karvelo-rf-tool "$work/karvelo-rf-a11y"
mkdir -p "$work/config/KARVELO"
[ "$language" = none ] ||
    printf '[General]\nLngSection=%s\n' "$language" >"$work/config/KARVELO/RF_BIND.conf"

cat >"$work/walk.py" <<'WALK'
import sys, pyatspi

def states(node):
    s = node.getState()
    return [n for n, st in (("showing", pyatspi.STATE_SHOWING), ("visible", pyatspi.STATE_VISIBLE),
            ("focusable", pyatspi.STATE_FOCUSABLE), ("focused", pyatspi.STATE_FOCUSED),
            ("enabled", pyatspi.STATE_ENABLED), ("checked", pyatspi.STATE_CHECKED)) if s.contains(st)]

def value(node):
    try:
        v = node.queryValue()
        return " value=%g of %g..%g" % (v.currentValue, v.minimumValue, v.maximumValue)
    except NotImplementedError:
        return ""

def walk(node, depth, window, faults):
    extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    box = (extents.x, extents.y, extents.width, extents.height)
    st = states(node)
    desc = node.description
    print("%s%s %r%s%s %s %s" % ("  " * depth, node.getRoleName(), node.name, value(node),
          " desc=%r" % desc if desc else "", ",".join(st), box))
    if "showing" in st and window:
        inside = (box[0] >= window[0] and box[1] >= window[1] and
                  box[0] + box[2] <= window[0] + window[2] and box[1] + box[3] <= window[1] + window[3])
        if not node.name.strip():
            faults.append("no name: %s %s" % (node.getRoleName(), box))
        if not inside:
            faults.append("outside the window: %s %r %s" % (node.getRoleName(), node.name, box))
    for child in node:
        if child is not None:
            walk(child, depth + 1, window or box, faults)

desktop = pyatspi.Registry.getDesktop(0)
apps = [a for a in desktop if a is not None and "karvelo" in (a.name or "").lower()]
if not apps:
    sys.exit("the tool is not on the accessibility bus")
faults = []
for app in apps:
    print("application %r" % app.name)
    for window in app:
        walk(window, 1, None, faults)
print("showing nodes without a name or outside the window: %d" % len(faults))
for fault in faults:
    print("  " + fault)
WALK

cat >"$work/inside.sh" <<'INSIDE'
#!/usr/bin/env bash
set -euo pipefail
work=$1 size=$2
/usr/libexec/at-spi-bus-launcher --launch-immediately &
sleep 1
openbox >/dev/null 2>&1 &
sleep 1
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$work/karvelo-rf-a11y" --simulate 2>/dev/null &
pid=$!
id=
for _ in $(seq 50); do
    id=$(xdotool search --onlyvisible --name "Karvelo 2.4G RF SoC Setting Tool" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && break
    sleep 0.2
done
[ -n "$id" ] || { echo "the window did not appear" >&2; kill $pid; exit 1; }
sleep 2
if [ "$size" = engineering ]; then
    eval "$(xdotool getwindowgeometry --shell "$id")"
    for _ in 1 2 3 4 5; do  # the hidden gesture, then the password
        xdotool mousemove $((X + 60 * ${QT_SCALE_FACTOR:-1})) $((Y + 50 * ${QT_SCALE_FACTOR:-1})) click --repeat 2 --delay 60 1
        sleep 0.3
    done
    sleep 1
    xdotool type --delay 40 'Q+VELNOD'
    xdotool key Return
    sleep 2
fi
/usr/bin/python3 "$work/walk.py"
kill $pid
INSIDE
chmod +x "$work/inside.sh"
(cd "$work" && XDG_CONFIG_HOME="$work/config" QT_SCALE_FACTOR="$scale" \
    xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- "$work/inside.sh" "$work" "$size")
