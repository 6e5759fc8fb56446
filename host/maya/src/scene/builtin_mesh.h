#pragma once
// The host's "mesh" shape: "inMesh" (its geometry, stored when nothing feeds it), "outMesh"
// (the geometry other nodes read) and "worldMesh" (the same with the world matrix). Without
// anything in "inMesh" the shape builds its geometry from the lists Maya stores it in (see
// mesh_storage.h); either way the tweaks "pnts" are added last.
#include <maya/MObject.h>
#include <maya/MPxNode.h>

#include <string>

namespace scene {

class MeshShape : public MPxNode {
public:
    static MObject inMesh, outMesh, worldMesh;

    static void* creator();
    static MStatus initialize();
    MStatus compute(const MPlug& plug, MDataBlock& block) override;

    // Why the stored lists give no geometry (empty when they do, or when "inMesh" is used).
    const std::string& storedGeometryProblem() const { return problem_; }

private:
    std::string problem_;
};

void registerMeshType();

} // namespace scene
