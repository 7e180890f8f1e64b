#!/usr/bin/env bash
# The manual pages: each renders without a warning (groff, and man on the compressed page), and
# names every option its program's --help lists.
# Arguments: the folder of the built pages, then the paths of mk21cps, mk21ctl and mk21sim.
set -u
pages=$1
shift
command -v groff >/dev/null || { echo "SKIP: groff is not installed"; exit 77; }
XDG_RUNTIME_DIR=$(mktemp -d) && export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

for program in "$@"; do
    name=$(basename "$program")
    page=$pages/$name.1
    warnings=$(groff -man -ww -z "$page" 2>&1)
    [[ -z $warnings ]] || fail "groff warns on $name.1: $warnings"
    if command -v man >/dev/null; then
        warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page.gz" 2>&1 >/dev/null)
        [[ -z $warnings ]] || fail "man warns on $name.1.gz: $warnings"
    fi
    # The page writes an option as \-\-name.
    text=$(sed 's/\\-/-/g' "$page")
    for option in $("$program" --help | grep -oE -- '--[a-z][a-z-]*' | sort -u); do
        grep -qF -- "$option" <<<"$text" || fail "$name.1 does not name $option"
    done
done
[[ $failures -eq 0 ]]
