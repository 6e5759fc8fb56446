#pragma once
// The host's "mesh" shape: "inMesh" (its geometry, stored when nothing feeds it), "outMesh"
// (the geometry other nodes read) and "worldMesh" (the same with the world matrix).
#include <maya/MObject.h>
#include <maya/MPxNode.h>

namespace scene {

class MeshShape : public MPxNode {
public:
    static MObject inMesh, outMesh, worldMesh;

    static void* creator();
    static MStatus initialize();
    MStatus compute(const MPlug& plug, MDataBlock& block) override;
};

void registerMeshType();

} // namespace scene
