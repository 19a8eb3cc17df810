#!/usr/bin/env bash
# Started without a display it can use, the tool ends at once with one line saying so and
# exit status 1: with no DISPLAY, and with a display nobody serves.
set -uo pipefail
tool=$1
out=$2
rm -rf "$out" && mkdir -p "$out"

# A display number with no server and no socket of one.
free=99
while [ -e "/tmp/.X11-unix/X$free" ] || [ -e "/tmp/.X$free-lock" ]; do free=$((free + 1)); done

failed=0
check() {
  local what=$1 expected=$2 status
  shift 2
  # The timeout only keeps a hanging tool from holding the suite up.
  timeout 20 "$@" "$tool" >"$out/stdout" 2>"$out/stderr"
  status=$?
  if [ "$status" -ne 1 ] || [ "$(cat "$out/stderr")" != "$expected" ] || [ -s "$out/stdout" ]; then
    echo "$what: exit status $status, output:"
    cat "$out/stdout" "$out/stderr"
    failed=1
  fi
}
check "no DISPLAY" "bezier: cannot open display (DISPLAY is not set)" env -u DISPLAY
check "display :$free" "bezier: cannot open display :$free" env DISPLAY=":$free"
exit $failed
