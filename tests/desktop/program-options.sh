#!/usr/bin/env bash
# --help and --version of the three programs: status 0, the text on standard output and nothing
# on standard error; mk21cps's also without a display. A usage error still goes to standard
# error with a status that is not 0.
# Arguments: the project version, then the paths of mk21cps, mk21ctl and mk21sim.
set -u
version=$1
declare -A path=([cps]=$2 [cps-offscreen]=$2 [ctl]=$3 [sim]=$4)
XDG_RUNTIME_DIR=$(mktemp -d) && export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR" "$out" "$err"' EXIT
out=$(mktemp) err=$(mktemp)
failures=0

# Checks a captured stream against "-" (empty), "=TEXT" (exactly TEXT) or "~A,B,!C" (holds A and
# B, not C).
matches() {
    local file=$1 want=$2 item
    case $want in
        -) [[ ! -s $file ]] ;;
        =*) [[ $(<"$file") == "${want#=}" ]] ;;
        ~*)
            IFS=, read -ra items <<<"${want#\~}"
            for item in "${items[@]}"; do
                if [[ $item == !* ]]; then
                    ! grep -qF -- "${item#!}" "$file" || return 1
                else
                    grep -qF -- "$item" "$file" || return 1
                fi
            done ;;
    esac
}

# program; arguments; exit status; standard output; standard error
while IFS=';' read -r program args status want_out want_err; do
    read -ra words <<<"$args"
    # cps runs as over ssh, without a display; cps-offscreen on Qt's offscreen platform.
    case $program in
        cps) runner=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM) ;;
        *) runner=(env QT_QPA_PLATFORM=offscreen) ;;
    esac
    "${runner[@]}" "${path[$program]}" "${words[@]}" >"$out" 2>"$err"
    got=$?
    if [[ $got != "$status" ]] || ! matches "$out" "$want_out" || ! matches "$err" "$want_err"; then
        echo "FAIL: $program $args: status $got (want $status)"
        echo "--- stdout (want $want_out):"; cat "$out"
        echo "--- stderr (want $want_err):"; cat "$err"
        failures=$((failures + 1))
    fi
done <<TABLE
cps;--help;0;~--data-root,--port,--simulated-radio,--version;-
cps;--version;0;=mk21cps $version;-
cps;-v;0;=mk21cps $version;-
cps-offscreen;--no-such-option;1;-;~no-such-option
ctl;--help;0;~  new ,  encode ,  decode ,  show ,  read ,  write ,  info ,--no-verify,--trace,--version;-
ctl;-h;0;~usage:;-
ctl;--version;0;=mk21ctl $version;-
ctl;write --help;0;~usage: mk21ctl write,--no-verify,--data-root,!--image;-
ctl;read --help;0;~usage: mk21ctl read,--image,!--no-verify;-
ctl;--no-such-option;2;-;~usage:
ctl;frobnicate;2;-;~usage:
sim;--help;0;~--memory,--fault,--version;-
sim;--version;0;=mk21sim $version;-
sim;--no-such-option;2;-;~usage:
TABLE
[[ $failures -eq 0 ]]
