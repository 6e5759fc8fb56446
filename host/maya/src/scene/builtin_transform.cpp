#include "scene/builtin_transform.h"

#include "core/internal.h"
#include "scene/builtin_ids.h"
#include "scene/units.h"

#include <maya/MFnDependencyNode.h>
#include <maya/MFnEnumAttribute.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MPlug.h>

namespace scene {

namespace {

TransformNode::Channels& mutableChannels() {
    static TransformNode::Channels c;
    return c;
}

struct Suffixes {
    const char* longNames[3];
    const char* shortNames[3];
};
const Suffixes kAxes = {{"X", "Y", "Z"}, {"x", "y", "z"}};
const Suffixes kShears = {{"XY", "XZ", "YZ"}, {"xy", "xz", "yz"}};

// A keyable double3 compound named like Maya's: "translate"/"t" with "translateX"/"tx" ...
MObject createVector(const char* longName, const char* shortName, double value, MObject out[3],
                     UnitKind unit, const Suffixes& suffixes = kAxes) {
    MFnNumericAttribute fn;
    for (int i = 0; i < 3; ++i) {
        out[i] =
            fn.create(MString(longName) + suffixes.longNames[i],
                      MString(shortName) + suffixes.shortNames[i], MFnNumericData::kDouble, value);
        fn.setKeyable(true);
        declareUnit(out[i], unit);
    }
    MObject parent = fn.create(longName, shortName, out[0], out[1], out[2]);
    fn.setKeyable(true);
    return parent;
}

void createChannels() {
    TransformNode::Channels& c = mutableChannels();
    if (!c.transformAttributes.empty())
        return;
    const UnitKind length = UnitKind::Distance, angle = UnitKind::Angle, none = UnitKind::None;
    c.translateParent = createVector("translate", "t", 0.0, c.translate, length);
    c.rotateParent = createVector("rotate", "r", 0.0, c.rotate, angle);
    c.scaleParent = createVector("scale", "s", 1.0, c.scale, none);
    c.transformAttributes = {
        c.translateParent,
        c.rotateParent,
        c.scaleParent,
        createVector("shear", "sh", 0.0, c.shear, none, kShears),
        createVector("rotatePivot", "rp", 0.0, c.rotatePivot, length),
        createVector("rotatePivotTranslate", "rpt", 0.0, c.rotatePivotTranslate, length),
        createVector("scalePivot", "sp", 0.0, c.scalePivot, length),
        createVector("scalePivotTranslate", "spt", 0.0, c.scalePivotTranslate, length),
        createVector("rotateAxis", "ra", 0.0, c.rotateAxis, angle)};
    MFnEnumAttribute order;
    c.rotateOrder = order.create("rotateOrder", "ro", 0);
    const char* orders[] = {"xyz", "yzx", "zxy", "xzy", "yxz", "zyx"};
    for (short i = 0; i < 6; ++i)
        order.addField(orders[i], i);
    MFnNumericAttribute flag;
    c.inheritsTransform = flag.create("inheritsTransform", "it", MFnNumericData::kBoolean, 1.0);
    c.transformAttributes.push_back(c.rotateOrder);
    c.transformAttributes.push_back(c.inheritsTransform);
    c.jointAttributes = {createVector("jointOrient", "jo", 0.0, c.jointOrient, angle),
                         createVector("inverseScale", "is", 1.0, c.inverseScale, none)};
}

MStatus addChannels(const std::vector<MObject>& attributes) {
    const mcore::DagAttributes& dag = mcore::dagAttributes();
    for (const MObject& attribute : attributes) {
        MPxNode::addAttribute(attribute);
        for (const MObject& out :
             {dag.matrix, dag.inverseMatrix, dag.worldMatrix, dag.worldInverseMatrix})
            MPxNode::attributeAffects(attribute, out);
    }
    return MS::kSuccess;
}

void read(const MObject& node, const MObject (&attributes)[3], double out[3]) {
    for (int i = 0; i < 3; ++i)
        out[i] = MPlug(node, attributes[i]).asDouble();
}

bool isJoint(const MObject& node) {
    return mcore::nodeTypeName(node) == "joint";
}

} // namespace

const TransformNode::Channels& TransformNode::channels() {
    return mutableChannels();
}

void* TransformNode::creator() {
    return new TransformNode();
}

MStatus TransformNode::initialize() {
    createChannels();
    MStatus status = mcore::addDagAttributes();
    addChannels(channels().transformAttributes);
    return status;
}

MStatus TransformNode::initializeJoint() {
    MStatus status = initialize();
    addChannels(channels().jointAttributes);
    return status;
}

TransformValues TransformNode::values(const MObject& node) {
    const Channels& c = channels();
    TransformValues v;
    read(node, c.translate, v.translate);
    read(node, c.rotate, v.rotate);
    read(node, c.scale, v.scale);
    read(node, c.shear, v.shear);
    read(node, c.rotateAxis, v.rotateAxis);
    v.rotateOrder = MPlug(node, c.rotateOrder).asInt();
    v.joint = isJoint(node);
    if (v.joint) {
        read(node, c.jointOrient, v.jointOrient);
        read(node, c.inverseScale, v.inverseScale);
    } else {
        read(node, c.rotatePivot, v.rotatePivot);
        read(node, c.rotatePivotTranslate, v.rotatePivotTranslate);
        read(node, c.scalePivot, v.scalePivot);
        read(node, c.scalePivotTranslate, v.scalePivotTranslate);
    }
    return v;
}

bool TransformNode::inheritsTransform(const MObject& node) {
    return MPlug(node, channels().inheritsTransform).asBool();
}

MObject createDoubleVector(const char* longName, const char* shortName, double value,
                           MObject out[3], UnitKind unit) {
    return createVector(longName, shortName, value, out, unit);
}

void registerTransformType() {
    const std::vector<MFn::Type> fnTypes{MFn::kTransform, MFn::kDagNode, MFn::kDependencyNode};
    mcore::registerBuiltinNodeType("transform", MTypeId(kTransformId), TransformNode::creator,
                                   TransformNode::initialize, MPxNode::kTransformNode, fnTypes);
    mcore::registerBuiltinNodeType("joint", MTypeId(kJointId), TransformNode::creator,
                                   TransformNode::initializeJoint, MPxNode::kTransformNode,
                                   fnTypes);
}

} // namespace scene
