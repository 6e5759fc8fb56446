#include "scene/mesh_display.h"

#include "scene/builtin_mesh.h"
#include "scene/placeholder_nodes.h"

#include <maya/MFnDagNode.h>
#include <maya/MFnDependencyNode.h>

namespace scene {

std::string whyMeshIsNotDrawn(const MDagPath& shape, const MeshGeometry& geometry) {
    if (!shape.isVisible())
        return "hidden";
    if (MFnDagNode(shape).isIntermediateObject())
        return "intermediate object";
    const std::string unknown = unknownMeshHistory(shape.node());
    if (!unknown.empty())
        return "history through unknown node type '" + unknown + "'";
    if (auto* mesh = dynamic_cast<MeshShape*>(MFnDependencyNode(shape.node()).userNode()))
        if (!mesh->storedGeometryProblem().empty())
            return "bad stored geometry: " + mesh->storedGeometryProblem();
    if (geometry.faceCounts.empty())
        return "no geometry";
    return "";
}

} // namespace scene
