#!/usr/bin/env bash
# Skins on Xvfb with openbox, chosen as a user chooses them: Tampilan > Skin > Velora Gelap by
# the keyboard turns the window dark at once, the choice is in settings.ini, and the next start
# is dark from the first paint, its 3-D view too; Tampilan > Skin > Tanpa skin gives both
# windows the plain frame. Screenshots stay in the output folder for a look.
set -euo pipefail
tool=$1
out=$2

source "$(dirname "$0")/desktop.sh"

start_desktop "$out" 1280x1024
settings=(XDG_DATA_HOME="$out/data")

colour() {
  convert "$out/$1.png" -crop "1x1+$2+$3" +repage -depth 8 -format '%[hex:p{0,0}]' info:
}
# The title bar left of where the 3-D view opens, and the window's background beside the table.
looks() { echo "$(colour "$1" $((X + 100)) $((Y + 12))) $(colour "$1" $((cx + 4)) $((cy + 200)))"; }

# Opens Tampilan (the third bar item) by the keyboard and its second item, Skin.
open_skin_menu() {
  xdotool key alt
  sleep 0.3
  xdotool key Right Right Down Down
  sleep 0.3
}

# Chooses the skin menu's item of this position.
choose_skin() {
  open_skin_menu
  xdotool key Right
  sleep 0.3
  for ((i = 0; i < $1; ++i)); do xdotool key Down; done
  xdotool key Return
  sleep 1
}

start_bezier "${settings[@]}"
xdotool mousemove $((X + 400)) $((Y + 300))
sleep 0.5
shot stored
choose_skin 1
shot dark
[ "$(looks dark)" != "$(looks stored)" ] || { echo "the dark skin changed nothing"; exit 1; }
grep -q 'Kind=folder' "$out/config/bezier/settings.ini" &&
  grep -q 'Velora Gelap' "$out/config/bezier/settings.ini" ||
  { echo "the choice was not remembered"; cat "$out/config/bezier/settings.ini"; exit 1; }

xdotool key alt+F4
exited() { ! kill -0 "$tool_pid"; }
wait_for exited
wait "$tool_pid" || { echo "the tool failed:"; cat "$out/tool.log"; exit 1; }

start_bezier "${settings[@]}"
xdotool mousemove $((X + 400)) $((Y + 300))
sleep 0.5
shot dark-again
[ "$(looks dark-again)" = "$(looks dark)" ] || { echo "the next start is not dark"; exit 1; }
[ ! -s "$out/tool.log" ] || { echo "the start said:"; cat "$out/tool.log"; exit 1; }

# The 3-D view (F3) opens in the dark skin; then the main window has the keyboard again.
main=("$X" "$Y" "$window")
xdotool key F3
find_window 'Tampilan 3-D'
view_title() { colour "$1" $((X + 100)) $((Y + 12)); }
sleep 1
shot dark-view
view=("$X" "$Y")
X=${main[0]} Y=${main[1]}
xdotool windowactivate --sync "${main[2]}"
wait_for active_is Bezier

# Tanpa skin is the last item of the skin menu: Up from the first goes round to it.
open_skin_menu
xdotool key Right Up Return
sleep 1
shot plain
[ "$(looks plain)" != "$(looks dark)" ] && [ "$(looks plain)" != "$(looks stored)" ] ||
  { echo "Tanpa skin left the skin on"; exit 1; }
X=${view[0]} Y=${view[1]}
[ "$(view_title plain)" != "$(view_title dark-view)" ] ||
  { echo "Tanpa skin left the 3-D view dark"; exit 1; }
X=${main[0]} Y=${main[1]}
xdotool key alt+F4
wait_for exited
wait "$tool_pid" || { echo "the tool failed:"; cat "$out/tool.log"; exit 1; }
echo "bezier skins end-to-end: passed"
