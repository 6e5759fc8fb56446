# The sign locator: every marker type in one viewport. Declares its pictures; see
# scripts/showcase/declare.sh.
section "Sign" "sign is a locator that marks a place in the scene with a marker shape in a \
chosen colour, opacity and line width, with an optional label, a line to the label and a tail \
line. Its draw colour follows the selection: white when selected, green when it is the lead."

picture signs.png "examples/signs.ma through the stand-in viewport: every marker type (Circle to \
Root, the control polygons of connected curves, None) with labels and tail lines; Star is drawn \
selected (white) and Cube as the lead selection (green)." \
    "$VIEW" examples/signs.ma --plugin "$PLUGINS" --size 1024x768 -o "$OUT/signs.png"
