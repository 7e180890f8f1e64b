# bash completion for mk21ctl: its commands, each command's options, data files (*.dat) and
# radio images (*.img) where a file is wanted, serial devices after --device.
# Plain bash: it needs nothing from the bash-completion package.

_mk21ctl_files()
{
    # Files with one of the extensions given (any file when none is) and folders to look into;
    # names with blanks stay whole.
    compopt -o filenames 2>/dev/null
    local extension
    mapfile -t COMPREPLY < <(
        if [[ $# -eq 0 ]]; then
            compgen -f -- "$cur"
        else
            for extension; do compgen -f -X "!*.$extension" -- "$cur"; done
            compgen -d -- "$cur"
        fi)
}

_mk21ctl()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local commands="new encode decode show read write info"
    local command="" i
    for ((i = 1; i < COMP_CWORD; i++)); do
        case " $commands " in *" ${COMP_WORDS[i]} "*) command=${COMP_WORDS[i]}; break ;; esac
    done
    COMPREPLY=()

    # The value of the option before the cursor.
    case $prev in
        --model) mapfile -t COMPREPLY < <(compgen -W "ZR750 ZR750G" -- "$cur"); return ;;
        --band) mapfile -t COMPREPLY < <(compgen -W "0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 16 32" -- "$cur"); return ;;
        --lang) mapfile -t COMPREPLY < <(compgen -W "1 2" -- "$cur"); return ;;
        --port) mapfile -t COMPREPLY < <(compgen -W "$(echo {1..16})" -- "$cur"); return ;;
        --password) return ;;
        --data-root) compopt -o filenames 2>/dev/null; mapfile -t COMPREPLY < <(compgen -d -- "$cur"); return ;;
        --trace) _mk21ctl_files; return ;;
        --image) _mk21ctl_files img; return ;;
        -i) _mk21ctl_files dat; return ;;
        -o)
            if [[ $command == encode ]]; then _mk21ctl_files img; else _mk21ctl_files dat; fi
            return ;;
        --device)
            # USB and built-in serial ports, and the pseudo-terminals a simulated radio uses.
            local devices=() device
            for device in /dev/ttyUSB* /dev/ttyACM* /dev/ttyS* /dev/serial/by-id/* /dev/pts/[0-9]*; do
                [[ -e $device ]] && devices+=("$device")
            done
            compopt -o filenames 2>/dev/null
            mapfile -t COMPREPLY < <(compgen -W "${devices[*]}" -- "$cur")
            [[ ${#COMPREPLY[@]} -eq 0 ]] && mapfile -t COMPREPLY < <(compgen -f -- "$cur")
            return ;;
    esac

    local options="--lang --data-root --help"
    case $command in
        "") options="$options --version" ;;
        new) options="$options --model --band -o" ;;
        encode | decode) options="$options -o" ;;
        read) options="$options --device --port -o --image --password --model --band --yes --trace" ;;
        write) options="$options --device --port -i --password --yes --verify --no-verify --trace" ;;
        info) options="$options --device --port --password --yes --trace" ;;
    esac
    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
        return
    fi
    case $command in
        "") mapfile -t COMPREPLY < <(compgen -W "$commands" -- "$cur") ;;
        encode) _mk21ctl_files dat ;;
        decode) _mk21ctl_files img ;;
        show) _mk21ctl_files dat img ;;
    esac
}
complete -F _mk21ctl mk21ctl
