#!/usr/bin/env bash
# The stand-in host's own sample scene: a camera, the grid, two meshes and a test locator,
# drawn by quillomar-view to OUT/sample.png.
set -euo pipefail
build="$1"
out="$2"
view="$build/bin/quillomar-view"
fixture="$build/lib/quillomarViewFixture.so"
[ -f "$fixture" ] || cmake --build "$build" --target quillomarViewFixture >/dev/null
"$view" examples/sample.ma --plugin "$fixture" --size 800x600 -o "$out/sample.png"
echo "sample scene: $(cd "$out" && pwd)/sample.png"
