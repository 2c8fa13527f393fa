# bash completion for karvelo-rf                                      -*- shell-script -*-
# SPDX-License-Identifier: GPL-2.0-or-later
# The program names what may follow the words typed so far (karvelo-rf __complete WORD...),
# so that the commands, options, settings and values come from the program itself.
_karvelo_rf() {
    local cur=${COMP_WORDS[COMP_CWORD]} word
    COMPREPLY=()
    while IFS= read -r word; do
        [[ $word == "$cur"* ]] && COMPREPLY+=("$(printf '%q' "$word")")
    done < <("${COMP_WORDS[0]}" __complete "${COMP_WORDS[@]:1:COMP_CWORD-1}" 2>/dev/null)
}
complete -F _karvelo_rf karvelo-rf
