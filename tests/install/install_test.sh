#!/usr/bin/env bash
# Installs the build into a temporary prefix and unpacks the Debian package
# into a temporary root, then uses both from an unrelated folder the way a
# user would: the programs, trotthink, the resources, the manual pages and
# the bash completion. Uninstalling leaves nothing of ours behind. The
# package holds the files listed in tests/golden/install/deb_contents.txt
# (TROT_UPDATE_GOLDEN=1 writes it anew), and lintian, where installed,
# finds no error in it.
#   install_test.sh <build folder> <source folder>
set -uo pipefail
build=$1
source=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
passes=0

check() {  # check <description> <command...>
  local description=$1
  shift
  if "$@"; then
    passes=$((passes + 1))
  else
    failures=$((failures + 1))
    echo "FAILED: $description" >&2
  fi
}

# Runs a program from an unrelated folder and checks it drew a pony.
draws_pony() {
  local out
  out=$(cd "$scratch/elsewhere" && "$@" 2>&1) || { echo "$out" >&2; return 1; }
  [[ $out == *$'\e[38;2;'* && ( $out == *"▀"* || $out == *"▄"* ) ]]
}

same_output() {  # same_output <program A> <program B> <args...>
  local a=$1 b=$2
  shift 2
  [[ "$(cd "$scratch/elsewhere" && "$a" -t "$@")" == "$(cd "$scratch/elsewhere" && "$b" "$@")" ]]
}

lists_styles() {
  local out
  out=$(cd "$scratch/elsewhere" && "$1" -bl) && [[ $out == *"---- Bubble Type: ascii -------"* ]]
}

# Each shell completes `-p tu` to Tulip Fern (the listing matches without
# regard to case, the name holds a space) and `-p 'Tulip Fern' -a` to her arts.
# Tulip Fern's arts, sorted, on one line; tulip is surely one of them.
tulip_arts() {
  local arts
  arts=$("$1/trotspeak" --list-arts "Tulip Fern" | sort | tr '\n' ' ')
  [[ " $arts" == *" tulip "* ]] && printf '%s' "$arts"
}

bash_completes() {  # bash_completes <bin folder> <completion file>
  PATH="$1:$PATH" bash -c '
    source "$1"
    shift
    COMP_WORDS=(trotspeak -p tu)
    COMP_CWORD=2
    _trotspeak
    [[ "${COMPREPLY[*]}" == "Tulip\ Fern" ]] || { echo "bash -p: ${COMPREPLY[*]}" >&2; exit 1; }
    COMP_WORDS=(trotspeak -p "'"'"'Tulip Fern'"'"'" -a "")
    COMP_CWORD=4
    _trotspeak
    arts=$(printf "%s\n" "${COMPREPLY[@]}" | sort | tr "\n" " ")
    [[ -n $1 && $arts == "$1" ]] || { echo "bash -a: $arts" >&2; exit 1; }' _ "$2" "$(tulip_arts "$1")"
}

fish_completes() {
  local names arts
  names=$(PATH="$1:$PATH" fish -c "source '$2'; complete -C 'trotspeak -p tu'" | cut -f1)
  arts=$(PATH="$1:$PATH" fish -c "source '$2'; complete -C \"trotspeak -p 'Tulip Fern' -a \"" | cut -f1 | sort | tr '\n' ' ')
  [[ $names == 'Tulip Fern' && -n $arts && $arts == "$(tulip_arts "$1")" ]] || { echo "fish: $names / $arts" >&2; return 1; }
}

# The zsh completion's functions run with the completion system's own stubbed
# out: compadd, reached through _wanted, prints the names it was offered and
# the matcher that makes them match without regard to case.
zsh_completes() {
  PATH="$1:$PATH" zsh -f -c '
    _arguments() { : } ; _files() { : } ; _alternative() { : }
    _wanted() { shift 3 ; "$@" }
    compadd() { print -r -- "$2" ; print -rl -- ${(P)${@[-1]}} }
    words=(trotspeak) ; service=trotspeak ; database=()
    source "$1"
    _trotspeak_ponies
    chosen_pony="Tulip Fern" _trotspeak_arts' _ "$2" >"$scratch/zsh.out"
  grep -qx "m:{\[:lower:\]\[:upper:\]}={\[:upper:\]\[:lower:\]}" "$scratch/zsh.out" &&
    grep -qx "Tulip Fern" "$scratch/zsh.out" && grep -qx "tulip_left" "$scratch/zsh.out" &&
    ! grep -qx "spike" "$scratch/zsh.out" ||
    { cat "$scratch/zsh.out" >&2; return 1; }
}

