# The window on the hidraw node keeps ticking while karvelo-rf get runs ten times in a row
# beside it: a tick that finds the receiver held by the command is skipped, never the last.
. /tests/lib.sh

start_window_on_receiver /tmp/busy.log
# Only the window reads the battery (command 0A): get reads the hotkeys and the mouse.
window_reads() { awk '$2 == "set" && $5 == "0A"' /tmp/busy.log | wc -l; }
gets_done=0
for i in 1 2 3 4 5 6 7 8 9 10; do
    karvelo-rf get >/dev/null 2>>/tmp/busy-get.err && gets_done=$((gets_done + 1))
done
after_gets=$(window_reads)
sleep 4
later=$(window_reads)
kill "$window"
wait "$window"
stop_virtual

echo "gets done: $gets_done of 10; the window's battery reads: $after_gets after the gets, $later 4 s later"
check "every get is done" test "$gets_done" -eq 10
check "the window kept ticking after the gets" test $((later - after_gets)) -ge 2
exit $failed
