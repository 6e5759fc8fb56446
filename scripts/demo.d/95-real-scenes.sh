# Scenes that nobody on this project wrote, saved by Maya in public repositories: shown only where
# they are at hand (../shared/real-scenes beside the checkout, or QUILLOMAR_REAL_SCENES). They
# stay out of the repository. Declares its pictures; see scripts/showcase/declare.sh.
real_scenes="${QUILLOMAR_REAL_SCENES:-../shared/real-scenes}"
if [ ! -f "$real_scenes/piano.ma" ]; then
    echo "showcase: no real scenes at $real_scenes (set QUILLOMAR_REAL_SCENES to a folder with" \
        "piano.ma, robot-rig.ma and boat.ma to preview them)"
    return 0
fi

section "Real scenes, previewed" "Maya ASCII scenes saved by Maya 2015 to 2018 for other \
projects, opened by the stand-in as Maya would open them: meshes stored as vertex, edge and face \
lists or made by poly creation nodes, history the stand-in evaluates, rigs driven by \
constraints, repeated names under different parents, each scene through its own persp camera. \
Run quillomar-view with --stats to see what is drawn and what the stand-in leaves out."

picture real-scene-piano.png "piano.ma (Maya 2015): one mesh stored as lists and reshaped \
through 20 history nodes (group parts, UV cuts and tweaks, vertex tweaks); the 103 shapes it was \
built from are intermediate and not drawn." \
    "$VIEW" "$real_scenes/piano.ma" --size 800x600 -o "$OUT/real-scene-piano.png"

picture real-scene-robot.png "robot-rig.ma (Maya 2018): 35 meshes under a skeleton of joints, \
each joint placed by a parent constraint on an animated control, at frame 41 where the file was \
saved." \
    "$VIEW" "$real_scenes/robot-rig.ma" --size 800x600 -o "$OUT/real-scene-robot.png"

picture real-scene-boat.png "boat.ma (Maya 2017): twelve masts and yards made by polyCube nodes \
and shaped by vertex tweaks; the hull, built with extrusions and ring splits the stand-in does \
not evaluate, is not drawn." \
    "$VIEW" "$real_scenes/boat.ma" --size 800x600 -o "$OUT/real-scene-boat.png"
