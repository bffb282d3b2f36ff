# Prints, one a line, what zsh's completion offers for the command line $1 with the cursor at
# its end, as Tab at an interactive prompt would, with the completion functions of folder $2
# first. Run as: zsh -f zsh_complete.zsh LINE FOLDER
# Nothing is typed into the shell (typing ahead of its line editor can be lost): its start-up
# file sets everything up and its line editor completes the line as soon as it starts.
zmodload zsh/zpty || exit 3
local rc=$(mktemp -d) || exit 3
trap 'rm -rf -- $rc' EXIT
cat >$rc/.zshrc <<RC
PS1=''
fpath=(${(q)2} \$fpath)
autoload -Uz compinit && compinit -u -D
zstyle ':completion:*' insert-tab false
compprefuncs=(no_list)
no_list() { compstate[list]=''; compstate[insert]=''; }
# Each match offered is printed after a byte 1, and still offered.
compadd() {
    if [[ \${@[1,(i)(-|--)]} == *-(O|A|D)\ * ]]; then builtin compadd "\$@"; return; fi
    local -a hits; builtin compadd -A hits "\$@"
    builtin compadd "\$@"; local ret=\$?
    (( \$#hits )) && print -r -l -- \$'\x01'\${^hits}
    return ret
}
complete-and-end() {
    BUFFER=${(q)1}; CURSOR=\$#BUFFER
    zle complete-word
    print -r -- \$'\x02'
    exit
}
zle -N zle-line-init complete-and-end
RC
zpty z env ZDOTDIR=$rc zsh -d -i
local line
while zpty -r z line; do
    [[ $line == *$'\x02'* ]] && break
    [[ $line == *$'\x01'* ]] && print -r -- "${${line##*$'\x01'}%%$'\r'}"
done
zpty -d z
