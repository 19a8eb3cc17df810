#!/usr/bin/env bash
# File > Save through the desktop's save dialog, named as a user names files: a name with an
# extension is kept as typed, a name without one gets ".txt", also when the dialog offers the
# last name again. Screenshots stay in the output folder for a look.
set -euo pipefail
tool=$1
out=$2

source "$(dirname "$0")/desktop.sh"
start_desktop "$out" 1280x1024

# The dialog opens in the working directory the first time, and in the last folder after.
mkdir -p "$out/files"
cd "$out/files"
start_bezier

# The keyboard goes to the window the window manager made active a moment after it did.
has_keyboard() { active_is "$1" && [ "$(xdotool getwindowfocus)" = "$(xdotool getactivewindow)" ]; }

save_as() {
  wait_for has_keyboard Bezier
  sleep 0.3
  xdotool key F10 Down Down Return  # File, Open, Save
  wait_for has_keyboard Save
  sleep 0.5
  shot "save-$1"
  xdotool type --delay 50 "$1"
  sleep 0.3
  shot "typed-$1"
  xdotool key Return
  wait_for active_is Bezier
}

for name in a.txt b c.txt d; do save_as "$name"; done
wait_for test -e d.txt  # written once the dialog has gone
expected="a.txt b.txt c.txt d.txt"
written=$(ls | tr '\n' ' ' | sed 's/ $//')
[ "$written" = "$expected" ] || { echo "the files written are '$written', not '$expected'"; exit 1; }
echo "bezier save end-to-end: passed"
