#!/usr/bin/env bash
# The manual pages format without a warning, and plecta-cli's page describes every command,
# every option and every exit status that the program's own help names, with an example for
# each command.
set -uo pipefail
docs=$1 cli=$2
failed=0
fail() { echo "FAIL: $*"; failed=1; }

for page in plecta.1 plecta-cli.1; do
  warnings=$(groff -ww -man -z "$docs/$page" 2>&1)
  [[ -z $warnings ]] || fail "groff warns on $page: $warnings"
  if command -v man >/dev/null; then
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings=w -l "$docs/$page.gz" 2>&1 >/dev/null)
    [[ -z $warnings ]] || fail "man warns on $page.gz: $warnings"
  fi
done

page=$docs/utf8/plecta-cli.1
# The text of a section: from its heading to the next heading of the same or a higher level.
section() { awk -v head="$1" '$0 ~ "^\\.S[SH] \"?" head "([ \"]|$)" {on = 1; print; next}
                               on && /^\.S[SH] / {exit} on' "$page"; }
# The options a help text lists: the words before the description on its indented option lines.
listed_options() { grep -E '^  -' | sed -E 's/^ +//; s/ {2,}.*//' | grep -oE -- '(^|[ ,])--?[a-z][a-z-]*' | tr -d ' ,' | sort -u; }
roff() { printf '%s' "${1//-/\\-}"; }

general=$(section "OPCIONS GENERALS")
for option in $("$cli" --help | listed_options); do
  grep -qF -- "$(roff "$option")" <<<"$general" || fail "the general options lack $option"
done
commands=$("$cli" --help | sed -n '/^Ordres:/,/^$/p' | awk 'NR > 1 && NF {print $1}')
[[ -n $commands ]] || fail "no commands read from plecta-cli --help"
for command in $commands; do
  text=$(section "$command")
  if [[ -z $text ]]; then
    fail "no section for the command $command"
    continue
  fi
  grep -qF -- "plecta\\-cli $command" <<<"$text" || fail "no example of $command"
  for option in $("$cli" "$command" --help | listed_options); do
    grep -qF -- "$(roff "$option")" <<<"$text$general" || fail "$command: $option is not described"
  done
done
statuses=$("$cli" --help | sed -n '/^Estat de sortida:/,/^[^ E]/p' | grep -oE '^  [0-9]+' | tr -d ' ')
[[ -n $statuses ]] || fail "no exit status read from plecta-cli --help"
exits=$(section "ESTAT DE SORTIDA")
for status in $statuses; do
  grep -qx "\.B $status" <<<"$exits" || fail "exit status $status is not described"
done
exit $failed
