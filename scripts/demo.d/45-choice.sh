# choiceMr through quillomar-render: one selector picks a constant, a checker or a ramp from the
# same colour array. Declares its pictures; see scripts/showcase/declare.sh.
section "choiceMr" "choiceMr is a switch: one selector picks the element at the same position \
from each of five input arrays (colours, vectors and three further values), so one number drives \
several parts of a shading network at once."

for selector in 0 1 2; do
    scene="$(derive "choice-$selector.scene" <<SCENE
# choiceMr picking element $selector of a colour array: a constant, a checker, a ramp.
shader checker uvChecker
set checker.color1 0.9 0.3 0.1
set checker.color2 0.1 0.3 0.9
shader ramp uvRamp
set ramp.start 0.1 0.1 0.1
set ramp.end 1 0.9 0.2
shader pick choiceMr
array pick.colors 3
set pick.colors[0] 0.2 0.7 0.3 1
connect pick.colors[1] checker
connect pick.colors[2] ramp
set pick.selector $selector
render pick.outColor
SCENE
)"
    what=("the constant green" "the checker" "the ramp")
    picture "choice-$selector.png" "choiceMr with selector $selector picks element $selector of \
its colour array: ${what[$selector]}." \
        "$RENDER" "$scene" --size 256x256 -o "$OUT/choice-$selector.png"
done
