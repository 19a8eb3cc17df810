# Shared by the end-to-end scripts: a virtual display with a window manager, started for the
# script and stopped with it, and polling. Source it, then call start_desktop OUT WIDTHxHEIGHT.

for required in Xvfb openbox xdotool xprop xwininfo import convert; do
  command -v "$required" >/dev/null || { echo "skipped: $required is not installed"; exit 77; }
done

pids=()
logs=
# Stops what was started; after a failure the logs of the run go to the test's output.
cleanup() {
  local status=$?
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  if [ "$status" -ne 0 ] && [ -n "$logs" ]; then
    for log in "$logs"/*.log; do
      [ -s "$log" ] || continue
      echo "--- $log (last 40 lines)"
      tail -n 40 "$log"
    done
  fi
}
trap cleanup EXIT

# Polls a command until it succeeds, for at most about fifteen seconds.
wait_for() {
  for _ in $(seq 150); do
    if "$@" >/dev/null 2>&1; then return 0; fi
    sleep 0.1
  done
  echo "timed out waiting for: $* (the active window: $(xdotool getactivewindow getwindowname 2>&1))"
  return 1
}

# Is the window that has the keyboard the one with this title?
active_is() { [ "$(xdotool getactivewindow getwindowname)" = "$1" ]; }

ready_or_gone() { [ -s "$2" ] || ! kill -0 "$1"; }

# Waits for a file that a process writes once it is ready; fails at once if the process
# ends first.
wait_ready() {
  local name=$1 pid=$2 file=$3 status=0
  wait_for ready_or_gone "$pid" "$file"
  [ -s "$file" ] && return 0
  wait "$pid" || status=$?
  echo "$name ended before it was ready (exit status $status)"
  return 1
}

# Empties the output folder and starts Xvfb (on a display it picks itself) and openbox.
start_desktop() {
  local out=$1 size=$2
  rm -rf "$out" && mkdir -p "$out"
  logs=$out
  # Without -noreset the server resets whenever its last client leaves, and a window manager
  # that connects during the reset finds no display and ends.
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset \
    3>"$out/display" 2>"$out/xvfb.log" &
  pids+=($!)
  wait_ready Xvfb $! "$out/display"
  export DISPLAY=":$(head -n1 "$out/display")"
  # openbox runs the start-up command once it manages the screen.
  openbox --sm-disable --startup "sh -c 'echo ready >$out/openbox.ready'" >"$out/openbox.log" 2>&1 &
  pids+=($!)
  wait_ready openbox $! "$out/openbox.ready"
}

# A screenshot of the whole screen into the output folder, by name.
shot() { import -window root "$out/$1.png"; }

# How many pixels of a screen rectangle (x y width height) differ between two shots.
changed() {
  convert "$out/$1.png" "$out/$2.png" -crop "$5x$6+$3+$4" +repage -compose difference -composite \
    -colorspace gray -threshold 0 -format '%[fx:round(w*h*mean)]' info:
}

# How many pixels of the surface's pure red a screen rectangle (WIDTHxHEIGHT+X+Y) of the last
# probe shot holds, after the convert options given after it. "Randomize" seeds from the clock
# before every cell, so a loop that runs at a steady pace gives nearly equal or collinear points
# and a surface of a few dozen pixels: a drawn surface is any red.
red_points() {
  local area=$1
  shift
  convert "$out/probe.png" -crop "$area" +repage "$@" \
    -fill black +opaque '#FF0000' -fill white -opaque '#FF0000' -format '%[fx:round(w*h*mean)]' info:
}

# Waits for the shown window of this title and reads its id into window and its place into
# X, Y, WIDTH and HEIGHT.
find_window() {
  wait_for xdotool search --onlyvisible --name "^$1\$"
  window=$(xdotool search --onlyvisible --name "^$1\$" | head -n1)
  eval "$(xdotool getwindowgeometry --shell "$window")"
  echo "$1 at $X,$Y size ${WIDTH}x$HEIGHT"
}

# Starts the tool of the script ($tool), with VAR=value settings given first, waits for its main
# window and reads its place into window, X, Y, WIDTH and HEIGHT and its client area's origin
# into cx and cy (at scale 1); its process is tool_pid. Its settings file lies in the output
# folder, made anew by each run, unless XDG_CONFIG_HOME is given.
start_bezier() {
  env XDG_CONFIG_HOME="$out/config" "$@" SDL_VIDEODRIVER=x11 ASAN_OPTIONS=detect_leaks=0 "$tool" >"$out/tool.log" 2>&1 &
  tool_pid=$!
  pids+=("$tool_pid")
  find_window Bezier
  # The client area lies inside the 4-pixel frame, below the caption and the menu bar.
  cx=$((X + 4))
  cy=$((Y + HEIGHT - 4 - 495))
  sleep 1
}

# A click at (x, y) of the main window's client area; a script that scales the window gives
# its own.
click() { xdotool mousemove "$((cx + $1))" "$((cy + $2))" click 1; sleep 0.3; }

# Types m and n into their fields, sizes the table and fills it at random, through click.
fill_table() {
  click $((8 + 120 + 20)) $((8 + 24 + 10))  # the m field
  xdotool type --delay 50 "$1"
  xdotool key Tab
  sleep 0.3
  xdotool type --delay 50 "$2"
  xdotool key Tab
  sleep 0.3
  click $((104 + 42)) $((176 + 11))  # "Nilai (M x N)"
  click $((8 + 42)) $((464 + 11))    # "Randomize"
}
