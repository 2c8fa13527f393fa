#!/usr/bin/env bash
# The manual renders without warnings, names every command as --help gives its use (one tag
# line each), lists every setting with its values as set --help gives them (both from the
# settings table: a setting or value the manual misses fails here), and has examples.
set -euo pipefail
program=$1
manual=$2
command -v groff >/dev/null || { echo "groff is missing: skipped"; exit 77; }
page=$(mktemp)
trap 'rm -f "$page"' EXIT
# Wide lines, so that no tag or synopsis wraps; no bold or underline, plain text.
groff -man -Tutf8 -P-cbou -rLL=300n -ww "$manual" 2>"$page.err" >"$page" || true
if [ -s "$page.err" ]; then echo "groff warns:"; cat "$page.err"; rm -f "$page.err"; exit 1; fi
rm -f "$page.err"

failed=0
while IFS= read -r usage; do
    usage=${usage#  }
    found=0
    while IFS= read -r line; do
        case "$line" in "       $usage" | "       $usage "*) found=1; break ;; esac
    done <"$page"
    [ $found -eq 1 ] || { echo "no tag line '$usage'"; failed=1; }
done < <(LC_ALL=C "$program" --help | grep -E '^  [a-z]')
# "options: cpi high|low, ..., hotkey1|hotkey2 CAPTION (...)": each setting with its values.
flat=$(tr -s ' \n' ' ' <"$page")
settings=$(LC_ALL=C "$program" set --help | tr -s ' \n' ' ' | sed 's/.*options: //; s/ CAPTION.*//')
IFS=',' read -ra items <<<"$settings"
for item in "${items[@]}"; do
    item=$(echo "$item" | sed 's/^ *//; s/ *$//')
    case "$flat" in *"$item"*) ;; *) echo "the manual does not list '$item'"; failed=1 ;; esac
done
[ ${#items[@]} -ge 7 ] || { echo "set --help lists no settings"; failed=1; }
grep -q '^EXAMPLES$' "$page" || { echo "no EXAMPLES section"; failed=1; }
[ $failed -eq 0 ] && echo "manual: every command's use, every setting's values, examples"
exit $failed
