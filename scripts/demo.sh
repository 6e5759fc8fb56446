#!/usr/bin/env bash
# Renders every example into OUT: called by `./quillomar demo` with a display available.
set -euo pipefail
build="$1"
out="$2"
mkdir -p "$out"
for step in scripts/demo.d/*.sh; do
    [ -e "$step" ] || continue
    bash "$step" "$build" "$out"
done
echo "showcase written to $(cd "$out" && pwd)/"
ls -1 "$out"
