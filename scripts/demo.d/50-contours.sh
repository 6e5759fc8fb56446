#!/usr/bin/env bash
# A contour render through quillomar-render: examples/contours.scene, where every material draws
# its own lines (colours, widths, fall-off, near/far width factors, overridden contrast, a
# see-through pane): OUT/contours.png.
set -euo pipefail
build="$1"
out="$2"
mkdir -p "$out"
"$build/bin/quillomar-render" examples/contours.scene --size 960x540 -o "$out/contours.png"
echo "contours: $(cd "$out" && pwd)/contours.png"
