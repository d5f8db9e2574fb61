# fish completion for tessaly: options, categories, the conversions and the unit words.
# The program itself names what may come next (tessaly --candidates WORDS), so that no list is
# kept here.
complete -c tessaly -f -a '(set -l words (commandline -opc); $words[1] --candidates $words[2..-1] 2>/dev/null)'
