# karvelo-rf report on real hidraw nodes: without the rule (the node root's alone, which the
# tester cannot open), with it (the uaccess tag, the rule the tool prints), with a rule that
# differs, and with the lock held by another process. Also what the lock's wait gives the
# watch: two watches started together both print a real first state, and so does one started
# while another process holds the receiver for two seconds, while status gives up after three,
# and without a lock to be had at all.
. /tests/lib.sh
rule=/etc/udev/rules.d/70-karvelo-rf-receiver.rules
add_tester
holder() { # milliseconds: holds the receiver lock of $node in the background
    KARVELO_HOLD_NODE=$node KARVELO_HOLD_MS=$1 \
        kernel_guest_tests --gtest_filter=GuestLockHolder.* >/tmp/holder.out 2>&1 &
    holder=$!
    wait_for grep -q '^held$' /tmp/holder.out
}

mv "$rule" /tmp/rule.saved && udevadm control --reload
start_virtual
as_tester "karvelo-rf --json report" >/tmp/report.json 2>/tmp/report.err
status=$?
as_tester "karvelo-rf report" >/tmp/report.txt 2>&1
text_status=$?
stop_virtual
cat /tmp/report.json
flat=$(tr -d ' \n' </tmp/report.json)
has() { case $flat in *"$1"*) return 0 ;; esac; return 1; }
check "a report without root ends with 0" test "$status:$text_status" = 0:0
check "without the rule no rule is installed" has '"udevRule":{"installed":[]}'
check "the node is listed with its IDs" has "\"node\":\"$node\",\"openError\":\"Permissiondenied\",\"openable\":false"
check "its owner and mode" has '"mode":"0600","node"'
check "root's alone" has '"owner":"root:root"'
check "no uaccess tag" has '"uaccessTag":false'
check "the receiver part says why it is not read" has '"receiver":{"problem":"nopermission"}'
check "the text tells the tester cannot open it" grep -q "this user can open it *no" /tmp/report.txt

mv /tmp/rule.saved "$rule" && udevadm control --reload
start_virtual
holder 4000
karvelo-rf --json report >/tmp/held.json 2>&1
wait "$holder"
karvelo-rf --json report >/tmp/report.json 2>&1
karvelo-rf --json report --full >/tmp/full.json 2>&1
cp "$rule" /tmp/rule.saved && echo '# changed' >>"$rule"
karvelo-rf --json report >/tmp/changed.json 2>&1
mv /tmp/rule.saved "$rule"
cat /tmp/report.json
flat=$(tr -d ' \n' </tmp/report.json)
check "with the rule it is installed and the tool's" \
    has "{\"path\":\"$rule\",\"sameAsTool\":true}"
check "the node carries the uaccess tag" has '"uaccessTag":true'
check "root can open it" has '"openable":true'
check "the receiver is read, its IDs masked" has '"mouseId":"**"'
check "and its settings" has '"hotkey1":"CALCULATOR"'
check "--full shows the IDs" grep -q '"mouseId": "21"' /tmp/full.json
check "a rule that differs is told" grep -q '"sameAsTool": false' /tmp/changed.json
check "the lock's holder is named" grep -q "\"lockHeldBy\": \"$holder kernel_guest_te" /tmp/held.json
check "the receiver it could not read is said busy" \
    grep -q '"problem": "the window is busy with the receiver; try again in a moment"' /tmp/held.json
check "no holder once it is given back" grep -q '"lockHeldBy": null' /tmp/report.json

# Two watches started together: one waits for the other's first reading.
karvelo-rf --json watch >/tmp/first.out 2>&1 &
first=$!
karvelo-rf --json watch >/tmp/second.out 2>&1 &
second=$!
sleep 3
kill "$first" "$second"
wait "$first" "$second"
head -n 1 /tmp/first.out /tmp/second.out
for out in first second; do
    check "the $out watch's first state is a real one" \
        sh -c "head -n 1 /tmp/$out.out | grep -q '\"event\":\"state\".*\"mouseBattery\":6'"
done
# Held for two seconds: the watch waits and prints the state once it has it, status gives up.
holder 2000
karvelo-rf --bar line watch >/tmp/bar.out 2>&1 &
watch=$!
wait "$holder"
sleep 1
kill "$watch"
wait "$watch"
holder 4000
karvelo-rf status >/tmp/busy.out 2>&1
busy_status=$?
wait "$holder"
# No runtime folder, and the temporary folder's lock folder taken by a file: no lock at all,
# so the receiver is not used.
mkdir -p /tmp/nolock && : >/tmp/nolock/karvelo-rf-0
XDG_RUNTIME_DIR= TMPDIR=/tmp/nolock karvelo-rf status >/tmp/nolock.out 2>&1
nolock_status=$?
stop_virtual
check "without a lock to be had status ends with 1" test "$nolock_status" -eq 1
check "and says why" grep -q "the receiver is not used: no lock keeps other programs" /tmp/nolock.out
cat /tmp/bar.out /tmp/busy.out
check "the watch held off prints the real state first" test "$(head -n 1 /tmp/bar.out)" = "mouse 6/7, keyboard 4/5"
check "status held off for more than 3 s ends with 1" test "$busy_status" -eq 1
check "and says the window is busy" grep -q "the window is busy with the receiver" /tmp/busy.out
exit $failed
