#!/bin/sh
# Makes sure that stb_image.h, the header trotconv decodes pictures with, is
# present before the build is configured: Debian's and Ubuntu's libstb-dev,
# installed through apt when it is missing. Elsewhere the configure step says
# where it looked and how to name its folder.
set -eu
command -v dpkg >/dev/null 2>&1 && command -v apt-get >/dev/null 2>&1 || exit 0
dpkg -s libstb-dev >/dev/null 2>&1 && exit 0
echo "Installing the picture decoder's header: libstb-dev"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq libstb-dev
