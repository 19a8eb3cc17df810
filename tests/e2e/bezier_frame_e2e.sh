#!/usr/bin/env bash
# The tool's skinned frame on Xvfb with openbox, used as a user uses a window: dragged by its
# caption, not resized by its fixed edge, the system menu opened by a right click on the
# caption and its Move followed, the File menu opened under its bar item, and Alt+F4 closing
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

# Its Move makes the window follow the pointer until a click.
xdotool mousemove "$menu_x" "$menu_y" click 3
wait_for popup_open "$menu_x" "$menu_y" 120 120
xdotool key Down Down Return  # Restore (disabled), then Move
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
