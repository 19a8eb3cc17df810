#!/usr/bin/env bash
# The tool's skinned frame on Xvfb with openbox, used as a user uses a window: dragged by its
# caption, not resized by its fixed edge, its rounded corners cut out, the system menu opened by
# a right click on the caption and its Move followed by the keys and the pointer, the File menu opened under its bar item, and Alt+F4 closing
# the program. Screenshots stay in the output folder for a look.
set -euo pipefail
tool=$1
out=$2

source "$(dirname "$0")/desktop.sh"

geometry() { eval "$(xdotool getwindowgeometry --shell "$window")"; }
moved_to() { geometry && [ "$X" = "$1" ] && [ "$Y" = "$2" ]; }
popup_open() { shot probe && [ "$(changed rest probe "$@")" -gt 500 ]; }
popup_closed() { shot probe && [ "$(changed rest probe "$@")" -eq 0 ]; }

start_desktop "$out" 1280x1024

start_bezier
[ "$WIDTH" = 797 ] && [ "$HEIGHT" = 541 ] || { echo "the frame is not 4 + 19 + 19 round 789 x 495"; exit 1; }

# A drag on the caption moves the window by as much as the pointer; the window manager
# moves it, so the pointer goes in steps.
drag() {
  xdotool mousemove "$1" "$2" mousedown 1
  for _ in 1 2 3 4; do xdotool mousemove_relative -- "$(($3 / 4))" "$(($4 / 4))"; sleep 0.1; done
  xdotool mouseup 1
}
drag $((X + 400)) $((Y + 12)) 120 80
wait_for moved_to $((X + 120)) $((Y + 80))
geometry
echo "dragged to $X,$Y"

# The frame's edge is fixed: a drag on the right edge leaves the size alone.
drag $((X + WIDTH - 2)) $((Y + 300)) 60 0
sleep 0.5
geometry
[ "$WIDTH" = 797 ] || { echo "a single border resized the window to $WIDTH"; exit 1; }

xdotool mousemove $((X + 400)) $((Y + 200))
sleep 0.5
shot rest

# The title's rounded corners are cut out of the window: there the desktop shows through.
colour() {
  convert "$out/rest.png" -crop "1x1+$1+$2" +repage -depth 8 -format '%[hex:p{0,0}]' info:
}
desktop=$(colour $((X - 1)) "$Y")
[ "$(colour "$X" "$Y")" = "$desktop" ] && [ "$(colour $((X + WIDTH - 1)) "$Y")" = "$desktop" ] &&
  [ "$(colour $((X + 400)) "$Y")" != "$desktop" ] || { echo "the title's corners are not cut out"; exit 1; }
# So are the frame's bottom corners, without a light pixel of the face beyond the border.
bottom=$((Y + HEIGHT - 1))
for at in "$X $bottom" "$((X + 1)) $bottom" "$X $((bottom - 1))" "$((X + 1)) $((bottom - 1))" \
  "$((X + WIDTH - 1)) $bottom" "$((X + WIDTH - 2)) $bottom" "$((X + WIDTH - 2)) $((bottom - 1))"; do
  [ "$(colour $at)" = "$desktop" ] || { echo "a bottom corner shows $(colour $at) at $at"; exit 1; }
done
# The task bar finds the title and the icon. grep reads all of xprop's long listing: quitting
# at the first match would end xprop by a broken pipe, which pipefail reads as no icon.
xprop -id "$window" _NET_WM_NAME _NET_WM_ICON | grep 'Icon (' >/dev/null || { echo "no icon"; exit 1; }

# A right click on the caption opens the frame's system menu at the pointer; Escape closes it.
menu_x=$((X + 300))
menu_y=$((Y + 12))
xdotool mousemove "$menu_x" "$menu_y" click 3
wait_for popup_open "$menu_x" "$menu_y" 120 120
cp "$out/probe.png" "$out/system-menu.png"
xdotool key Escape
wait_for popup_closed "$menu_x" $((menu_y + 12)) 120 108

# Its Move leaves the window where it is until a key or the pointer moves it: an arrow moves it
# 8 pixels, Enter keeps it there.
xdotool mousemove "$menu_x" "$menu_y" click 3
wait_for popup_open "$menu_x" "$menu_y" 120 120
xdotool key Down Down Return  # Restore (disabled), then Move
sleep 0.5
geometry
[ "$X,$Y" = "$((menu_x - 300)),$((menu_y - 12))" ] || { echo "Move put the window at $X,$Y"; exit 1; }
xdotool key Right Right Down Return
wait_for moved_to $((menu_x - 300 + 16)) $((menu_y - 12 + 8))
geometry
echo "moved by the keys to $X,$Y"
xdotool mousemove $((X + 400)) $((Y + 200))
sleep 0.5
shot rest

# Move clicked and the pointer moved on at once: events of the closed menu that were still on
# their way must not fling the window away; it moves by no more than a few pixels.
menu_x=$((X + 300))
menu_y=$((Y + 12))
start_x=$X
start_y=$Y
xdotool mousemove "$menu_x" "$menu_y" click 3
wait_for popup_open "$menu_x" "$menu_y" 120 120
xdotool mousemove $((menu_x + 30)) $((menu_y + 38))  # Move, the second item
sleep 0.3
xdotool click 1 mousemove_relative 1 0 mousemove_relative 1 0
sleep 0.5
xdotool click 1
sleep 0.3
geometry
[ "$((Y - start_y))" -ge -4 ] && [ "$((Y - start_y))" -le 4 ] &&
  [ "$((X - start_x))" -ge -4 ] && [ "$((X - start_x))" -le 4 ] ||
  { echo "Move clicked flung the window from $start_x,$start_y to $X,$Y"; exit 1; }
xdotool mousemove $((X + 400)) $((Y + 200))
sleep 0.5
shot rest

# Then the window follows the pointer until a click.
menu_x=$((X + 300))
menu_y=$((Y + 12))
xdotool mousemove "$menu_x" "$menu_y" click 3
wait_for popup_open "$menu_x" "$menu_y" 120 120
xdotool key Down Down Return
sleep 0.3
for _ in 1 2 3 4; do xdotool mousemove_relative -- -10 10; sleep 0.1; done
xdotool click 1
wait_for moved_to $((X - 40)) $((Y + 40))
geometry
echo "moved through the system menu to $X,$Y"
xdotool mousemove $((X + 400)) $((Y + 200))
sleep 0.5
shot rest

# The File menu opens under its bar item, the first at the left of the line below the title.
xdotool mousemove $((X + 4 + 10)) $((Y + 23 + 9)) click 1
wait_for popup_open "$X" $((Y + 42)) 120 60
cp "$out/probe.png" "$out/file-menu.png"
xdotool key Escape
wait_for popup_closed "$X" $((Y + 42)) 120 60

# Alt+F4 closes the program.
xdotool key alt+F4
exited() { ! kill -0 "$tool_pid"; }
wait_for exited
wait "$tool_pid" || { echo "the tool failed:"; cat "$out/tool.log"; exit 1; }
echo "bezier frame end-to-end: passed"
