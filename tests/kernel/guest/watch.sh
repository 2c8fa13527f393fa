# karvelo-rf watch --json beside the window on one hidraw node: both keep polling (the watch
# skips a poll the window holds instead of waiting), the receiver's removal and addition are
# events of the stream, and SIGTERM ends it with status 0 (a background job of this shell
# starts with SIGINT ignored, which the watch keeps so).
. /tests/lib.sh

start_window_on_receiver /tmp/watch.log
KARVELO_RF_TRACE=1 karvelo-rf --json watch >/tmp/watch.out 2>/tmp/watch.trace &
watch=$!
sleep 8
kill -USR1 "$virtual"
wait_for absent
sleep 2
kill -USR2 "$virtual"
wait_for present && udevadm settle --timeout=10
sleep 4
kill -TERM "$watch"
wait "$watch"
watch_status=$?
kill "$window"
wait "$window"
stop_virtual

cat /tmp/watch.out
events=$(sed 's/.*"event":"\([a-zA-Z]*\)".*/\1/' /tmp/watch.out | tr '\n' ' ')
battery_reads=$(awk '$2 == "set" && $5 == "0A"' /tmp/watch.log | wc -l)
watch_reads=$(grep -c '^trace: set 01 0A' /tmp/watch.trace)
echo "events: $events; battery reads: $watch_reads by the watch, $((battery_reads - watch_reads)) by the window"
check "the watch ends with 0 on SIGTERM" test "$watch_status" -eq 0
check "the stream starts with the state of the node" grep -q "^{.*\"event\":\"state\".*\"node\":\"$node\"" /tmp/watch.out
check "the removal and the addition are events, in order" \
    sh -c "echo '$events' | grep -q 'state .*receiverRemoved receiverAdded'"
check "the watch kept polling" test "$watch_reads" -ge 8
check "the window kept ticking" test $((battery_reads - watch_reads)) -ge 8
exit $failed
