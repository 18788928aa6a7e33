# bash completion for pelmoxctl: its commands and options, the tone names, the ports that
# `pelmoxctl ports` lists (by name and by their /dev/serial/by-id/ link) for --port, and file
# names where a command takes a file. Needs nothing but bash itself.

# The ports, one a line: the first word of each line of `pelmoxctl ports`, and its by-id link.
_pelmoxctl_ports() {
    local line
    while IFS= read -r line; do
        printf '%s\n' "${line%% *}"
        [[ $line =~ \ by-id=\"([^\"]*)\" ]] && printf '%s\n' "${BASH_REMATCH[1]}"
    done < <("$1" ports 2>/dev/null)
}

_pelmoxctl_files() {
    compopt -o filenames 2>/dev/null
    local IFS=$'\n'
    COMPREPLY+=($(compgen -f -- "$1"))
}

_pelmoxctl() {
    local program=$1 cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    COMPREPLY=()

    # --port=DEVICE arrives as three words: --port, = and DEVICE.
    if [[ $prev == = && $COMP_CWORD -ge 2 ]]; then
        prev=${COMP_WORDS[COMP_CWORD - 2]}
    fi
    case $prev in
        -p | --port)
            local IFS=$'\n'
            COMPREPLY=($(compgen -W "$(_pelmoxctl_ports "$program")" -- "$cur"))
            # Any other device (a simulator's pseudo-terminal) by its path, each name once.
            if [[ $cur == */* ]]; then
                _pelmoxctl_files "$cur"
                COMPREPLY=($(printf '%s\n' "${COMPREPLY[@]}" | sort -u))
            fi
            return
            ;;
        -o | --output | -i | --image)
            _pelmoxctl_files "$cur"
            return
            ;;
    esac

    # The command is the first word that is neither an option nor an option's value.
    local i command=
    for ((i = 1; i < COMP_CWORD; i++)); do
        case ${COMP_WORDS[i]} in
            -p | --port | -o | --output | -i | --image | --for) ((i++)) ;;
            -*) ;;
            *)
                command=${COMP_WORDS[i]}
                break
                ;;
        esac
    done

    local options="--help --version"
    case $command in
        '')
            options+=" --port --output --image --verbose"
            [[ $cur == -* ]] || options="version read write diff check tone ports backups"
            ;;
        version | diff | check) options+=" --port" ;;
        # --verbose is taken anywhere, and offered where it tells something: sleep.
        tone) options+=" --port --for --verbose" ;;
        read) options+=" --port --output --image --show-header" ;;
        write) options+=" --port --image --no-backup --strict --quiet --force --verbose" ;;
    esac
    if [[ $cur == -* || -z $command ]]; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        return
    fi
    case $command in
        tone) ((i == COMP_CWORD - 1)) && COMPREPLY=($(compgen -W "1200 2200 both stop" -- "$cur")) ;;
        write | diff | check) _pelmoxctl_files "$cur" ;;
    esac
}

complete -F _pelmoxctl pelmoxctl
