# The reticle over a shot camera: at the film's own aspect and on a 4:3 port with the camera's film
# fit Fill and Overscan. Declares its pictures; see scripts/showcase/declare.sh.
section "Reticle" "reticle is a camera overlay drawn in viewport pixels: aspect-ratio frames as \
lines or masks with their safe action and safe title frames, centre lines, thirds, a crosshair \
and up to ten text fields, all laid on the camera's film gate as it is fitted to the viewport."

caption_scene="examples/reticle.ma: a 1.78 frame (closed outline, stippled safe action and safe \
title frames, a mask outside it) with a darker 2.39 mask inside, thirds, a crosshair, and texts on \
the window (camera, a string, the frame range), on the film gate (lens, frame and range) and on \
the 2.39 frame (its label above, the scene's file name below)."

picture reticle-fill-1920x1080.png "$caption_scene At 1920 x 1080 the port has the film's aspect." \
    "$VIEW" examples/reticle.ma --plugin "$PLUGINS" --style shaded --size 1920x1080 \
    -o "$OUT/reticle-fill-1920x1080.png"

picture reticle-fill-1200x900.png "The same scene on a 4:3 port with the camera's film fit Fill: \
the gate is fitted to the port height, so it covers the port and its sides fall outside." \
    "$VIEW" examples/reticle.ma --plugin "$PLUGINS" --style shaded --size 1200x900 \
    -o "$OUT/reticle-fill-1200x900.png"

# The same scene with the camera fitting the film by Overscan (filmFit 3).
overscan="$(sed 's/setAttr ".ff" 0;/setAttr ".ff" 3;/' examples/reticle.ma | derive reticle-overscan.ma)"
picture reticle-overscan-1200x900.png "The same scene with film fit Overscan: the gate is fitted \
to the port width, so all of it shows, with bands above and below." \
    "$VIEW" "$overscan" --plugin "$PLUGINS" --style shaded --size 1200x900 \
    -o "$OUT/reticle-overscan-1200x900.png"
