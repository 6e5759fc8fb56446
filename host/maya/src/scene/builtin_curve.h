#pragma once
// The host's "nurbsCurve" shape: "create" (fed by other nodes), "cached" (its own curve,
// stored), "local" (what it outputs: create when fed, else cached) and "worldSpace" (the same
// with the world matrix).
#include <maya/MObject.h>
#include <maya/MPxNode.h>

namespace scene {

class CurveShape : public MPxNode {
public:
    static MObject create, cached, local, worldSpace;

    static void* creator();
    static MStatus initialize();
    MStatus compute(const MPlug& plug, MDataBlock& block) override;
};

void registerCurveType();

} // namespace scene
