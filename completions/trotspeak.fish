# Fish completion for trotspeak, trotthink and trotconv. Names come from the
# installed program's own listings, so they never go stale.

# Every -c of the command line, for the listings to read the same ponies.
function __trotspeak_database
    set -l tokens (commandline -opc)
    for i in (seq (count $tokens))
        if contains -- $tokens[$i] -c --characters; and test $i -lt (count $tokens)
            echo -c
            echo $tokens[(math $i + 1)]
        end
    end
end

# Runs one listing for scripts of the program being completed.
function __trotspeak_listing
    set -l program (commandline -opc)[1]
    $program (__trotspeak_database) $argv 2>/dev/null
end

# The arts of the pony given with -p, or every art.
function __trotspeak_arts
    set -l tokens (commandline -opc)
    set -l pony
    for i in (seq (count $tokens))
        if contains -- $tokens[$i] -p --pony; and test $i -lt (count $tokens)
            set pony $tokens[(math $i + 1)]
        end
    end
    __trotspeak_listing --list-arts $pony
end

for command in trotspeak trotthink
    complete -c $command -s h -l help -d 'Display the help screen'
    complete -c $command -s d -l debug -d 'Print debug lines'
    complete -c $command -s v -l version -d 'Print the version and build date'
    complete -c $command -s l -l list -d 'List ponies, arts or quotes'
    complete -c $command -s a -l art -x -a '(__trotspeak_arts)' -d 'Art variant to show'
    complete -c $command -o bl -l bubblelist -d 'List the bubble styles'
    complete -c $command -s i -l info -d 'Print what is shown'
    complete -c $command -s o -l only -d 'Print only the picture'
    complete -c $command -s q -l quote -d 'Only ponies with quotes'
    complete -c $command -s p -l pony -x -a '(__trotspeak_listing --list-names)' -d 'Pony to show'
    complete -c $command -s c -l characters -r -F -d 'Pony database file'
    complete -c $command -s b -l bubble -r -a '(__trotspeak_listing --list-bubbles)' -d 'Bubble style name or file'
    complete -c $command -s r -l rainbow -d 'Rainbow text'
    complete -c $command -s t -l think -d 'Think bubble'
    complete -c $command -s s -l say -d 'Say bubble'
    complete -c $command -s W -l width -x -d 'Text width of the bubble'
    complete -c $command -l color -l colour -x -a 'auto always never' -d 'When to use colour'
    complete -c $command -l colors -l colours -x -a '16 256 truecolor' -d 'Number of colours'
    complete -c $command -l format -x -a 'terminal svg' -d 'What to write the picture as'
    complete -c $command -l pipe -d 'Read the message from standard input'
    complete -c $command -l paths -d 'List the folders searched for resources'
    complete -c $command -l seed -x -d 'Repeatable pick'
    complete -c $command -l list-names -d 'List pony names for scripts'
    complete -c $command -l list-arts -f -a '(__trotspeak_listing --list-names)' -d 'List art names for scripts'
    complete -c $command -l list-quotes -x -a '(__trotspeak_listing --list-names)' -d 'List quotes for scripts'
    complete -c $command -l list-bubbles -d 'List bubble style names for scripts'
end

set -l trotconv_commands convertall convertponies convertbubbles merge serializeall serializeponies serializebubbles picture
complete -c trotconv -f -n "not __fish_seen_subcommand_from $trotconv_commands" -a "$trotconv_commands"
complete -c trotconv -F -n "__fish_seen_subcommand_from $trotconv_commands"
complete -c trotconv -n "__fish_seen_subcommand_from picture" -l box -x -d 'Fit the picture into a box of cells (COLUMNSxROWS)'
complete -c trotconv -n "__fish_seen_subcommand_from picture" -l below -d 'Put the bubble below the picture'
complete -c trotconv -n "__fish_seen_subcommand_from picture" -l force -d 'Replace an existing art file'
