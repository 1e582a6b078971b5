#!/bin/sh
# SPDX-License-Identifier: MIT
# The Russian translation covers every text of the window: lupdate, run on
# the window's sources, must find nothing to add to or remove from the
# committed .ts, and every text in it must be translated.
# Usage: check_translation.sh LUPDATE SOURCE_DIR SCRATCH_DIR
set -eu
lupdate=$1 src=$2 scratch=$3
ts=$src/app/translations/quillon_ru.ts
rm -rf "$scratch"
mkdir -p "$scratch"
cp "$ts" "$scratch/quillon_ru.ts"
# The options of the build's update_translations target, so that both write
# the same file.
"$lupdate" -locations none -no-obsolete -I "$src" "$src"/app/*.cpp "$src"/app/*.h \
  -ts "$scratch/quillon_ru.ts" >"$scratch/lupdate.txt" 2>&1 || {
  cat "$scratch/lupdate.txt"
  exit 1
}
if ! cmp -s "$ts" "$scratch/quillon_ru.ts"; then
  diff -u "$ts" "$scratch/quillon_ru.ts" || true
  echo "FAIL: quillon_ru.ts is behind the window's texts: run" \
    "'cmake --build build --target update_translations' and translate what it adds" >&2
  exit 1
fi
if grep -q 'type="unfinished"' "$ts"; then
  grep -B2 'type="unfinished"' "$ts"
  echo "FAIL: quillon_ru.ts has texts without a translation" >&2
  exit 1
fi
echo "translation check passed"
