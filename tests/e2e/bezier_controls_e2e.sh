#!/usr/bin/env bash
# The tool's skinned controls on Xvfb with openbox, used as a user uses them: a speed button
# lights up under the pointer and goes back when it leaves, the check box toggles by mouse and
# by the space bar, Tab walks from the m field to the n field, and the gauge fills during a
# draw. Screenshots stay in the output folder for a look.
set -euo pipefail
tool=$1
out=$2

source "$(dirname "$0")/desktop.sh"
start_desktop "$out" 1280x1024

start_bezier

point() { xdotool mousemove "$((cx + $1))" "$((cy + $2))"; sleep 0.5; }
click() { point "$1" "$2" && xdotool click 1 && sleep 0.3; }
# Pixels changed in a client rectangle (x y width height) between two shots.
client_changed() { changed "$1" "$2" "$((cx + $3))" "$((cy + $4))" "$5" "$6"; }
expect_change() {
  local what=$1 n
  shift
  n=$(client_changed "$@")
  echo "$what: $n pixels changed"
  [ "$n" -gt 0 ] || { echo "$what: nothing changed"; exit 1; }
}
expect_same() {
  local what=$1 n
  shift
  n=$(client_changed "$@")
  [ "$n" -eq 0 ] || { echo "$what: $n pixels differ"; exit 1; }
}

# Client rectangles of the main window's controls.
button=(104 176 84 22)  # "Nilai (M x N)"
check=(8 192 100 20)
field_m=(128 32 121 21) # inside its group box at (8, 8)
field_n=(128 112 121 21) # inside its group box at (8, 96)
gauge=(280 472 505 17)

point 400 300
shot rest
point $((104 + 42)) $((176 + 11))
shot hover
expect_change "the button under the pointer" rest hover "${button[@]}"
point 400 300
shot left
expect_same "the button after the pointer left" rest left "${button[@]}"

# The fields first: leaving the m field empty, as it starts with the focus, brings up its
# error box.
click $((128 + 20)) $((32 + 10))
xdotool type --delay 50 3
shot m_typed
expect_change "the m field typed into" left m_typed "${field_m[@]}"
xdotool key Tab
sleep 0.3
xdotool type --delay 50 4
shot n_typed
expect_change "the n field reached by Tab" m_typed n_typed "${field_n[@]}"
xdotool key Tab
sleep 0.3

# The check box with the pointer away from it, so that only its state tells the shots apart.
point 400 300
shot before_check
click $((8 + 60)) $((192 + 10))
point 400 300
shot unchecked
expect_change "the check box clicked" before_check unchecked "${check[@]}"
xdotool key space
sleep 0.3
shot checked
expect_change "the check box toggled by the space bar" unchecked checked "${check[@]}"

click $((104 + 42)) $((176 + 11))  # "Nilai (M x N)"
click $((8 + 42)) $((464 + 11))    # "Randomize"
point 400 300
shot filled
click $((184 + 42)) $((464 + 11))  # "Gambar Kurva"
point 400 300
gauge_moved() { shot probe && [ "$(client_changed filled probe "${gauge[@]}")" -gt 0 ]; }
wait_for gauge_moved
sleep 3
shot drawn
expect_change "the gauge after a draw" filled drawn "${gauge[@]}"
echo "bezier controls end-to-end: passed"
