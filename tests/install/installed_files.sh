# SPDX-License-Identifier: MIT
# Shared by check_install.sh, check_package.sh and check_lintian.sh: what
# an installed tree holds and that its programs run. Sourced; defines
# functions only.

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# build_package BUILD_DIR SCRATCH_DIR: builds the Debian package into a fresh
# SCRATCH_DIR/out, unpacks it into SCRATCH_DIR/root (as dpkg would, without
# installing it) and sets deb to the package's path.
build_package() {
  rm -rf "$2"
  mkdir -p "$2/out"
  cpack --config "$1/CPackConfig.cmake" -B "$2/out" >"$2/cpack.log" 2>&1 ||
    fail "cpack failed: $(tail -n 20 "$2/cpack.log")"
  deb=$(ls "$2"/out/quillon_*.deb)
  dpkg-deb -x "$deb" "$2/root"
}

# check_installed_tree PREFIX
check_installed_tree() {
  for f in bin/quillon bin/quillon-cli \
      share/doc/quillon/quillon-guide.html \
      share/doc/quillon/copyright share/doc/quillon/THIRD-PARTY-NOTICES \
      share/doc/quillon/changelog.gz \
      share/applications/org.quillon.Quillon.desktop \
      share/mime/packages/quillon.xml \
      share/metainfo/org.quillon.Quillon.metainfo.xml \
      share/icons/hicolor/scalable/apps/quillon.svg \
      share/icons/hicolor/48x48/apps/quillon.png \
      share/icons/hicolor/256x256/apps/quillon.png \
      share/quillon/translations/quillon_ru.qm \
      share/man/man1/quillon-cli.1.gz share/man/man1/quillon-cli-info.1.gz \
      share/man/man1/quillon-cli-convert.1.gz share/man/man1/quillon-cli-pins.1.gz \
      share/man/man1/quillon-cli-preview.1.gz share/man/man1/quillon-cli-check.1.gz \
      share/man/man1/quillon.1.gz; do
    [ -s "$1/$f" ] || fail "$f is not installed"
  done
  [ -x "$1/bin/quillon" ] && [ -x "$1/bin/quillon-cli" ] || fail "the programs are not executable"
  # A PNG of the right size, not just a file of that name.
  case $(od -An -tx1 -j16 -N8 "$1/share/icons/hicolor/48x48/apps/quillon.png" | tr -d ' \n') in
    0000003000000030) ;;
    *) fail "the 48x48 icon is not 48 by 48 pixels" ;;
  esac
}

# check_installed_programs PREFIX SOURCE_DIR SCRATCH_DIR BUILD_DIR
check_installed_programs() {
  prefix=$1 src=$2 work=$3/run build=$4
  mkdir -p "$work"
  "$prefix/bin/quillon-cli" --version | grep -q '^[0-9]' || fail "quillon-cli --version prints no version"
  "$prefix/bin/quillon-cli" info "$src/examples/demo.plt" >"$work/info.txt" ||
    fail "quillon-cli info failed on the demo board"
  grep -q 'COMP' "$work/info.txt" || fail "quillon-cli info does not list the demo's layers"
  (cd "$work" && "$prefix/bin/quillon-cli" convert "$src/examples/demo.plt" \
    --pins "$src/examples/demo-pins.txt" --format cam350 --answers yes-all -o demo.scr) \
    >"$work/convert.txt" 2>&1 ||
    fail "quillon-cli convert failed on the demo board"
  # Stripped and moved, the program still writes what the build's writes.
  (cd "$work" && "$build/quillon-cli" convert "$src/examples/demo.plt" \
    --pins "$src/examples/demo-pins.txt" --format cam350 --answers yes-all -o built.scr) \
    >/dev/null 2>&1 || fail "the build's quillon-cli failed on the demo board"
  cmp -s "$work/demo.scr" "$work/built.scr" || fail "the installed quillon-cli writes another macro"
  # The PNG painter is a module loaded from the installed library folder.
  (cd "$work" && "$prefix/bin/quillon-cli" preview "$src/examples/demo.plt" -o demo.svg --png) \
    >"$work/preview.txt" 2>&1 || fail "quillon-cli preview --png failed: $(cat "$work/preview.txt")"
  [ "$(od -An -c -j1 -N3 "$work/demo.png" | tr -d ' ')" = PNG ] ||
    fail "quillon-cli preview --png wrote no PNG"
  # The window's start and exit are checked here, not its memory: what Qt
  # keeps until exit is no leak of ours.
  export QT_QPA_PLATFORM=offscreen ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
  # An unknown language is refused, not silently English.
  status=0
  "$prefix/bin/quillon" --lang de >"$work/lang.txt" 2>&1 || status=$?
  [ $status -eq 2 ] && grep -q 'en or ru' "$work/lang.txt" ||
    fail "quillon --lang de was not refused: status $status, $(cat "$work/lang.txt")"
  # The window starts in Russian from the installed translation; SIGTERM
  # closes it as Exit does.
  timeout -s TERM 3 "$prefix/bin/quillon" --lang ru \
    >"$work/window.txt" 2>&1 || [ $? -eq 124 ] || fail "the window failed: $(cat "$work/window.txt")"
  ! grep -q 'stays English' "$work/window.txt" ||
    fail "the installed window found no translation: $(cat "$work/window.txt")"
}
