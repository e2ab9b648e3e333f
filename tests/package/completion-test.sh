#!/usr/bin/env bash
# The bash completion of plecta-cli, called as bash calls it on a few command lines.
set -uo pipefail
script=$1 cli=$2
export LC_ALL=C.UTF-8
PATH=$(dirname "$cli"):$PATH
source "$script"
failed=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# replies WORD... : the replies for a command line whose last word is the one being completed.
replies() {
  COMP_WORDS=(plecta-cli "$@")
  COMP_CWORD=$#
  COMP_LINE="plecta-cli $*"
  COMP_POINT=${#COMP_LINE}
  COMPREPLY=()
  _plecta_cli
  printf '%s\n' "${COMPREPLY[@]}" | sort
}
expect() { # expect "REPLY|REPLY..." WORD... (or one reply a line)
  local want got
  want=$(tr '|' '\n' <<<"$1" | grep . | sort)
  shift
  got=$(replies "$@")
  [[ $got == "$want" ]] || { echo "FAIL: plecta-cli $*<Tab> gave [${got//$'\n'/ }], not [${want//$'\n'/ }]"; failed=1; }
}
offers() { # offers REPLY WORD...: REPLY is among the replies
  local want=$1
  shift
  grep -qxF -- "$want" <<<"$(replies "$@")" || { echo "FAIL: plecta-cli $*<Tab> does not offer $want"; failed=1; }
}

# Commands and the program's options.
expect "document" do
expect "merge" me
expect "check" ch
expect "--version" --v
offers "kinds" ""
expect "merge" help me
# List names; a second argument gets nothing.
expect "municipalities" list mu
expect "vocabulary|vocabulary-ca" list voc
expect "" list comarques x
# Kinds by number and by name, names with spaces and apostrophes quoted for the shell.
expect "181|185|186|187|188|189" document 18
expect "carta" fields ca
expect "recurs\\ d\\'alçada|recurs\\ extraordinari\\ de\\ revisió|recurs\\ potestatiu\\ de\\ reposició" merge recurs
expect "recurs\\ d\\'alçada" document "recurs\\ d"
# Field names of the kind typed, wherever the kind stands among the options.
fields=$(plecta-cli fields carta | cut -f1)
[[ -n $fields ]] || { echo "FAIL: plecta-cli fields carta gave nothing"; failed=1; }
expect "$(sed 's/$/=/' <<<"$fields")" document carta --set ""
expect "$(sed 's/$/=/' <<<"$fields")" document --date 2024-03-15 carta --choose ""
expect "$(plecta-cli fields "recurs d'alçada" | cut -f1 | sed 's/$/=/')" document "recurs\\ d\\'alçada" --force --set ""
expect "$fields" merge carta --csv rows.csv --name ""
expect "" document --set ""
# Options of the command typed, read from its help.
expect "--gender" numeral 5 --g
offers "--output" document carta --o
offers "--single" merge carta --s
expect "--desc" list municipalities --de
expect "" numeral 5 --set
# Values of options, also after "=" (which bash splits into a word of its own).
expect "utf-8|cp1252" kinds --encoding ""
expect "utf-8|cp1252" kinds --encoding = ""
expect "cp1252" document carta --encoding = cp
expect "f|m" numeral 5 --gender ""
expect "odt" merge carta --format o
expect "vocabulary,municipalities" search x --in vocabulary,mu
# File names where a file goes, folders where a folder goes.
mkdir "$work/cartes" && touch "$work/carta.csv" "$work/carta.pdf"
cd "$work"
expect "carta.csv|carta.pdf|cartes" merge carta --csv car
expect "cartes" merge carta --out car
expect "carta.csv|carta.pdf|cartes" document carta -o car
expect "carta.csv|carta.pdf|cartes" check car
# After "--", everything is an argument.
expect "" numeral -- --g
exit $failed
