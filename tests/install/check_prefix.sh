#!/usr/bin/env bash
# An installed prefix holds what the README's Install section lists, and its tool starts:
# the programs, the launcher entry that validates, each icon at its size, and a picture of
# the main window from the installed bezier-shot. Usage: check_prefix.sh PREFIX
set -euo pipefail
prefix=$1
failed=0
expect_file() {
  if [ ! -s "$prefix/$1" ]; then echo "missing: $1"; failed=1; fi
}
for program in bezier bezier-render bezier-shot bezier-theme; do
  expect_file "bin/$program"
  [ -x "$prefix/bin/$program" ] || { echo "not executable: bin/$program"; failed=1; }
done
expect_file share/applications/bezier.desktop
expect_file "share/bezier/skins/Velora Gelap/Options.dat"
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

# The installed tool on the headless desktop: the whole 797 x 541 window, skinned, so with far
# more than the few colours of an empty or plain picture.
shot=$(mktemp --suffix=.png)
if "$prefix/bin/bezier-shot" "$shot"; then
  read -r size colours <<<"$(identify -format '%wx%h %k' "$shot")"
  [ "$size" = 797x541 ] && [ "$colours" -ge 64 ] ||
    { echo "bezier-shot wrote a picture of $size with $colours colours"; failed=1; }
else
  echo "the installed bezier-shot did not start"; failed=1
fi
# The installed dark skin is complete: worn without a thing reported missing.
lacks=$("$prefix/bin/bezier-shot" "$shot" --skin "$prefix/share/bezier/skins/Velora Gelap") ||
  { echo "the installed dark skin cannot be worn"; failed=1; }
[ -z "$lacks" ] || { echo "the installed dark skin lacks: $lacks"; failed=1; }
rm -f "$shot"
[ "$failed" -eq 0 ] && echo "install: passed"
exit "$failed"
