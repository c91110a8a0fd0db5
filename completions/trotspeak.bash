# Bash completion for trotspeak, trotthink and trotconv. Pony, art and style
# names come from the installed program's own listings, so they never go
# stale.

# Prints one name per line from a trotspeak listing.
_trotspeak_ponies() {
  "$1" "${@:2}" -l 2>/dev/null | sed -n "s/^\t'\(.*\)'  .*Arts: .*/\1/p"
}

_trotspeak_arts() {
  "$1" "${@:3}" -l -p "$2" 2>/dev/null | sed -n 's/^\t//p'
}

_trotspeak_styles() {
  "$1" -bl 2>/dev/null | sed -n 's/^---- Bubble Type: \(.*\) -------$/\1/p'
}

# Sets COMPREPLY to the lines of $1 that start with $2, quoted for the shell.
_trotspeak_reply() {
  local IFS=$'\n' word
  COMPREPLY=()
  for word in $1; do
    [[ $word == "$2"* ]] && COMPREPLY+=("$(printf '%q' "$word")")
  done
}

_trotspeak() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
  # Bash splits "--color=al" into "--color", "=" and "al".
  if [[ $prev == "=" ]] && ((COMP_CWORD > 1)); then
    prev=${COMP_WORDS[COMP_CWORD-2]}
  elif [[ $cur == "=" ]]; then
    cur=""
  fi
  local program=${COMP_WORDS[0]} pony="" i
  local -a database=()
  for ((i = 1; i < COMP_CWORD - 1; i++)); do
    case ${COMP_WORDS[i]} in
      -c | --characters) database=(-c "${COMP_WORDS[i + 1]}") ;;
      -p | --pony) pony=${COMP_WORDS[i + 1]} ;;
    esac
  done

  case $prev in
    -p | --pony)
      _trotspeak_reply "$(_trotspeak_ponies "$program" "${database[@]}")" "$cur"
      return ;;
    -a | --art)
      local names="" name
      if [[ -n $pony ]]; then
        names=$(_trotspeak_arts "$program" "$pony" "${database[@]}")
      else
        while IFS= read -r name; do
          names+=$(_trotspeak_arts "$program" "$name" "${database[@]}")$'\n'
        done < <(_trotspeak_ponies "$program" "${database[@]}")
      fi
      _trotspeak_reply "$names" "$cur"
      return ;;
    -b | --bubble)
      _trotspeak_reply "$(_trotspeak_styles "$program")" "$cur"
      local IFS=$'\n'
      COMPREPLY+=($(compgen -f -- "$cur"))
      return ;;
    -c | --characters)
      local IFS=$'\n'
      COMPREPLY=($(compgen -f -- "$cur"))
      return ;;
    --color | --colour)
      COMPREPLY=($(compgen -W "auto always never" -- "$cur"))
      return ;;
    --colors | --colours)
      COMPREPLY=($(compgen -W "16 256 truecolor" -- "$cur"))
      return ;;
    -W | --width)
      return ;;
  esac

  local options="-h --help -d --debug -v --version -l --list -a --art -bl --bubblelist -i --info -o --only
-q --quote -p --pony -c --characters -b --bubble -r --rainbow -t --think -s --say -W --width --color --colour
--colors --colours - --pipe"
  COMPREPLY=($(compgen -W "$options" -- "$cur"))
}

_trotconv() {
  local cur=${COMP_WORDS[COMP_CWORD]}
  if ((COMP_CWORD == 1)); then
    COMPREPLY=($(compgen -W "convertall convertponies convertbubbles merge serializeall serializeponies serializebubbles" -- "$cur"))
    return
  fi
  local IFS=$'\n'
  COMPREPLY=($(compgen -f -- "$cur"))
}

complete -F _trotspeak trotspeak trotthink
complete -F _trotconv trotconv
