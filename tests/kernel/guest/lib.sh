# Helpers of the guest's shell tests (sourced). Every wait ends within 10 s.
failed=0
check() { # what, command...
    what=$1
    shift
    if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failed=1; fi
}
wait_for() { # command...: up to 10 s
    i=0
    while [ $i -lt 100 ] && ! "$@"; do sleep 0.1; i=$((i + 1)); done
    "$@"
}
present() { ls /dev/hidraw* >/dev/null 2>&1; }
absent() { ! present; }
# Starts karvelo-rf-virtual with the given options and waits until udevd has handled its node.
start_virtual() {
    karvelo-rf-virtual "$@" 2>>/tmp/virtual.log &
    virtual=$!
    wait_for present && udevadm settle --timeout=10
    node=$(ls /dev/hidraw* 2>/dev/null | head -n 1)
}
stop_virtual() {
    kill "$virtual" 2>/dev/null
    wait "$virtual" 2>/dev/null
    wait_for absent
    udevadm settle --timeout=10
}
# A user who is not root, "tester" (uid 1000), with a home and a runtime folder of its own.
add_tester() {
    echo "root:x:0:0::/root:/bin/sh" >/etc/passwd
    echo "tester:x:1000:1000::/tmp/tester:/bin/sh" >>/etc/passwd
    printf 'root:x:0:\ntester:x:1000:\n' >/etc/group
    mkdir -p /tmp/tester/run && chown -R 1000:1000 /tmp/tester && chmod 700 /tmp/tester/run
}
as_tester() { # command line, run by tester's shell
    su -s /bin/sh -c "HOME=/tmp/tester XDG_RUNTIME_DIR=/tmp/tester/run QT_QPA_PLATFORM=offscreen $1" tester
}
# Starts the receiver logging to LOG and the window (English, offscreen) on it, and waits until
# the window has attached (its first battery read): window= its process.
start_window_on_receiver() { # log
    mkdir -p /tmp/window-config/KARVELO
    printf '[General]\nLngSection=lkEng\n' >/tmp/window-config/KARVELO/RF_BIND.conf
    start_virtual --log "$1"
    XDG_CONFIG_HOME=/tmp/window-config QT_QPA_PLATFORM=offscreen karvelo-rf-tool 2>/tmp/window.err &
    window=$!
    wait_for grep -q ' set ok 01 0A' "$1"
}
