#!/bin/sh
# SPDX-License-Identifier: MIT
# Builds the Debian package and runs lintian on it, as a Debian reviewer
# would: any error or warning fails, and so does an override without a
# comment above it that gives the reason.
# Usage: check_lintian.sh BUILD_DIR SOURCE_DIR SCRATCH_DIR
set -eu
build=$1 src=$2 scratch=$3
. "$src/tests/install/installed_files.sh"
build_package "$build" "$scratch"

# Every override states why, on the comment lines just above it.
overrides=$scratch/root/usr/share/lintian/overrides/quillon
if [ -f "$overrides" ]; then
  awk '/^#/ { reason = 1; next } /^[ \t]*$/ { reason = 0; next }
       !reason { print "override without a reason: " $0; bad = 1 }
       END { exit bad }' "$overrides" || fail "$overrides"
fi

# Errors and warnings fail (exit 1, each listed); exit 2 is lintian itself
# failing. Overridden tags are not reported, so an override is allowed once
# its reason is written (above).
status=0
lintian --fail-on error,warning --tag-display-limit 0 "$deb" >"$scratch/lintian.txt" \
  2>"$scratch/lintian-stderr.txt" || status=$?
[ $status -le 1 ] || fail "lintian did not run (exit $status): $(cat "$scratch/lintian-stderr.txt")"
if [ $status -ne 0 ] || grep -qE '^(E|W): ' "$scratch/lintian.txt"; then
  fail "lintian finds errors or warnings:
$(cat "$scratch/lintian.txt")"
fi
echo "lintian check passed: $(basename "$deb")"
