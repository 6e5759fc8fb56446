#!/usr/bin/env bash
# choiceMr through quillomar-render: one selector picks a constant, a checker or a ramp from the
# same colour array; one picture per selector value: OUT/choice-0.png .. choice-2.png.
set -euo pipefail
build="$1"
out="$2"
mkdir -p "$out"
scene="$(mktemp)"
trap 'rm -f "$scene"' EXIT
for selector in 0 1 2; do
    cat > "$scene" <<SCENE
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
    "$build/bin/quillomar-render" "$scene" --size 256x256 -o "$out/choice-$selector.png"
done
echo "choiceMr: $(cd "$out" && pwd)/choice-{0,1,2}.png"
