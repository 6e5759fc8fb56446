#!/usr/bin/env bash
# A ball flying along a curve under an obakeDeformer with a noise texture on noiseMap: frames 1
# to 12 drawn by quillomar-view, tiled into one contact sheet, OUT/obake-trail.png.
set -euo pipefail
build="$1"
out="$2"
view="$build/bin/quillomar-view"
plugin="$build/lib/quillomarPlugins.so"
[ -f "$plugin" ] || cmake --build "$build" --target quillomarPlugins >/dev/null
"$view" examples/obake.ma --plugin "$plugin" --style shaded --size 400x300 --frames 1:12 \
    --contact-sheet 4x3 -o "$out/obake-trail.png"
echo "obakeDeformer: $(cd "$out" && pwd)/obake-trail.png"
