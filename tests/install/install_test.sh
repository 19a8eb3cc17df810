#!/usr/bin/env bash
# `cmake --install` into a temporary prefix: the programs, the launcher entry and the icons land
# where the README's Install section says, the entry validates and each icon has its size.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
failed=0
expect_file() {
  if [ ! -s "$prefix/$1" ]; then echo "missing: $1"; failed=1; fi
}
for program in bezier bezier-render bezier-shot bezier-theme; do
  expect_file "bin/$program"
  [ -x "$prefix/bin/$program" ] || { echo "not executable: bin/$program"; failed=1; }
done
expect_file share/applications/bezier.desktop
expect_file share/icons/hicolor/scalable/apps/bezier.svg
for size in 16 32 48 64 128 256; do
  icon=share/icons/hicolor/${size}x${size}/apps/bezier.png
  expect_file "$icon"
  actual=$(identify -format '%wx%h %[channels]' "$prefix/$icon")
  # Square, of the folder's size, with an alpha channel round the tile.
  [[ $actual == "${size}x${size} srgba"* ]] || { echo "$icon is $actual"; failed=1; }
done
# Hints (two main categories: Graphics and Education, as wanted) are not errors.
desktop-file-validate "$prefix/share/applications/bezier.desktop" || failed=1
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/bezier.svg" || failed=1
[ "$failed" -eq 0 ] && echo "install: passed"
exit "$failed"
