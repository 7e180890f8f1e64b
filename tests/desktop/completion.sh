#!/usr/bin/env bash
# mk21ctl's bash completion, called as bash calls it: COMP_WORDS and COMP_CWORD set, the function
# run, COMPREPLY compared (sorted) with what each command line should offer.
# Argument: the completion script.
set -u
source "$1" || exit 1
tmp=$(mktemp -d) && trap 'rm -rf "$tmp"' EXIT
cd "$tmp" && touch radio.dat "my radio.dat" radio.img notes.txt && mkdir saved

failures=0
# the words before the cursor, the word being completed (may be empty) | the offers, blank-separated
# ("my radio.dat" is written my_radio.dat here)
while IFS='|' read -r line want; do
    read -ra COMP_WORDS <<<"mk21ctl $line"
    [[ $line == *" " || -z $line ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _mk21ctl
    got=$(printf '%s\n' "${COMPREPLY[@]}" | tr ' ' _ | sort | xargs)
    want=$(printf '%s\n' $want | sort | xargs)
    if [[ $got != "$want" ]]; then
        echo "FAIL: mk21ctl $line<TAB>: got '$got', want '$want'"
        failures=$((failures + 1))
    fi
done <<'TABLE'
|new encode decode show read write info
re|read
--|--lang --data-root --help --version
new -|--lang --data-root --help --model --band -o
write -|--lang --data-root --help --device --port -i --password --yes --verify --no-verify --trace
info --p|--port --password
encode |my_radio.dat radio.dat saved
decode |radio.img saved
show |my_radio.dat radio.dat radio.img saved
encode radio.dat -o |radio.img saved
decode radio.img -o my|my_radio.dat
write --device /dev/ttyS0 -i |my_radio.dat radio.dat saved
read --image r|radio.img
read --trace n|notes.txt
read --model ZR|ZR750 ZR750G
new --band 1|1 10 11 12 13 14 16
read --port 1|1 10 11 12 13 14 15 16
--lang |1 2
--data-root |saved
TABLE
[[ $failures -eq 0 ]]
