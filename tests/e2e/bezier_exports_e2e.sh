#!/usr/bin/env bash
# The table through the desktop's clipboard and the picture through the desktop's save dialog:
# a drawn table copied with Ctrl+C, randomized anew, pasted back with Ctrl+V and drawn again
# must show the same drawing; File > "Simpan Gambar..." must write the bytes bezier-render
# writes for the saved table, and ask before it replaces that file; the 3-D view's File menu
# must save its picture at the window's size and the surface as a mesh. Screenshots stay in
# the output folder for a look.
set -euo pipefail
tool=$(realpath "$1")
out=$(realpath -m "$2")
render="$(dirname "$tool")/bezier-render"

source "$(dirname "$0")/desktop.sh"
start_desktop "$out" 1280x1024
# The dialogs open in the working folder, so that a plain name is typed into them.
cd "$out"
start_bezier

# The keyboard goes to the window the window manager made active a moment after it did.
has_keyboard() { active_is "$1" && [ "$(xdotool getwindowfocus)" = "$(xdotool getactivewindow)" ]; }
# Item k of the File menu of the window of that title, by the keys: F10, Down opens the menu
# at its first item.
menu_item() {
  wait_for has_keyboard "$1"
  sleep 0.3
  xdotool key F10 Down
  sleep 0.3
  shot "$2"
  for ((k = 0; k < $3; ++k)); do xdotool key Down; done
  xdotool key Return
}
# Open, Save, "Simpan Gambar...", Close.
file_item() { menu_item Bezier file-menu "$1"; }
# The drawing area is the panel's client area: 503 x 455 at (281, 9).
area="503x455+$((cx + 281))+$((cy + 9))"
crop_area() { convert "$out/$1.png" -crop "$area" +repage "$out/$1-area.png"; }
# GTK's file chooser takes a typed name only once it has looked at it: until then its button,
# and so Return, does nothing.
confirm() { sleep 1 && xdotool key Return; }

fill_table 3 2
click $((184 + 42)) $((464 + 11))  # "Gambar Kurva"
has_surface() { shot probe && [ "$(red_points "$area")" -gt 0 ]; }
wait_for has_surface
sleep 1  # the gauge ran first, and the drawing ends before the picture shows it
shot first && crop_area first

click $((8 + 65 + 32)) $((216 + 25 + 12))  # cell (1, 1): a single cell copies every row
xdotool key ctrl+c
sleep 0.3
click $((8 + 42)) $((464 + 11))            # "Randomize" changes every cell
shot randomized
click $((8 + 65 + 32)) $((216 + 25 + 12))
xdotool key ctrl+v
sleep 0.3
shot pasted
click $((184 + 42)) $((464 + 11))
# The crops' files differ in their time stamps; their pixels must not, once drawn.
same_drawing() {
  shot second && crop_area second &&
    [ "$(compare -metric AE "$out/first-area.png" "$out/second-area.png" null: 2>&1)" = 0 ]
}
if ! wait_for same_drawing; then
  echo "the pasted table does not draw as the copied one"
  exit 1
fi

points="$out/points.txt"
picture="$out/picture.png"
file_item 1
wait_for active_is Save
xdotool type --delay 20 points.txt
confirm
wait_for active_is Bezier
file_item 2
wait_for active_is "Simpan Gambar"
shot save-dialog
xdotool type --delay 20 picture  # the extension comes from the dialog
confirm
wait_for active_is Bezier
wait_for test -s "$picture"
"$render" "$points" "$out/rendered.png"
if ! cmp -s "$picture" "$out/rendered.png"; then
  echo "the saved picture is not what bezier-render draws for the saved table"
  exit 1
fi

# The same name again: the question names the file; Escape answers No and the dialog comes
# back, which Escape cancels.
before=$(stat -c %Y.%s "$picture")
file_item 2
wait_for active_is "Simpan Gambar"
xdotool type --delay 20 picture
confirm
wait_for xdotool search --onlyvisible --name '^Simpan Gambar$'
sleep 0.5
shot question
xdotool key Escape
sleep 0.5
wait_for active_is "Simpan Gambar"
xdotool key Escape
wait_for active_is Bezier
[ "$(stat -c %Y.%s "$picture")" = "$before" ] || { echo "the picture was replaced without a yes"; exit 1; }
# The 3-D view: its File menu saves the view at the window's size and the surface as a mesh of
# 64 x 64 cells, both offered first.
xdotool key F3
# "Simpan Gambar...", "Ekspor Mesh...".
view_item() { menu_item 'Tampilan 3-D' view-menu "$1"; }
view_item 0
wait_for active_is "Simpan Gambar"
shot view-save-dialog
xdotool type --delay 20 view
confirm
wait_for active_is 'Tampilan 3-D'
wait_for test -s "$out/view.png"
[ "$(identify -format %wx%h "$out/view.png")" = 640x480 ] || { echo "the view's picture is not 640 x 480"; exit 1; }
view_item 1
wait_for active_is "Ekspor Mesh"
shot mesh-dialog
xdotool type --delay 20 surface
confirm
wait_for active_is 'Tampilan 3-D'
wait_for test -s "$out/surface.obj"
# 65 x 65 points of a 3 x 2 net that collapses nowhere, two triangles a cell.
[ "$(grep -c '^v ' "$out/surface.obj")" = 4225 ] || { echo "the mesh has not 65 x 65 points"; exit 1; }
[ "$(grep -c '^f ' "$out/surface.obj")" = 8192 ] || { echo "the mesh has not 2 x 64 x 64 triangles"; exit 1; }

if [ -s "$out/tool.log" ]; then
  echo "the tool wrote to its error output:"
  sort "$out/tool.log" | uniq -c | head -n 20
  exit 1
fi
echo "bezier exports end-to-end: passed"
