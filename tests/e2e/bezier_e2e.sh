#!/usr/bin/env bash
# The tool on Xvfb with openbox, driven as a user drives it: m and n typed, the table sized,
# filled at random and drawn; the screenshot must show the surface's red points in the
# drawing area. Screenshots stay in the output folder for a look.
set -euo pipefail
tool=$1
out=$2

source "$(dirname "$0")/desktop.sh"
start_desktop "$out" 1280x1024

start_bezier
import -window root "$out/started.png"


# m in its group box at (8, 8), the field at (120, 24) inside it; n likewise at (8, 96).
# A count out of range brings up the error box, which takes the keyboard by itself; Return
# closes it, and the 3 typed at once goes into the m field again (were it lost, leaving the
# empty field would bring up another error box and nothing would be drawn).
click $((8 + 120 + 20)) $((8 + 24 + 10))
xdotool type --delay 50 10
xdotool key Tab
wait_for active_is Error
import -window root "$out/error.png"
xdotool key Return type 3
wait_for active_is Bezier
xdotool key Tab
sleep 0.3
xdotool type --delay 50 4
xdotool key Tab
sleep 0.3
click $((104 + 42)) $((176 + 11))  # "Nilai (M x N)"
click $((8 + 42)) $((464 + 11))    # "Randomize"
import -window root "$out/filled.png"
click $((184 + 42)) $((464 + 11))  # "Gambar Kurva"

# The drawing area is the panel's client area: 503 x 455 at (281, 9).
area="503x455+$((cx + 281))+$((cy + 9))"
has_surface() { shot probe && [ "$(red_points "$area")" -gt 0 ]; }
wait_for has_surface
echo "red surface points: $(red_points "$area")"
import -window root "$out/drawn.png"

# File > Open (the menu bar lies above the client area) opens a dialog of about the window's
# size, centred over it, that takes the keyboard; Escape cancels it.
click 13 -11
click 36 10
wait_for active_is Open
import -window root "$out/open.png"
geometry=$(xwininfo -id "$(xdotool getactivewindow)")
left=$(awk '/Absolute upper-left X/ {print $4}' <<<"$geometry")
top=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$geometry")
width=$(awk '/Width:/ {print $2}' <<<"$geometry")
height=$(awk '/Height:/ {print $2}' <<<"$geometry")
echo "open dialog at $left,$top size ${width}x$height"
off_x=$((left + width / 2 - (X + WIDTH / 2)))
off_y=$((top + height / 2 - (Y + HEIGHT / 2)))
if [ "$width" -gt "$WIDTH" ] || [ "$height" -gt "$HEIGHT" ] || [ "${off_x#-}" -gt 40 ] || [ "${off_y#-}" -gt 40 ]; then
  echo "the open dialog is not a window-sized one centred over the tool"
  exit 1
fi
xdotool key Escape
wait_for active_is Bezier
# GTK stored the dialog's size as it closed; with no session bus here it must not have
# complained about that, nor about anything else.
if [ -s "$out/tool.log" ]; then
  echo "the tool wrote to its error output:"
  sort "$out/tool.log" | uniq -c | head -n 20
  exit 1
fi
echo "bezier end-to-end: passed"