# The program alone in a folder, its data where the build put it: only the
# search path leads it there.
finds_data_through_xdg() {
  mkdir -p "$scratch/bare"
  cp "$1/trotspeak" "$scratch/bare/"
  (cd "$scratch/elsewhere" && env -u TROTSPEAK_PATH XDG_DATA_DIRS="$2" "$scratch/bare/trotspeak" --list-names) |
    grep -qx "Tulip Fern"
}

man_page_clean() {
  local warnings
  warnings=$(gzip -dc "$1" | LC_ALL=C.UTF-8 groff -ww -man -Tutf8 -z 2>&1) && [[ -z $warnings ]] ||
    { echo "$warnings" >&2; return 1; }
}

# What `make uninstall` leaves: nothing but folders that other programs share.
uninstalls_cleanly() {
  cmake --build "$build" --target uninstall >/dev/null || return 1
  local left
  left=$(cd "$1" && find . ! -type d -o -path '*trotspeak*')
  [[ -z $left ]] || { echo "left after uninstalling: $left" >&2; return 1; }
}

# The package's files, links and modes, without sizes and times.
deb_contents_as_listed() {
  local golden=$source/tests/golden/install/deb_contents.txt listed
  listed=$(dpkg-deb -c "$1" | awk '{ $2 = $3 = $4 = $5 = ""; print }' | tr -s ' ' | sort -k 2)
  if [[ ${TROT_UPDATE_GOLDEN:-} == 1 ]]; then
    printf '%s\n' "$listed" >"$golden"
    return 0
  fi
  diff <(printf '%s\n' "$listed") "$golden" >&2
}

mkdir -p "$scratch/elsewhere"

# 1. cmake --install into a prefix.
prefix=$scratch/prefix
check "cmake --install" cmake --install "$build" --prefix "$prefix" >/dev/null
check "trotspeak from another folder" draws_pony "$prefix/bin/trotspeak" -p spike
check "extra ponies with -c" draws_pony "$prefix/bin/trotspeak" -c "$prefix/share/trotspeak/extraponies.bin"
check "data found through XDG_DATA_DIRS" finds_data_through_xdg "$prefix/bin" "$prefix/share"
check "trotthink is trotspeak -t" same_output "$prefix/bin/trotspeak" "$prefix/bin/trotthink" -p spike -a spike "hello"
check "bubble list from the install" lists_styles "$prefix/bin/trotspeak"
check "bash completes names and arts" bash_completes "$prefix/bin" "$prefix/share/bash-completion/completions/trotspeak"
for page in trotspeak trotconv trotthink; do
  check "man page $page" man_page_clean "$prefix/share/man/man1/$page.1.gz"
done
for shell in zsh fish; do
  command -v "$shell" >/dev/null || continue
  file=$prefix/share/zsh/site-functions/_trotspeak
  [[ $shell == fish ]] && file=$prefix/share/fish/vendor_completions.d/trotspeak.fish
  check "$shell loads its completion" "$shell" -n "$file"
done
if command -v zsh >/dev/null; then
  check "zsh completes names and arts" zsh_completes "$prefix/bin" "$prefix/share/zsh/site-functions/_trotspeak"
fi
if command -v fish >/dev/null; then
  check "fish completes names and arts" fish_completes "$prefix/bin" \
    "$prefix/share/fish/vendor_completions.d/trotspeak.fish"
fi

check "uninstall" uninstalls_cleanly "$prefix"

# 2. The Debian package, unpacked into a root of its own.
if command -v dpkg >/dev/null && command -v cpack >/dev/null; then
  check "cpack" bash -c "cd '$build' && cpack -G DEB -B '$scratch/package' >/dev/null 2>&1"
  deb=$(ls "$scratch"/package/*.deb 2>/dev/null | head -n 1)
  check "package built" test -n "$deb"
  if [[ -n $deb ]]; then
    check "package contents" deb_contents_as_listed "$deb"
    if command -v lintian >/dev/null; then
      check "lintian finds no error" lintian --fail-on error "$deb"
    fi
    check "dpkg -x" dpkg -x "$deb" "$scratch/root"
    check "packaged trotspeak works" draws_pony "$scratch/root/usr/bin/trotspeak" -p clover
    check "packaged trotthink works" draws_pony "$scratch/root/usr/bin/trotthink" -p bramble
  fi
fi

echo "$passes passed, $failures failed"
((failures == 0))
