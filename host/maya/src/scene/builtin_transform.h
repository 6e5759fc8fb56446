#pragma once
// The host's "transform" node: translate, rotate (degrees, order xyz) and scale channels that
// make a DAG node's local matrix, plus the shared DAG attributes (visibility, matrices).
#include <maya/MObject.h>
#include <maya/MPxNode.h>

namespace scene {

class TransformNode : public MPxNode {
public:
    struct Channels {
        MObject translate[3], rotate[3], scale[3];
        MObject translateParent, rotateParent, scaleParent;
    };
    static const Channels& channels();

    static void* creator();
    static MStatus initialize();
    MPxNode::Type type() const override { return MPxNode::kTransformNode; }
};

void registerTransformType();

} // namespace scene
