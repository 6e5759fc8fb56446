#!/usr/bin/env bash
# The reticle over a shot camera, drawn by quillomar-view: at 1920x1080 (the film's own aspect)
# and at a 4:3 port with the camera's film fit Fill and Overscan, into OUT/reticle-*.png.
set -euo pipefail
build="$1"
out="$2"
view="$build/bin/quillomar-view"
plugin="$build/lib/quillomarPlugins.so"
[ -f "$plugin" ] || cmake --build "$build" --target quillomarPlugins >/dev/null
"$view" examples/reticle.ma --plugin "$plugin" --style shaded --size 1920x1080 \
    -o "$out/reticle-fill-1920x1080.png"
"$view" examples/reticle.ma --plugin "$plugin" --style shaded --size 1200x900 \
    -o "$out/reticle-fill-1200x900.png"
# The same scene with the camera fitting the film by Overscan (filmFit 3).
overscan="$out/reticle-overscan.ma"
sed 's/setAttr ".ff" 0;/setAttr ".ff" 3;/' examples/reticle.ma >"$overscan"
"$view" "$overscan" --plugin "$plugin" --style shaded --size 1200x900 \
    -o "$out/reticle-overscan-1200x900.png"
rm -f "$overscan"
echo "reticle: $(cd "$out" && pwd)/reticle-*.png"
