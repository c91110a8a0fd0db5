# Bash completion for trotspeak, trotthink and trotconv. Pony, art and style
# names come from the program's own listings for scripts, one call per
# completion, so they never go stale.

# The word as the user means it, without the quotes and backslashes typed.
_trotspeak_dequote() {
  local word=${1//\\/}
  word=${word//\'/}
  printf '%s' "${word//\"/}"
}

# Sets COMPREPLY to the lines of $1 that begin with $2, compared without
# regard to case, each quoted for the shell.
_trotspeak_reply() {
  local IFS=$'\n' word prefix quoted
  prefix=$(_trotspeak_dequote "$2")
  prefix=${prefix,,}
  COMPREPLY=()
  for word in $1; do
    [[ ${word,,} == "$prefix"* ]] || continue
    printf -v quoted '%q' "$word"
    COMPREPLY+=("$quoted")
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
      -c | --characters) database+=(-c "$(_trotspeak_dequote "${COMP_WORDS[i + 1]}")") ;;
      -p | --pony) pony=$(_trotspeak_dequote "${COMP_WORDS[i + 1]}") ;;
    esac
  done

  case $prev in
    -p | --pony | --list-quotes)
      _trotspeak_reply "$("$program" "${database[@]}" --list-names 2>/dev/null)" "$cur"
      return ;;
    -a | --art)
      _trotspeak_reply "$("$program" "${database[@]}" --list-arts ${pony:+"$pony"} 2>/dev/null)" "$cur"
      return ;;
    -b | --bubble)
      _trotspeak_reply "$("$program" --list-bubbles 2>/dev/null)" "$cur"
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
    --format)
      COMPREPLY=($(compgen -W "terminal svg" -- "$cur"))
      return ;;
    -W | --width | --seed)
      return ;;
  esac

  local options="-h --help -d --debug -v --version -l --list -a --art -bl --bubblelist -i --info -o --only
-q --quote -p --pony -c --characters -b --bubble -r --rainbow -t --think -s --say -W --width --color --colour
--colors --colours --format - --pipe --paths --seed --list-names --list-arts --list-quotes --list-bubbles"
  COMPREPLY=($(compgen -W "$options" -- "$cur"))
}

_trotconv() {
  local cur=${COMP_WORDS[COMP_CWORD]}
  if ((COMP_CWORD == 1)); then
    COMPREPLY=($(compgen -W "convertall convertponies convertbubbles merge serializeall serializeponies serializebubbles picture" -- "$cur"))
    return
  fi
  if [[ ${COMP_WORDS[1]} == picture && $cur == -* ]]; then
    COMPREPLY=($(compgen -W "--box --below --force" -- "$cur"))
    return
  fi
  local IFS=$'\n'
  COMPREPLY=($(compgen -f -- "$cur"))
}

complete -F _trotspeak trotspeak trotthink
complete -F _trotconv trotconv
