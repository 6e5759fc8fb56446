#pragma once
// Whether the viewport draws a mesh shape, and if not, why.
#include "scene/mesh_geometry.h"

#include <maya/MDagPath.h>

#include <string>

namespace scene {

// Empty when the mesh is drawn; else "hidden", "intermediate object", "history through
// unknown node type 'T'", "bad stored geometry: ..." or "no geometry". `geometry` is the
// shape's output, read already (so that its stored lists have been checked).
std::string whyMeshIsNotDrawn(const MDagPath& shape, const MeshGeometry& geometry);

} // namespace scene
