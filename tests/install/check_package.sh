#!/bin/sh
# SPDX-License-Identifier: MIT
# Builds the Debian package, unpacks it into a scratch folder (as dpkg would,
# without installing it) and runs the unpacked programs on the demo board.
# Usage: check_package.sh BUILD_DIR SOURCE_DIR SCRATCH_DIR
set -eu
build=$1 src=$2 scratch=$3
. "$src/tests/install/installed_files.sh"
build_package "$build" "$scratch"
check_installed_tree "$scratch/root/usr"
check_installed_programs "$scratch/root/usr" "$src" "$scratch" "$build"

# The dependencies come from the binaries: Qt and the regular expression
# library at least.
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libre2; do
  echo "$depends" | grep -q "$lib" || fail "Depends lacks $lib: $depends"
done
version=$(dpkg-deb -f "$deb" Version)
[ "$version" = "$("$scratch/root/usr/bin/quillon-cli" --version)" ] ||
  fail "the package version $version is not the program's"
echo "package check passed: $(basename "$deb"), $(du -k "$deb" | cut -f1) KiB"
