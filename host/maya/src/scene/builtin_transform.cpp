#include "scene/builtin_transform.h"

#include "core/internal.h"
#include "scene/builtin_ids.h"

#include <maya/MFnNumericAttribute.h>

namespace scene {

namespace {

TransformNode::Channels& mutableChannels() {
    static TransformNode::Channels c;
    return c;
}

// A keyable double3 compound named like Maya's: "translate"/"t" with "translateX"/"tx" ...
MObject createVector(const char* longName, const char* shortName, double value, MObject out[3]) {
    MFnNumericAttribute fn;
    const char* axes = "XYZ";
    const char* shortAxes = "xyz";
    for (int i = 0; i < 3; ++i) {
        out[i] = fn.create(MString(longName) + MString(&axes[i], 1),
                           MString(shortName) + MString(&shortAxes[i], 1), MFnNumericData::kDouble,
                           value);
        fn.setKeyable(true);
    }
    MObject parent = fn.create(longName, shortName, out[0], out[1], out[2]);
    fn.setKeyable(true);
    return parent;
}

} // namespace

const TransformNode::Channels& TransformNode::channels() {
    return mutableChannels();
}

void* TransformNode::creator() {
    return new TransformNode();
}

MStatus TransformNode::initialize() {
    Channels& c = mutableChannels();
    c.translateParent = createVector("translate", "t", 0.0, c.translate);
    c.rotateParent = createVector("rotate", "r", 0.0, c.rotate);
    c.scaleParent = createVector("scale", "s", 1.0, c.scale);
    for (const MObject& attribute : {c.translateParent, c.rotateParent, c.scaleParent})
        addAttribute(attribute);
    MStatus status = mcore::addDagAttributes();
    const mcore::DagAttributes& dag = mcore::dagAttributes();
    for (const MObject* group : {c.translate, c.rotate, c.scale})
        for (int i = 0; i < 3; ++i)
            for (const MObject& out :
                 {dag.matrix, dag.inverseMatrix, dag.worldMatrix, dag.worldInverseMatrix})
                attributeAffects(group[i], out);
    return status;
}

void registerTransformType() {
    mcore::registerBuiltinNodeType("transform", MTypeId(kTransformId), TransformNode::creator,
                                   TransformNode::initialize, MPxNode::kTransformNode,
                                   {MFn::kTransform, MFn::kDagNode, MFn::kDependencyNode});
}

} // namespace scene
