# bash completion for tessaly: options, categories, the conversions and the unit words.
# The program itself names what may come next (tessaly --candidates WORDS), so that no list is
# kept here.
_tessaly()
{
    local cur=$2 word candidate
    local -a before=()
    # Words typed with backslashes ("Pounds\ to\ K") arrive with them, and earlier words with
    # their quotes too.
    [[ $cur == *\\* ]] && cur=${cur//\\/}
    for word in "${COMP_WORDS[@]:1:COMP_CWORD-1}"; do
        word=${word#[\"\']}
        word=${word%[\"\']}
        before+=("${word//\\/}")
    done
    COMPREPLY=()
    while IFS= read -r candidate; do
        [[ $candidate == "$cur"* ]] && COMPREPLY+=("$candidate")
    done < <("$1" --candidates "${before[@]}" 2>/dev/null)
    # Quoted as file names are: a conversion's spaces escaped, or kept inside a quote typed.
    compopt -o filenames 2>/dev/null
}
complete -F _tessaly tessaly
