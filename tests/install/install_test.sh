#!/usr/bin/env bash
# `cmake --install` into a temporary prefix holds what the README's Install section lists.
set -euo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$1" --prefix "$prefix" >/dev/null
bash "$(dirname "$0")/check_prefix.sh" "$prefix"
