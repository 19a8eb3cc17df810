#!/usr/bin/env bash
# Fails when a source file includes a header of a layer that lies above its own, or when a
# source file belongs to no layer. Usage: check_layers.sh [SOURCE-ROOT]
set -euo pipefail
cd "${1:-$(dirname "$0")/../..}"

# The layers, lowest first. A file belongs to the layer with the longest path prefix that
# matches it; it may include files of its own layer and of the layers after the colon.
# tools/, tests/ and bench/ may include whatever they test or use, so they are not checked.
rules='
platform   platform/                                                 :
framework  framework/                                                : platform
pixels     style/sBevels.h style/sGradient style/sGraphUtils style/sRowKernel.h : platform framework
skindata   skin/                                                     : platform framework pixels
styles     style/sStyle                                              : platform framework pixels skindata
controls   controls/                                                 : platform framework pixels skindata styles
frame      skin/sSkinProvider skin/sSystemMenu                       : platform framework pixels skindata styles controls
styled     styled/                                                   : platform framework
resources  resources/                                                : platform
app        app/                                                      : platform framework pixels skindata styles controls frame styled resources
'

sources=$(find platform framework skin style controls styled resources app \
  -name '*.h' -o -name '*.cpp' | sort)

# Every source as "FILE path", then every include as "path:line:#include "header"".
{
  printf 'FILE %s\n' $sources
  grep -Hn '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' $sources || true
} | awk -v rules="$rules" '
  BEGIN {
    count = split(rules, lines, "\n")
    for (i = 1; i <= count; ++i) {
      if (split(lines[i], halves, ":") < 2) continue
      n = split(halves[1], words, " ")
      for (j = 2; j <= n; ++j) owner[words[j]] = words[1]
      m = split(halves[2], allowed, " ")
      for (j = 1; j <= m; ++j) may[words[1], allowed[j]] = 1
    }
  }
  function layer(path,   prefix, best) {
    best = ""
    for (prefix in owner)
      if (index(path, prefix) == 1 && length(prefix) > length(best)) best = prefix
    return best == "" ? "" : owner[best]
  }
  /^FILE / {
    if (layer($2) == "") { print $2 ": belongs to no layer"; failed = 1 }
    next
  }
  {
    split($0, place, ":")
    match($0, /"[^"]*"/)
    header = substr($0, RSTART + 1, RLENGTH - 2)
    from = layer(place[1]); to = layer(header)
    if (from == "" || from == to || may[from, to]) next
    print place[1] ":" place[2] ": " from " may not include " header " (" (to == "" ? "no layer" : to) ")"
    failed = 1
  }
  END { exit failed }
'
