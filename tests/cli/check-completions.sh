#!/usr/bin/env bash
# The shells' completions load and complete from the program: bash's registers itself
# (complete -p) and completes a command, a setting and a value with a space; zsh's and fish's
# parse, where those shells are installed.
set -uo pipefail
program=$1
completions=$2
failed=0
check() { # what, command...
    local what=$1; shift
    if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failed=1; fi
}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
ln -s "$program" "$scratch/karvelo-rf"
export PATH="$scratch:$PATH"

# shellcheck disable=SC1090,SC1091
source "$completions/karvelo-rf.bash"
check "bash registers the completion" bash -c '[[ $0 == "complete -F _karvelo_rf karvelo-rf" ]]' \
    "$(complete -p karvelo-rf)"
complete_words() { # the words, the last one being completed
    COMP_WORDS=("$@")
    COMP_CWORD=$(($# - 1))
    _karvelo_rf
    printf '%s\n' "${COMPREPLY[@]}"
}
check "a command" test "$(complete_words karvelo-rf rep)" = report
check "a setting get reads" test "$(complete_words karvelo-rf get auto)" = ""
check "a setting set writes" test "$(complete_words karvelo-rf set auto)" = auto-connect
check "a value with a space, quoted" test "$(complete_words karvelo-rf set hotkey1 'WWW H')" \
    = 'WWW\ HOME'
check "the CPI as the read-out shows it" test "$(complete_words karvelo-rf set cpi 16)" = 1600
check "a bar format" test "$(complete_words karvelo-rf watch --bar w)" = waybar
if command -v zsh >/dev/null; then
    check "zsh parses its completion" zsh -n "$completions/_karvelo-rf"
fi
if command -v fish >/dev/null; then
    check "fish parses its completion" fish --no-execute "$completions/karvelo-rf.fish"
fi
[ $failed -eq 0 ] && echo "completions: passed"
exit $failed
