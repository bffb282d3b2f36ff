# bash completion for lorvane: its options, the WAV formats after --format, folders after
# --output-folder, files everywhere else. Works with or without the bash-completion package.

_lorvane() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=""
    ((COMP_CWORD > 0)) && prev=${COMP_WORDS[COMP_CWORD - 1]}
    # "--format=16" comes as "--format" "=" "16" (bash breaks words at "=").
    if [[ $cur == "=" ]]; then
        prev=${COMP_WORDS[COMP_CWORD - 1]}
        cur=""
    elif [[ $prev == "=" ]] && ((COMP_CWORD > 1)); then
        prev=${COMP_WORDS[COMP_CWORD - 2]}
    fi
    # What was typed of a quoted or escaped value, as the program will see it.
    local word=${cur#[\"\']}
    word=${word//\\/}

    local IFS=$'\n'
    local i
    for ((i = 1; i < COMP_CWORD; i++)); do
        if [[ ${COMP_WORDS[i]} == "--" ]]; then
            COMPREPLY=($(compgen -f -- "$word"))
            compopt -o filenames 2>/dev/null
            return
        fi
    done
    case $prev in
    --format)
        # The labels have blanks: readline quotes them as it does file names.
        COMPREPLY=($(compgen -W $'8-bit PCM\n16-bit PCM\n16-bit PCM µ-law\n24-bit PCM\n32-bit PCM\n64-bit PCM' -- "$word"))
        compopt -o filenames 2>/dev/null
        return
        ;;
    --output-folder)
        COMPREPLY=($(compgen -d -- "$word"))
        compopt -o filenames 2>/dev/null
        return
        ;;
    --extension)
        COMPREPLY=($(compgen -W $'ogg\nopus\noga\n*' -- "$word"))
        return
        ;;
    --jobs)
        COMPREPLY=($(compgen -W "$(seq 1 "$(nproc 2>/dev/null || echo 1)")" -- "$word"))
        return
        ;;
    --report)
        COMPREPLY=($(compgen -f -- "$word"))
        compopt -o filenames 2>/dev/null
        return
        ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W $'--convert\n--format\n--output-folder\n--beside-source\n--extension\n--jobs\n--keep-tree\n--update\n--report\n--quiet\n--help\n--version' -- "$cur"))
        return
    fi
    COMPREPLY=($(compgen -f -- "$word"))
    compopt -o filenames 2>/dev/null
}
complete -F _lorvane lorvane
