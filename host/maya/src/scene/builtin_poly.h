#pragma once
// Poly history nodes the host evaluates: the creation nodes "polyCube", "polyPlane",
// "polySphere", "polyCylinder", "polyCone" and "polyTorus" (sizes, subdivisions, "axis",
// "createUVs"; the mesh on "output"), and the history nodes that keep a mesh's topology:
// "polyTweak" (moves vertices by "tweak"), "polyTweakUV" (moves UVs by "uvTweak"), "groupParts"
// (only groups components) and "polyMapCut" (cuts the UV layout apart, which the host does not
// rebuild: its output keeps the geometry and drops the UVs).
namespace scene {

void registerPolyCreatorTypes();
void registerPolyModifierTypes();

} // namespace scene
