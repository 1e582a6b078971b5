#!/bin/sh
# SPDX-License-Identifier: MIT
# Installs the build into a scratch prefix and checks that a desktop finds
# everything where it looks: programs, guide, icons, entry, file type,
# metainfo, translations and manual pages; then runs the installed programs.
# Usage: check_install.sh BUILD_DIR SOURCE_DIR SCRATCH_DIR
set -eu
build=$1 src=$2 scratch=$3
rm -rf "$scratch"
cmake --install "$build" --prefix "$scratch/usr" >/dev/null
. "$src/tests/install/installed_files.sh"
check_installed_tree "$scratch/usr"
check_installed_programs "$scratch/usr" "$src" "$scratch" "$build"

# The manual pages are well-formed: groff reports no warning for them.
for page in "$scratch"/usr/share/man/man1/*.1.gz; do
  out=$(zcat "$page" | groff -man -ww -z 2>&1) || fail "groff failed on $page"
  [ -z "$out" ] || fail "groff warns about $page: $out"
done
convert_page=$scratch/usr/share/man/man1/quillon-cli-convert.1.gz
zcat "$convert_page" | grep -q '^\.TH QUILLON-CLI-CONVERT ' ||
  fail "quillon-cli-convert.1 is not titled after its command"
zcat "$convert_page" | grep -qF -- '\-\-format' ||
  fail "quillon-cli-convert.1 does not describe --format"
# One version, the project's, everywhere it is shown.
version=$("$scratch/usr/bin/quillon-cli" --version)
[ "$("$scratch/usr/bin/quillon" --version | sed -n 's/^Quillon //p')" = "$version" ] ||
  fail "quillon --version does not say $version: $("$scratch/usr/bin/quillon" --version)"
for page in quillon quillon-cli quillon-cli-convert; do
  zcat "$scratch/usr/share/man/man1/$page.1.gz" | grep '^\.TH ' | grep -qF " $version\"" ||
    fail "$page.1 does not carry version $version"
done
grep -q "<release version=\"$version\"" "$scratch/usr/share/metainfo/org.quillon.Quillon.metainfo.xml" ||
  fail "the metainfo's release is not $version"
zcat "$scratch/usr/share/doc/quillon/changelog.gz" | head -n 1 | grep -qF "quillon ($version)" ||
  fail "the changelog's last entry is not $version"

# The file type as the desktop compiles it: *.plt, and the signature
# bytes exactly as a plot file starts with them.
update-mime-database "$scratch/usr/share/mime" >/dev/null
grep -q '^50:application/x-pcad-plot:\*\.plt$' "$scratch/usr/share/mime/globs2" ||
  fail "globs2 does not map *.plt: $(cat "$scratch/usr/share/mime/globs2")"
expected=$(head -c 2 "$src/examples/demo.plt" | od -An -tx1 | tr -d ' \n')
magic=$(sed -n '/application\/x-pcad-plot/{n;p;}' "$scratch/usr/share/mime/magic" |
  od -An -tx1 | tr -d ' \n')
case $magic in
  3e303d0002"$expected"*) ;;
  *) fail "the compiled magic ($magic) does not match the demo's first bytes ($expected)" ;;
esac
# A double-click on a plot reaches the window only when the entry, the file
# type and the metainfo name the same type, and the entry the installed icon.
share=$scratch/usr/share
type=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$share/mime/packages/quillon.xml")
grep -qx "MimeType=$type;" "$share/applications/org.quillon.Quillon.desktop" ||
  fail "the desktop entry does not open $type"
grep -q "<mediatype>$type</mediatype>" "$share/metainfo/org.quillon.Quillon.metainfo.xml" ||
  fail "the metainfo does not name $type"
grep -qx 'Exec=quillon %f' "$share/applications/org.quillon.Quillon.desktop" ||
  fail "the desktop entry does not hand the file to quillon"
entry=$share/applications/org.quillon.Quillon.desktop
desktop-file-validate "$entry" >"$scratch/entry.txt" 2>&1 && ! grep -qi 'error' "$scratch/entry.txt" ||
  fail "the installed desktop entry does not validate: $(cat "$scratch/entry.txt")"
# The entry is named after the AppStream ID, so that the metainfo launches it.
grep -q "<launchable type=\"desktop-id\">$(basename "$entry")</launchable>" \
  "$share/metainfo/org.quillon.Quillon.metainfo.xml" ||
  fail "the metainfo does not launch $(basename "$entry")"
# The desktop's own cache then opens plot files with it.
update-desktop-database "$share/applications" ||
  fail "update-desktop-database failed on $share/applications"
grep -qx "$type=$(basename "$entry");" "$share/applications/mimeinfo.cache" ||
  fail "the desktop does not open $type with $(basename "$entry"): $(cat "$share/applications/mimeinfo.cache")"
icon=$(sed -n 's/^Icon=//p' "$entry")
[ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "the entry's icon $icon is not installed"

# The metainfo, the desktop entry it launches and the icon, as one tree.
appstreamcli validate-tree --no-net "$scratch" >"$scratch/appstream.txt" 2>&1 ||
  fail "appstreamcli validate-tree: $(cat "$scratch/appstream.txt")"
echo "install check passed"
