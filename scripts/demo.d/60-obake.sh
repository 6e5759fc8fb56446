# A ball flying along a curve under an obakeDeformer with a noise texture on noiseMap, drawn by
# quillomar-view: the frames one by one and tiled into one contact sheet. Declares its pictures;
# see scripts/showcase/declare.sh.
section "obakeDeformer" "obakeDeformer makes a mesh trail behind its own motion: every vertex is \
pulled back towards where it was at the two frames before, more where it moves against its \
normal, where the painted weight is high and where the texture on noiseMap is bright."

picture obake-trail.png "examples/obake.ma, frames 1 to 12 tiled into one contact sheet (read \
left to right, top to bottom): a ball flies along a curve, rising from the left, swinging towards \
the camera and down to the right. Frame 1 only seeds the deformer's history, so the ball is \
round; from frame 2 on, the vertices facing away from the motion stay near where they were a \
frame before and those facing it keep up, so the ball drags a tail that follows each change of \
direction, ragged because the noise sets how far each vertex lags." \
    "$VIEW" examples/obake.ma --plugin "$PLUGINS" --style shaded --size 400x300 --frames 1:12 \
    --contact-sheet 4x3 -o "$OUT/obake-trail.png"

frames=()
for frame in 0006 0007 0008; do frames+=(--also "obake-trail.$frame.png"); done
picture "${frames[@]}" obake-trail.0005.png "The same animation as a frame sequence, frames 5 \
to 8 at 640 x 480 (frames 1 to 4 are drawn first, so the deformer sees the frames in order): the \
ball moves to the right with its ragged tail on the side it comes from." \
    "$VIEW" examples/obake.ma --plugin "$PLUGINS" --style shaded --size 640x480 --frames 1:8 \
    -o "$OUT/obake-trail.%04d.png"
