#!/bin/sh
# Makes sure the libraries that the tests and benchmarks link, the Unicode
# data that the line breaking test reads, and the SVG renderer and XML
# checker that the picture tests run are present before `make test`
# configures the build: installed through apt on Debian and Ubuntu, named
# exactly elsewhere. On Debian and Ubuntu lintian comes too, for the
# packaging test to check the package with.
# Usage: tools/test-libraries.sh BUILD
set -eu
build=${1:-build}
debian_packages="libgtest-dev libgmock-dev libbenchmark-dev lintian unicode-data librsvg2-bin libxml2-utils"

if command -v dpkg >/dev/null 2>&1 && command -v apt-get >/dev/null 2>&1; then
  missing=""
  for package in $debian_packages; do
    dpkg -s "$package" >/dev/null 2>&1 || missing="$missing $package"
  done
  [ -z "$missing" ] && exit 0
  echo "Installing the test libraries:$missing"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -qq
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $missing
  exit 0
fi

# Elsewhere the configure step looks for them wherever they were installed.
cmake -S . -B "$build" >/dev/null
[ -f "$build/tests/CTestTestfile.cmake" ] && exit 0
cat >&2 <<'MESSAGE'
make test needs GoogleTest and Google Benchmark, which were not found.
Install them, then run make test again (the line breaking test also reads
Unicode's LineBreakTest.txt, from -DTROT_UNICODE_DIR=..., by default
/usr/share/unicode, and the picture tests run rsvg-convert and xmllint):
  Fedora:    sudo dnf install gtest-devel gmock-devel google-benchmark-devel
  Arch:      sudo pacman -S gtest benchmark
  openSUSE:  sudo zypper install gtest gmock benchmark-devel
  macOS:     brew install googletest google-benchmark
MESSAGE
exit 1
