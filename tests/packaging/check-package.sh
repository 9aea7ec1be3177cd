#!/bin/sh
# Builds the Debian package of the build with CPack into a folder of its own
# and runs lintian on it; fails on any error lintian reports.
#   check-package.sh BUILD-DIR OUTPUT-DIR
set -eu
build=$1
out=$2
rm -rf "$out"
cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out.log" 2>&1 || { cat "$out.log"; exit 1; }
deb=$(ls "$out"/talvinsk_*.deb)
dpkg-deb --info "$deb"
lintian --fail-on error "$deb"
