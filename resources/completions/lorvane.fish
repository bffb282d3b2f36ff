# fish completion for lorvane: its options, the WAV formats after --format, folders after
# --output-folder, files everywhere else.
complete -c lorvane -l convert -d 'Convert without a window'
complete -c lorvane -l format -x -d 'WAV format' -a "'8-bit PCM' '16-bit PCM' '16-bit PCM µ-law' '24-bit PCM' '32-bit PCM' '64-bit PCM'"
complete -c lorvane -l output-folder -x -d 'Save the results in this folder' -a '(__fish_complete_directories)'
complete -c lorvane -l beside-source -d "Save each result in its source's folder"
complete -c lorvane -l extension -x -d 'Take the files ending in .EXT from folders' -a 'ogg opus oga "*"'
complete -c lorvane -l jobs -x -d 'Run up to N conversions at once'
complete -c lorvane -l keep-tree -d "Keep each folder's tree below the output folder"
complete -c lorvane -l update -d 'Leave up-to-date results alone'
complete -c lorvane -l report -r -F -d 'Write one JSON line per file to FILE'
complete -c lorvane -l quiet -d 'Show only what was not converted, and the summary'
complete -c lorvane -s h -l help -d 'Display the help and exit'
complete -c lorvane -l version -d 'Output version information and exit'
