#!/usr/bin/env bash
# Every sign marker type in a grid, with labels, tail lines, a selected and a lead sign, drawn by
# quillomar-view to OUT/signs.png.
set -euo pipefail
build="$1"
out="$2"
view="$build/bin/quillomar-view"
plugin="$build/lib/quillomarPlugins.so"
[ -f "$plugin" ] || cmake --build "$build" --target quillomarPlugins >/dev/null
"$view" examples/signs.ma --plugin "$plugin" --size 1024x768 -o "$out/signs.png"
echo "signs: $(cd "$out" && pwd)/signs.png"
