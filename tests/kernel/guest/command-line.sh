# The command line end to end on the real node: two processes contending for the receiver
# take it in turn, a settings file exported, changed and applied is what get then reads, and
# a command whose receiver is unplugged while it runs says so and ends
# with status 3, in the language in force (the locale's; Traditional and Simplified Chinese
# say it alike).
. /tests/lib.sh

# Both at once: one waits for the other's lock, so their reports never interleave.
start_virtual --firmware default --log /tmp/turns.log
karvelo-rf identity --string "Two at once" >/tmp/identity.out 2>&1 &
writer=$!
karvelo-rf status >/tmp/status.out 2>&1
reader_status=$?
wait $writer
writer_status=$?
stop_virtual
check "both commands succeed" test "$writer_status:$reader_status" = 0:0
# The commands of the reports set: 03/04 the identity's EEPROM words, the rest the status'.
turns=$(awk '$2 == "set" { print ($5 == "03" || $5 == "04") ? "identity" : "status" }' /tmp/turns.log | uniq | tr '\n' ' ')
echo "turns: $turns"
check "one command's reports all come before the other's" \
    sh -c "[ '$turns' = 'identity status ' ] || [ '$turns' = 'status identity ' ]"

# The receiver unplugged at the third feature call of each command.
removed() { # expected message, command...
    message=$1
    shift
    start_virtual --firmware default --unplug-at-exchange 3
    "$@" >/tmp/removed.out 2>/tmp/removed.err
    status=$?
    stop_virtual
    cat /tmp/removed.err
    check "$* ends with 3" test $status -eq 3
    check "$* says the receiver was removed" grep -q "^karvelo-rf: $message$" /tmp/removed.err
    case "$*" in
    *--json*) # only the failure's object: its English message and the exit status
        check "$* prints only the failure's object" sh -c \
            "grep -q '\"error\": \"the receiver was removed\"' /tmp/removed.out && ! grep -q channel /tmp/removed.out" ;;
    *) check "$* prints nothing of what it read" test ! -s /tmp/removed.out ;;
    esac
}
for command in "status" "--json status" "pair --timeout 3" "get" "set cpi high" "identity" "identity --pid 0E42"; do
    # shellcheck disable=SC2086
    removed "the receiver was removed" karvelo-rf $command
done
removed "接收器已被拔下" env LANG=zh_TW.UTF-8 karvelo-rf status

# A settings file round trip: export, one value changed, apply, and get reads it.
start_virtual --firmware default
karvelo-rf export /tmp/settings.json
export_status=$?
sed 's/"wakeup": "[a-z-]*"/"wakeup": "button-only"/' /tmp/settings.json >/tmp/changed.json
karvelo-rf apply /tmp/changed.json >/tmp/apply.out 2>&1
apply_status=$?
karvelo-rf get wakeup >/tmp/get.out 2>&1
stop_virtual
cat /tmp/apply.out /tmp/get.out
check "export and apply succeed" test "$export_status:$apply_status" = 0:0
check "apply names the one difference" grep -q "^wakeup: .* -> button-only$" /tmp/apply.out
check "get reads the applied value" grep -q "^wakeup = button-only$" /tmp/get.out
exit $failed
