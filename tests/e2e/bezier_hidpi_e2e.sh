#!/usr/bin/env bash
# The tool on a 4K Xvfb screen with GDK_SCALE=2: the window is twice its logical size, clicks
# at doubled positions size, fill and draw the table, and a caption drag moves the window.
# Screenshots stay in the output folder for a look.
set -euo pipefail
tool=$1
out=$2

source "$(dirname "$0")/desktop.sh"
start_desktop "$out" 3840x2160

start_bezier GDK_SCALE=2
[ "$WIDTH" -eq $((2 * 797)) ] && [ "$HEIGHT" -eq $((2 * 541)) ] || { echo "not doubled"; exit 1; }

# Logical client point (x, y) lies at device 2 (x + 4) + 1 from the window's left (the 4-pixel
# frame) and 2 (y + 541 - 4 - 495) + 1 from its top, the middle of its 2 x 2 block.
click() {
  xdotool mousemove "$((X + 2 * (4 + $1) + 1))" "$((Y + 2 * (541 - 4 - 495 + $2) + 1))" click 1
  sleep 0.3
}
fill_table 3 4
click $((184 + 42)) $((464 + 11))  # "Gambar Kurva"

# The drawing area, 503 x 455 logical at (281, 9) of the client area, doubled. The surface may
# be a few dozen points, so the doubling is checked by its blocks: every red point is a whole
# 2 x 2 block, and keeping one pixel of each block keeps a quarter of them.
area="1006x910+$((X + 2 * (4 + 281)))+$((Y + 2 * (541 - 4 - 495 + 9)))"
has_surface() { shot probe && [ "$(red_points "$area")" -gt 0 ]; }
wait_for has_surface
red=$(red_points "$area") blocks=$(red_points "$area" -sample 50%)
echo "red surface points: $red"
[ "$red" -eq $((4 * blocks)) ] || { echo "they are not $blocks whole 2 x 2 blocks"; exit 1; }
import -window root "$out/drawn.png"

# A drag by the caption (logical y 4 + 9 above the menu bar) moves the window by the drag.
grab_x=$((X + 2 * 300)) grab_y=$((Y + 2 * 12))
xdotool mousemove "$grab_x" "$grab_y" mousedown 1
sleep 0.3
xdotool mousemove $((grab_x + 100)) $((grab_y + 60))
sleep 0.3
xdotool mousemove $((grab_x + 200)) $((grab_y + 120)) mouseup 1
sleep 0.5
before_x=$X before_y=$Y
eval "$(xdotool getwindowgeometry --shell "$window")"
echo "dragged to $X,$Y"
[ "$X" -gt "$before_x" ] && [ "$Y" -gt "$before_y" ] || { echo "the caption drag moved nothing"; exit 1; }
import -window root "$out/moved.png"
echo "bezier HiDPI end-to-end: passed"
