#!/usr/bin/env bash
# Installs the build into a temporary prefix and unpacks the Debian package
# into a temporary root, then uses both from an unrelated folder the way a
# user would: the programs, trotthink, the resources, the manual pages and
# the bash completion.
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

completes_pony() {  # completes_pony <bin folder> <completion file>
  PATH="$1:$PATH" bash -c '
    source "$1"
    COMP_WORDS=(trotspeak -p Sp)
    COMP_CWORD=2
    _trotspeak
    printf "%s\n" "${COMPREPLY[@]}"' _ "$2" | grep -x Spike >/dev/null
}

completes_art_of_pony() {
  PATH="$1:$PATH" bash -c '
    source "$1"
    COMP_WORDS=(trotspeak -p spike -a "")
    COMP_CWORD=4
    _trotspeak
    printf "%s\n" "${COMPREPLY[@]}"' _ "$2" | grep -x spike >/dev/null
}

fish_completes_pony() {
  PATH="$1:$PATH" fish -c "source '$2'; complete -C 'trotspeak -p Sp'" | cut -f1 | grep -x Spike >/dev/null
}

# Runs the zsh completion's name lookup with the completion system's own
# functions stubbed out: _describe then prints the names it was offered.
zsh_offers_pony() {
  PATH="$1:$PATH" zsh -f -c '
    _arguments() { : } ; _files() { : } ; _alternative() { : }
    _describe() { print -l ${(P)4} }
    words=(trotspeak) ; service=trotspeak
    source "$1"
    _trotspeak_ponies' _ "$2" | grep -x Spike >/dev/null
}

man_page_clean() {
  local warnings
  warnings=$(LC_ALL=C.UTF-8 groff -ww -man -Tutf8 -z "$1" 2>&1) && [[ -z $warnings ]] || { echo "$warnings" >&2; return 1; }
}

mkdir -p "$scratch/elsewhere"

# 1. cmake --install into a prefix.
prefix=$scratch/prefix
check "cmake --install" cmake --install "$build" --prefix "$prefix" >/dev/null
check "trotspeak from another folder" draws_pony "$prefix/bin/trotspeak" -p spike
check "extra ponies with -c" draws_pony "$prefix/bin/trotspeak" -c "$prefix/share/trotspeak/resources/extraponies.bin"
check "trotthink is trotspeak -t" same_output "$prefix/bin/trotspeak" "$prefix/bin/trotthink" -p spike -a spike "hello"
check "bubble list from the install" lists_styles "$prefix/bin/trotspeak"
check "bash completes a pony name" completes_pony "$prefix/bin" "$prefix/share/bash-completion/completions/trotspeak"
check "bash completes the chosen pony's arts" completes_art_of_pony "$prefix/bin" \
  "$prefix/share/bash-completion/completions/trotspeak"
for page in trotspeak trotconv trotthink; do
  check "man page $page" man_page_clean "$prefix/share/man/man1/$page.1"
done
for shell in zsh fish; do
  command -v "$shell" >/dev/null || continue
  file=$prefix/share/zsh/vendor-completions/_trotspeak
  [[ $shell == fish ]] && file=$prefix/share/fish/vendor_completions.d/trotspeak.fish
  check "$shell loads its completion" "$shell" -n "$file"
done
if command -v zsh >/dev/null; then
  check "zsh offers a pony name" zsh_offers_pony "$prefix/bin" "$prefix/share/zsh/vendor-completions/_trotspeak"
fi
if command -v fish >/dev/null; then
  check "fish completes a pony name" fish_completes_pony "$prefix/bin" \
    "$prefix/share/fish/vendor_completions.d/trotspeak.fish"
fi

# 2. The Debian package, unpacked into a root of its own.
if command -v dpkg >/dev/null && command -v cpack >/dev/null; then
  check "cpack" bash -c "cd '$build' && cpack -G DEB -B '$scratch/package' >/dev/null 2>&1"
  deb=$(ls "$scratch"/package/*.deb 2>/dev/null | head -n 1)
  check "package built" test -n "$deb"
  if [[ -n $deb ]]; then
    check "dpkg -x" dpkg -x "$deb" "$scratch/root"
    check "packaged trotspeak works" draws_pony "$scratch/root/usr/bin/trotspeak" -p clover
    check "packaged trotthink works" draws_pony "$scratch/root/usr/bin/trotthink" -p bramble
  fi
fi

echo "$passes passed, $failures failed"
((failures == 0))
