#!/usr/bin/env bash
# The window demo on Xvfb with openbox: it opens and paints, a click on a child changes what
# the child shows, dragging the caption moves the window, and the menu bar opens a GTK
# message box from the keyboard. Screenshots stay in the output folder for a look.
set -euo pipefail
demo=$1
out=$2

source "$(dirname "$0")/desktop.sh"

# The colour at a screen point as RRGGBB.
pixel() {
  import -window root "$out/probe.png"
  convert "$out/probe.png" -crop "1x1+$1+$2" +repage -depth 8 -format '%[hex:p{0,0}]' info: | cut -c1-6
}

pixel_is() { [ "$(pixel "$1" "$2")" = "$3" ]; }

start_desktop "$out" 1024x768

SDL_VIDEODRIVER=x11 ASAN_OPTIONS=detect_leaks=0 "$demo" >"$out/demo.log" 2>&1 &
pids+=($!)
wait_for xdotool search --onlyvisible --name '^Window demo$'
window=$(xdotool search --onlyvisible --name '^Window demo$' | head -n1)
eval "$(xdotool getwindowgeometry --shell "$window")"
echo "window at $X,$Y size ${WIDTH}x$HEIGHT"

# The frame and caption are our own painting, in the active caption colour; the window's
# region cuts its top corners, so the empty screen shows there.
wait_for pixel_is $((X + 200)) $((Y + 10)) 0A246A
pixel_is $((X + 5)) "$Y" D4D0C8
pixel_is "$X" "$Y" 000000
pixel_is $((X + WIDTH - 1)) "$Y" 000000
# A point of the click box away from its text: client (30, 100), below a 4-pixel frame,
# the caption and the menu bar.
box_x=$((X + 4 + 30))
box_y=$((Y + 4 + 19 + 19 + 100))
wait_for pixel_is "$box_x" "$box_y" 2060C0
import -window root "$out/opened.png"

xdotool mousemove "$box_x" "$box_y" click 1
wait_for pixel_is "$box_x" "$box_y" FF8000
import -window root "$out/clicked.png"

# Drag the caption 100 pixels right and 60 down; the window manager moves the window.
moved() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$window")"
  [ "$X" -ne "$1" ] || [ "$Y" -ne "$2" ]
}
old_x=$X
old_y=$Y
# The window manager takes the drag over once the demo has asked it to, which under load may
# be after the first moves; until then they are the demo's, so the pointer moves until the
# window follows.
drag_to() {
  xdotool mousemove $(($1 + 1)) "$2" mousemove "$1" "$2"
  moved "$old_x" "$old_y"
}
xdotool mousemove $((X + 200)) $((Y + 12)) mousedown 1
wait_for drag_to $((X + 300)) $((Y + 72))
xdotool mouseup 1
eval "$(xdotool getwindowgeometry --shell "$window")"
echo "window moved from $old_x,$old_y to $X,$Y"
if [ $((X - old_x)) -lt 90 ] || [ $((X - old_x)) -gt 110 ] || [ $((Y - old_y)) -lt 50 ] || [ $((Y - old_y)) -gt 70 ]; then
  echo "the window did not follow the caption drag"
  exit 1
fi
wait_for pixel_is $((X + 4 + 30)) $((Y + 4 + 19 + 19 + 100)) FF8000
import -window root "$out/moved.png"

# Alt+H opens Help with its first item selected; Enter chooses About, a GTK message box.
xdotool key alt+h
xdotool key Return
wait_for xdotool search --onlyvisible --name '^About$'
import -window root "$out/dialog.png"
wait_for active_is About  # the box takes the keyboard by itself
xdotool key Return
gone() { ! xdotool search --onlyvisible --name '^About$'; }
wait_for gone
echo "windemo end-to-end: passed"
