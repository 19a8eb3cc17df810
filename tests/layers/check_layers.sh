#!/usr/bin/env bash
# Fails when a source file includes a header of a layer that it may not include, or when a
# source file lies in no layer's folder. The layers are the README's table ("| Layer | Folder |
# May include |"): a file's folder decides its layer. Usage: check_layers.sh [SOURCE-ROOT]
set -euo pipefail
cd "${1:-$(dirname "$0")/../..}"

# The table's rows as "layer<TAB>folder<TAB>may include", lowest layer first.
rules=$(awk -F'|' '
  /^\| Layer \| Folder \| May include \|/ { table = 1; next }
  table && /^\|---/ { next }
  table && /^\|/ {
    for (i = 2; i <= 4; ++i) gsub(/^ +| +$|`/, "", $i)
    print $2 "\t" $3 "\t" $4
    next
  }
  table { exit }
' README.md)
[ -n "$rules" ] || { echo "README.md: no table of layers"; exit 1; }

folders=$(cut -f2 <<<"$rules" | tr '\n' ' ')
sources=$(find $folders -name '*.h' -o -name '*.cpp' | sort)
# Files of the engine's folder that lie in none of its layers fail too.
stray=$(find skinengine -maxdepth 1 -name '*.h' -o -maxdepth 1 -name '*.cpp')

{
  printf 'FILE %s\n' $sources $stray
  grep -Hn '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' $sources || true
} | awk -v rules="$rules" '
  BEGIN {
    count = split(rules, rows, "\n")
    for (i = 1; i <= count; ++i) {
      split(rows[i], cell, "\t")
      name[i] = cell[1]; owner[cell[2]] = i
      if (cell[3] == "every layer above") {
        for (j = 1; j < i; ++j) may[i, j] = 1
      } else {
        n = split(cell[3], allowed, /, */)
        for (j = 1; j <= n; ++j) wanted[i, allowed[j]] = 1
      }
    }
    for (i = 1; i <= count; ++i)
      for (j = 1; j <= count; ++j)
        if ((i, name[j]) in wanted) { may[i, j] = 1; delete wanted[i, name[j]] }
    for (key in wanted) {
      split(key, pair, SUBSEP)
      print "README.md: the layer " name[pair[1]] " names no layer " pair[2]; failed = 1
    }
  }
  # The layer whose folder holds the path; 0 for none.
  function layer(path,   folder) {
    for (folder in owner)
      if (index(path, folder) == 1) return owner[folder]
    return 0
  }
  /^FILE / {
    if (layer($2) == 0) { print $2 ": belongs to no layer"; failed = 1 }
    next
  }
  {
    split($0, place, ":")
    match($0, /"[^"]*"/)
    header = substr($0, RSTART + 1, RLENGTH - 2)
    from = layer(place[1]); to = layer(header)
    if (from == to || may[from, to]) next
    print place[1] ":" place[2] ": " name[from] " may not include " header " (" (to ? name[to] : "no layer") ")"
    failed = 1
  }
  END { exit failed }
'
