# choiceMr through quillomar-render: one selector picks a constant, a checker or a ramp from the
# same colour array. Declares its pictures; see scripts/showcase/declare.sh.
section "choiceMr" "choiceMr is a switch: one selector picks the element at the same position \
from each of five input arrays (colours, vectors and three further values), so one number drives \
several parts of a shading network at once."

picture --also choice-1.png --also choice-2.png choice-0.png "examples/choice.scene at selector \
0, 1 and 2 (the scene's selector is the frame number): from the same colour array choiceMr picks \
a constant green, a checker and a ramp, the last two shaders evaluated only when picked." \
    "$RENDER" examples/choice.scene --frames 0:2 --size 256x256 -o "$OUT/choice-%d.png"
