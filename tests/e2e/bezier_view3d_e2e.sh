#!/usr/bin/env bash
# The 3-D view on Xvfb with openbox, used as a user uses it: a 3 x 3 table filled at random,
# the view opened with F3, turned by a drag, a control point dragged (the table follows),
# the move undone with Ctrl+Z (the view is as before), and the view closed. Screenshots stay
# in the output folder for a look.
set -euo pipefail
tool=$1
out=$2

source "$(dirname "$0")/desktop.sh"
start_desktop "$out" 1600x1000

start_bezier

# A drag with the left button from (x, y) on the screen, in four steps of (dx, dy).
drag() {
  local x=$1 y=$2 dx=$3 dy=$4 step
  xdotool mousemove "$x" "$y" mousedown 1
  for step in 1 2 3 4; do xdotool mousemove $((x + dx * step)) $((y + dy * step)); sleep 0.1; done
  xdotool mouseup 1
  sleep 0.5
}

fill_table 3 3
shot filled

xdotool key F3
find_window 'Tampilan 3-D'
# The drawing area fills the client area inside the 4-pixel frame, 640 x 480 at first.
vx=$((X + 4))
vy=$((Y + HEIGHT - 4 - 480))
sleep 1
shot opened
# The markers of the points are drawn in #1030A0; the view must show nine of them somewhere.
markers() {
  convert "$out/$1.png" -crop "640x480+$vx+$vy" +repage -fill black +opaque '#1030A0' \
    -fill white -opaque '#1030A0' -format '%[fx:round(w*h*mean)]' info:
}
[ "$(markers opened)" -gt 0 ] || { echo "no marker in the view"; exit 1; }

# A turn: a drag that starts in a corner, away from the surface.
drag $((vx + 630)) $((vy + 470)) -15 -5
shot turned
n=$(changed opened turned "$vx" "$vy" 640 480)
echo "turned: $n pixels changed"
[ "$n" -gt 0 ] || { echo "the view did not turn"; exit 1; }

# A marker's centre: the first pixel of its colour, one row and column in.
convert "$out/turned.png" -crop "640x480+$vx+$vy" +repage "$out/turned.txt"
marker=$(awk -F'[,: ]+' '/#1030A0/ {print $1 + 1, $2 + 1; exit}' "$out/turned.txt")
read -r mx my <<<"$marker"
echo "a marker at $mx,$my"
drag $((vx + mx)) $((vy + my)) 6 4
shot dragged
n=$(changed turned dragged "$vx" "$vy" 640 480)
echo "dragged: $n pixels of the view changed"
[ "$n" -gt 0 ] || { echo "the point did not move"; exit 1; }
n=$(changed filled dragged $((cx + 8)) $((cy + 216)) 265 241)
echo "dragged: $n pixels of the table changed"
[ "$n" -gt 0 ] || { echo "the table did not follow the point"; exit 1; }

xdotool key ctrl+z
sleep 0.5
shot undone
n=$(changed turned undone "$vx" "$vy" 640 480)
echo "undone: $n pixels of the view differ from before the drag"
[ "$n" -eq 0 ] || { echo "undo did not give the view back"; exit 1; }

xdotool key alt+F4
wait_for bash -c "! xdotool search --onlyvisible --name '^Tampilan 3-D$'"
shot closed
if [ -s "$out/tool.log" ]; then
  echo "the tool wrote to its error output:"
  sort "$out/tool.log" | uniq -c | head -n 20
  exit 1
fi
echo "bezier view3d end-to-end: passed"
