# The stand-in host's own sample scene, drawn without any of the product's nodes. Declares its
# picture; see scripts/showcase/declare.sh.
section "Stand-in viewport" "What the stand-in viewport draws on its own, with none of the \
product's nodes: the camera's view, the ground grid, meshes shaded, and the locators of a small \
test plug-in."

picture sample.png "examples/sample.ma: the default perspective camera, the grid, a cube and a \
pyramid drawn shaded, and three test locators, each a line along its own X axis: one flat, one \
turned upright and one turned about the vertical, of different lengths." \
    "$VIEW" examples/sample.ma --plugin "$LIB/quillomarViewFixture.so" --size 800x600 \
    -o "$OUT/sample.png"
