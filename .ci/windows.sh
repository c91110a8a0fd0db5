#!/usr/bin/env bash
# The Windows part of CI, run by .ci/run after the native suite, whose build
# in build/ it uses: cross-build with MinGW-w64, run the Windows tests under
# Wine, check that the Windows programs print the same bytes as the native
# ones, and build the Windows zip.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS

need=()
for pkg in g++-mingw-w64-x86-64-posix wine wine64 googletest libstb-dev unicode-data; do
  dpkg -s "$pkg" >/dev/null 2>&1 || need+=("$pkg")
done
if [ ${#need[@]} -gt 0 ]; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${need[@]}"
fi

native=$PWD/build
windows=$PWD/build-windows
wine=/usr/lib/wine/wine64
work=$(mktemp -d)

# A Wine prefix of this run's own, without the .NET and HTML engines that a
# console program never needs (setting them up would take minutes). Wine
# reads the arguments it passes on as UTF-8 only in a UTF-8 locale.
export WINEPREFIX=$work/wine WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8
cleanup() {
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

echo "=== Windows cross build (MinGW-w64)"
cmake --no-warn-unused-cli -S . -B "$windows" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64.cmake -DTROT_HOST_TROTCONV="$native/trotconv" >/dev/null
step=$SECONDS
"$wine" wineboot --init
echo "Wine prefix ready in $((SECONDS - step)) s"
cmake --build "$windows" -j "$(nproc)"

echo "=== Windows tests under Wine"
(cd "$windows" && ctest --output-on-failure -j "$(nproc)")

echo "=== Windows and native programs print the same bytes"
failures=0
# same <program> <stdin file> <args...>: runs the native and the Windows
# program, each in its own build folder with its own resources, and compares
# standard output, standard error and exit status byte for byte.
same() {
  local program=$1 input=$2
  shift 2
  local status
  status=0
  (cd "$native" && "./$program" "$@") <"$input" >"$work/native.out" 2>"$work/native.err" || status=$?
  echo "$status" >>"$work/native.err"
  status=0
  (cd "$windows" && "$wine" "./$program.exe" "$@") <"$input" >"$work/windows.out" 2>"$work/windows.err" || status=$?
  echo "$status" >>"$work/windows.err"
  if cmp -s "$work/native.out" "$work/windows.out" && cmp -s "$work/native.err" "$work/windows.err"; then
    echo "same: $program $*"
  else
    echo "DIFFERENT: $program $*"
    cmp "$work/native.out" "$work/windows.out" || true
    diff "$work/native.err" "$work/windows.err" || true
    failures=$((failures + 1))
  fi
}

nothing=/dev/null
printf 'piped: héllo ☀ wörld — ünïcode\nsecond line\n' >"$work/message"
same trotspeak "$nothing" -l
same trotspeak "$nothing" -l -p moonbeam
same trotspeak "$nothing" -p moonbeam -a moonbeam_happy "héllo ☀ wörld"
same trotspeak "$work/message" -p tulip -a tulip -b round -
same trotspeak "$nothing" -p moonbeam -a moonbeam_sleepy -o -i
same trotspeak "$nothing" -p moonbeam -a moonbeam_happy -r --seed 3 --format=svg "héllo <&> ☀ wörld"
same trotspeak "$nothing" -bl
same trotspeak "$nothing" -h
same trotspeak "$nothing" -v
same trotspeak "$nothing" -p "no such pony"
same trotthink "$nothing" -p moonbeam -a moonbeam "hmm"
cp "$native/resources/ponies.bin" "$work/pönies ☀.bin"
same trotspeak "$nothing" -c "$work/pönies ☀.bin" -p evensong -a evensong "a file named in UTF-8"
same trotspeak "$nothing" -c "$work/nö such ☀.bin"

# trotconv round trip: the shipped databases written out as sources and
# converted back, by each build; everything written must be identical.
for side in native windows; do
  if [ $side = native ]; then conv=("$native/trotconv"); else conv=("$wine" "$windows/trotconv.exe"); fi
  mkdir -p "$work/$side" && cp -r "$native/resources" "$work/$side/binary"
  (cd "$work/$side" && "${conv[@]}" serializeall binary sources && "${conv[@]}" convertall sources rebuilt) \
    >"$work/$side.log" 2>&1
done
# The messages name files as each system writes paths ("a\\b" in the quoted
# form on Windows is "a/b" here), in the order each lists a folder.
sed -e 's#\\\\#/#g' -e 's#\\#/#g' "$work/windows.log" | sort >"$work/windows.generic.log"
sort "$work/native.log" >"$work/native.sorted.log"
if diff -r "$work/native/sources" "$work/windows/sources" >/dev/null && diff -r "$work/native/rebuilt" "$work/windows/rebuilt" >/dev/null &&
  cmp -s "$work/native.sorted.log" "$work/windows.generic.log"; then
  echo "same: trotconv serializeall and convertall"
else
  echo "DIFFERENT: trotconv serializeall and convertall"
  diff -r "$work/native" "$work/windows" | head -n 20 || true
  diff "$work/native.sorted.log" "$work/windows.generic.log" | head -n 20 || true
  failures=$((failures + 1))
fi
# One picture import by each build: the same art file from the same picture.
for side in native windows; do
  if [ $side = native ]; then conv=("$native/trotconv"); else conv=("$wine" "$windows/trotconv.exe"); fi
  cp docs/pip.png "$work/$side/pip.png"
  (cd "$work/$side" && "${conv[@]}" picture pip.png picture "Pip Sorrel") >"$work/$side.picture.log" 2>&1
done
if [ -s "$work/native/picture/pip.pony" ] && cmp -s "$work/native/picture/pip.pony" "$work/windows/picture/pip.pony"; then
  echo "same: trotconv picture"
else
  echo "DIFFERENT: trotconv picture"
  cat "$work/native.picture.log" "$work/windows.picture.log"
  failures=$((failures + 1))
fi
[ "$failures" -eq 0 ] || { echo "$failures Windows run(s) differ from the native ones"; exit 1; }

echo "=== Windows zip"
(cd "$windows" && cpack -G ZIP >/dev/null)
zip=$(ls "$windows"/trotspeak-*-win64.zip)
cmake -E tar tf "$zip" | sort
echo "Windows part of CI took $((SECONDS - started)) s"
