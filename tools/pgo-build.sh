#!/bin/sh
# Builds trotspeak and trotconv with profile-guided optimisation, for
# packagers who want the last few per cent of start-up time:
#
#   tools/pgo-build.sh [build folder]        (default: build-pgo)
#
# 1. an instrumented build, which records how often each branch is taken;
# 2. a training run over the shipped resources: trotconv converts every
#    source, and trotspeak shows every art of every pony and every bubble
#    style, with and without colours, rainbow and think bubbles;
# 3. the same build again, optimised for what the training run did. Code the
#    training never reached is optimised as usual, not for size.
#
# The programs end up in the build folder, as with `make`. Compare them with
# the ordinary build by `python3 bench/goals.py build 200 --against <folder>`.
# Not part of CI: the result depends on the machine's compiler, and the two
# builds take a few minutes.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(mkdir -p "${1:-build-pgo}" && cd "${1:-build-pgo}" && pwd)
jobs=${JOBS:-$(nproc 2>/dev/null || echo 2)}

configure() {
  generator=""
  command -v ninja >/dev/null 2>&1 && generator="-G Ninja"
  # shellcheck disable=SC2086 # the generator is one or two words, or none
  cmake -S "$root" -B "$build" $generator -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTROT_TESTS=OFF -DTROT_BENCH=OFF -DCMAKE_CXX_FLAGS="$1" -DCMAKE_EXE_LINKER_FLAGS="$1" >/dev/null
  cmake --build "$build" -j "$jobs"
}

train() {
  trotspeak="$build/trotspeak"
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  "$build/trotconv" convertall "$root/resources/src" "$work/converted" >/dev/null || true
  # From an empty folder, so that only the build's own resources are found.
  cd "$work"
  for database in "$build"/resources/*.bin; do
    "$trotspeak" -c "$database" --list-names | while IFS= read -r pony; do
      "$trotspeak" -c "$database" --list-arts "$pony" | while IFS= read -r art; do
        "$trotspeak" -c "$database" -p "$pony" -a "$art" "Hello from the training run" >/dev/null
        "$trotspeak" -c "$database" -p "$pony" -a "$art" -r -t --colors 256 "A rainbow thought" >/dev/null
      done
      "$trotspeak" -c "$database" -p "$pony" -l >/dev/null
    done
  done
  "$trotspeak" --list-bubbles | while IFS= read -r style; do
    "$trotspeak" -b "$style" -W 40 "A longer message that the bubble has to wrap over a few lines" >/dev/null
    echo "A message from standard input" | "$trotspeak" -b "$style" --colors 16 - >/dev/null
  done
  seed=1
  while [ "$seed" -le 50 ]; do
    "$trotspeak" --seed "$seed" >/dev/null
    "$trotspeak" --seed "$seed" -q -i >/dev/null
    seed=$((seed + 1))
  done
  "$trotspeak" -l >/dev/null
  "$trotspeak" -bl >/dev/null
  cd "$root"
}

echo "=== instrumented build in $build"
find "$build" -name '*.gcda' -delete
# trotconv reads art files on several threads: counters must be updated atomically.
configure "-fprofile-generate -fprofile-update=atomic"
echo "=== training run"
train
echo "=== optimised build"
configure "-fprofile-use -fprofile-partial-training -Wno-missing-profile"
echo "Done: $build/trotspeak and $build/trotconv"
