#pragma once
// The host's "transform" node: the channels Maya gives a transform (translate, rotate in
// degrees with its rotate order, scale, shear, pivots and their translations, rotate axis)
// that make a DAG node's local matrix, plus the shared DAG attributes (visibility, matrices).
// "joint" adds a joint's orient and the inverse of its parent's scale.
#include "scene/transform_math.h"
#include "scene/units.h"

#include <maya/MObject.h>
#include <maya/MPxNode.h>

#include <vector>

namespace scene {

class TransformNode : public MPxNode {
public:
    struct Channels {
        MObject translate[3], rotate[3], scale[3];
        MObject translateParent, rotateParent, scaleParent;
        MObject shear[3], rotatePivot[3], rotatePivotTranslate[3], scalePivot[3],
            scalePivotTranslate[3], rotateAxis[3];
        MObject rotateOrder, inheritsTransform;
        MObject jointOrient[3], inverseScale[3]; // joints only
        // Top-level attributes, joints' own last.
        std::vector<MObject> transformAttributes, jointAttributes;
    };
    static const Channels& channels();

    static void* creator();
    static MStatus initialize();
    static MStatus initializeJoint();
    MPxNode::Type type() const override { return MPxNode::kTransformNode; }

    // The channels of a transform or joint node.
    static TransformValues values(const MObject& node);
    static bool inheritsTransform(const MObject& node);
};

void registerTransformType();

// A keyable compound of three doubles named as Maya names such channels: "translate"/"t" with
// "translateX"/"tx" ...; `unit` tells scene files what the values measure.
MObject createDoubleVector(const char* longName, const char* shortName, double value,
                           MObject out[3], UnitKind unit);

} // namespace scene
