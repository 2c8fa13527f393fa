# A user who is not root, without the project's udev rule: the receiver's node stays root's,
# the command line names it in its hint and ends with status 3, and the window's notice names
# it (PermissionNoticeTest.cpp). With the rule, systemd-udevd tags the node for uaccess; the
# access itself comes from the seat's ACL, and the guest has no login seat.
. /tests/lib.sh
rule=/etc/udev/rules.d/70-karvelo-rf-receiver.rules
add_tester

mv "$rule" /tmp/rule.saved && udevadm control --reload
start_virtual
check "without the rule $node is root's alone" test "$(stat -c %a:%u "$node")" = 600:0
as_tester "karvelo-rf status" >/tmp/status.out 2>&1
status=$?
cat /tmp/status.out
check "status ends with 3" test $status -eq 3
check "its hint names $node" grep -q "no permission to open the receiver at $node:" /tmp/status.out
as_tester "kernel_guest_tests --gtest_filter='RealStackPermissions.*'"
check "the window's notice names $node" test $? -eq 0
# The watch tells the node in its stream and the help once on standard error, and goes on.
as_tester "karvelo-rf --json watch >/tmp/watch.out 2>/tmp/watch.err & sleep 3; kill \$!; wait \$!"
check "the watch's stream names $node" \
    grep -q "\"event\":\"receiverNotAccessible\".*\"node\":\"$node\"" /tmp/watch.out
check "the watch's help comes once" test "$(grep -c 'install the udev rule' /tmp/watch.err)" -eq 1
stop_virtual

mv /tmp/rule.saved "$rule" && udevadm control --reload
start_virtual
udevadm info "$node" >/tmp/info.out 2>&1
check "with the rule $node carries the uaccess tag" grep -q "^E: TAGS=.*:uaccess:" /tmp/info.out
stop_virtual
exit $failed
