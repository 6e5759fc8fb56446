#!/usr/bin/env bash
# The composite shader's 27 blend modes, one labelled swatch each, rendered through the stand-in
# renderer with the built shader library: OUT/blend-modes.png.
set -euo pipefail
build="$1"
out="$2"
mkdir -p "$out"
"$build/bin/quillomar-blend-chart" \
    --library "$build/lib/quillomarShaders.so" \
    --declarations dist/quillomarShaders.mi \
    -o "$out/blend-modes.png"
echo "blend modes: $(cd "$out" && pwd)/blend-modes.png"
