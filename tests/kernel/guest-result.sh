#!/usr/bin/env bash
# One guest test's outcome from the boot that ran them all (run-vm.sh --results DIR): prints
# its part of the serial log and ends with 0 when it passed, 1 when it failed or did not run,
# 77 when the rig could not be built (with the reason).
#
# Usage: guest-result.sh RESULTS_DIR NAME
set -euo pipefail
results=$1 name=$2
if [ -e "$results/skipped" ]; then
    cat "$results/skipped"
    exit 77
fi
if [ ! -e "$results/$name.log" ]; then
    echo "no result for $name: the guest did not run it (see the boot's own output)"
    exit 1
fi
cat "$results/$name.log"
[ "$(cat "$results/$name.status" 2>/dev/null)" = passed ]
