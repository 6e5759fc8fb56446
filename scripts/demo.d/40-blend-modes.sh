# The composite shader's 27 blend modes, one labelled swatch each. Declares its picture; see
# scripts/showcase/declare.sh.
section "composite" "composite stacks coloured layers over a base colour, each with one of 27 \
blend modes, an opacity and a mask, like an image editor's layer stack."

picture blend-modes.png "The 27 blend modes of composite, one swatch each, labelled with the \
mode's stored number and name. In every swatch a layer that runs through the hues from top to \
bottom (fading to grey at the bottom) lies at full opacity over a base that runs from dark blue \
through teal to cream from left to right; the last cell shows the two on their own. The chart \
loads the shader library the way the renderer does and evaluates composite per pixel." \
    "$BLEND_CHART" --library "$SHADERS" --declarations "$DECLARATIONS" -o "$OUT/blend-modes.png"
