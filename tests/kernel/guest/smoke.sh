# The real HID stack end to end: the virtual receiver on /dev/uhid gets a hidraw node that the
# command line finds and reads through hidapi, and signals unplug and plug it again.
. /tests/lib.sh

udevadm monitor --udev --subsystem-match=hidraw >/tmp/monitor.log 2>&1 &
monitor=$!
karvelo-rf-virtual --log /tmp/reports.log 2>/tmp/virtual.log &
virtual=$!
check "the virtual receiver gets a hidraw node" wait_for present
udevadm settle --timeout=10
node=$(ls /dev/hidraw* | head -n 1)

karvelo-rf list >/tmp/list.out 2>&1
cat /tmp/list.out
check "list names $node as a receiver it can open" grep -q "^$node  7A3C:0E41  ok" /tmp/list.out

karvelo-rf status >/tmp/status.out 2>&1
cat /tmp/status.out
check "status reads the channel" grep -q "^channel *40$" /tmp/status.out
check "status reads the IDs" grep -q "^mouse ID *21$" /tmp/status.out
check "status reads the CPI" grep -q "^CPI *800$" /tmp/status.out

karvelo-rf --json status >/tmp/status.json 2>&1
check "--json status names the node" grep -q "\"node\": \"$node\"" /tmp/status.json
check "--json status reads the keyboard ID" grep -q '"keyboardId": "43"' /tmp/status.json

kill -USR1 $virtual
check "SIGUSR1 removes the node" wait_for absent
kill -USR2 $virtual
check "SIGUSR2 brings it back" wait_for present
udevadm settle --timeout=10
check "systemd-udevd announced the remove" grep -q "remove .*hidraw" /tmp/monitor.log
check "... and both adds" test "$(grep -c 'add .*hidraw' /tmp/monitor.log)" -ge 2

kill $virtual $monitor
wait $virtual
check "the virtual receiver ends with status 0 on SIGTERM" test $? -eq 0
echo "reports exchanged: $(wc -l </tmp/reports.log)"
exit $failed
