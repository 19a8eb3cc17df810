#!/usr/bin/env bash
# The form demo on Xvfb with openbox: a form read from a stored description with every
# standard control. It opens and paints, takes typing and Tab, selects a grid cell with the
# focus frame, scrolls the list box and the grid by wheel and by a held arrow, opens a GTK
# message box from the menu and closes from the menu. Screenshots stay in the output folder.
set -euo pipefail
demo=$1
out=$2

source "$(dirname "$0")/desktop.sh"

shot() { import -window root "$out/probe.png"; }

# The colour at a screen point as RRGGBB, from the last shot.
colour() {
  convert "$out/probe.png" -crop "1x1+$1+$2" +repage -depth 8 -format '%[hex:p{0,0}]' info: | cut -c1-6
}
pixel_is() { shot && [ "$(colour "$1" "$2")" = "$3" ]; }

# How many pixels of a screen rectangle (x y width height) have one colour, or are dark.
count_colour() {
  convert "$out/probe.png" -crop "$3x$4+$1+$2" +repage -fill black +opaque "#$5" -fill white \
    -opaque "#$5" -format '%[fx:round(w*h*mean)]' info:
}
count_dark() {
  convert "$out/probe.png" -crop "$3x$4+$1+$2" +repage -colorspace gray -threshold 50% -negate \
    -format '%[fx:round(w*h*mean)]' info:
}
colour_at_least() { shot && [ "$(count_colour "$@")" -ge "$6" ]; }
colour_none() { shot && [ "$(count_colour "$@")" -eq 0 ]; }
dark_at_least() { shot && [ "$(count_dark "$1" "$2" "$3" "$4")" -ge "$5" ]; }
dark_none() { shot && [ "$(count_dark "$1" "$2" "$3" "$4")" -eq 0 ]; }
# The thumb of a scroll bar is plain button face where the track is dithered.
thumb_at() { shot && [ "$(colour "$1" "$2")" = D4D0C8 ] && [ "$(colour $(($1 + 1)) "$2")" = D4D0C8 ]; }

start_desktop "$out" 1024x768

SDL_VIDEODRIVER=x11 ASAN_OPTIONS=detect_leaks=0 "$demo" >"$out/demo.log" 2>&1 &
demo_pid=$!
pids+=("$demo_pid")
wait_for xdotool search --onlyvisible --name '^Standard controls$'
window=$(xdotool search --onlyvisible --name '^Standard controls$' | head -n1)
eval "$(xdotool getwindowgeometry --shell "$window")"
echo "window at $X,$Y size ${WIDTH}x$HEIGHT"

# Client origin: below the 4-pixel frame, the caption and the menu bar. The places below
# follow the stored description.
cx=$((X + 4))
cy=$((Y + 4 + 19 + 19))
at() { echo $((cx + $1)) $((cy + $2)); }
read -r name_x name_y < <(at 104 28)     # EdName, 153 x 21
read -r value_x value_y < <(at 104 56)   # EdValue
read -r list_x list_y < <(at 10 162)     # list box client, inside its 2-pixel edge; 261 x 93
read -r grid_x grid_y < <(at 10 266)     # grid client; cells 56 x 20 with 1-pixel lines
read -r paint_x paint_y < <(at 288 16)   # paint box
read -r image_x image_y < <(at 288 224)  # image, the 64 x 64 picture stretched

wait_for pixel_is $((X + 200)) $((Y + 10)) 0A246A
wait_for pixel_is $((paint_x + 150)) $((paint_y + 30)) A6CAF0
[ "$(colour $((image_x + 60)) $((image_y + 20)))" = 143CC8 ] || { echo "image not shown"; exit 1; }
[ "$(colour $((list_x - 2)) $((list_y - 2)))" = 808080 ] || { echo "list box edge missing"; exit 1; }
# The grid has no focus yet: its current cell (1, 1) shows the selection colour.
[ "$(colour $((grid_x + 57 + 45)) $((grid_y + 21 + 10)))" = 0A246A ] || { echo "no selection"; exit 1; }
cp "$out/probe.png" "$out/opened.png"

# Typing into the first edit puts text in it; Tab selects the whole of the next one.
xdotool mousemove $((name_x + 76)) $((name_y + 10)) click 1
xdotool type --delay 20 'Bezier'
wait_for dark_at_least $((name_x + 3)) $((name_y + 3)) 100 15 40
xdotool key Tab
wait_for colour_at_least "$value_x" "$value_y" 153 21 0A246A 40
cp "$out/probe.png" "$out/typed.png"

# A click on cell (2, 3) moves the current cell there: the old one loses its highlight and
# the new one gets the dotted focus frame along its top edge.
cell_x=$((grid_x + 2 * 57))
cell_y=$((grid_y + 3 * 21))
xdotool mousemove $((cell_x + 28)) $((cell_y + 10)) click 1
wait_for dark_at_least "$cell_x" "$cell_y" 56 1 20
colour_none $((grid_x + 57)) $((grid_y + 21)) 56 20 0A246A || { echo "old cell still selected"; exit 1; }
cp "$out/probe.png" "$out/grid.png"
# One wheel notch scrolls three rows: row 6 comes to where row 3 was, without the frame.
xdotool click 5
wait_for dark_none "$cell_x" "$cell_y" 56 1
cp "$out/probe.png" "$out/grid-wheel.png"

# A click selects "Kurva 2"; a wheel notch scrolls it out of view.
xdotool mousemove $((list_x + 40)) $((list_y + 19)) click 1
wait_for colour_at_least "$list_x" "$list_y" 240 93 0A246A 100
xdotool click 5
wait_for colour_none "$list_x" "$list_y" 240 93 0A246A
# Holding the down arrow of its scroll bar repeats until the end: the thumb reaches the arrow.
bar_x=$((list_x + 245 + 7))
thumb_at "$bar_x" $((list_y + 93 - 16 - 3)) && { echo "the thumb is at the end already"; exit 1; }
xdotool mousemove "$bar_x" $((list_y + 93 - 8)) mousedown 1
sleep 1.5
xdotool mouseup 1
wait_for thumb_at "$bar_x" $((list_y + 93 - 16 - 3))
cp "$out/probe.png" "$out/list.png"

# Alt+H opens Help with About selected; Enter shows the GTK message box, captioned with
# the application's title.
xdotool key alt+h
xdotool key Return
wait_for xdotool search --onlyvisible --name '^Form demo$'
import -window root "$out/dialog.png"
wait_for active_is 'Form demo'  # the box takes the keyboard by itself
xdotool key Return
gone() { ! xdotool search --onlyvisible --name "$1"; }
wait_for gone '^Form demo$'

# File > Close ends the program.
wait_for active_is 'Standard controls'  # and gives it back on closing
xdotool key alt+f
xdotool key Return
exited() { ! kill -0 "$demo_pid"; }
wait_for exited
wait "$demo_pid" || { echo "the demo failed:"; cat "$out/demo.log"; exit 1; }
echo "formdemo end-to-end: passed"
