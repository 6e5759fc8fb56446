#include "scene/builtin_anim_curve.h"

#include "core/internal.h"
#include "scene/builtin_transform.h"
#include "scene/scene_time.h"

#include <hostkit/host.h>
#include <maya/MDataBlock.h>
#include <maya/MDataHandle.h>
#include <maya/MFnCompoundAttribute.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnEnumAttribute.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnUnitAttribute.h>
#include <maya/MPlugArray.h>
#include <maya/MTime.h>

#include <algorithm>
#include <string>

namespace scene {

MObject AnimCurve::input;
MObject AnimCurve::output;
MObject AnimCurve::keyTimeValue;
MObject AnimCurve::keyTime;
MObject AnimCurve::keyValue;
MObject AnimCurve::tangentType;
MObject AnimCurve::weightedTangents;

namespace {

constexpr unsigned int kCurveIds[] = {0x41435446, 0x41435447, 0x41435448}; // TL, TA, TU
const char* const kCurveTypes[] = {"animCurveTL", "animCurveTA", "animCurveTU"};

bool isAnimCurve(const MObject& node) {
    return dynamic_cast<AnimCurve*>(MFnDependencyNode(node).userNode()) != nullptr;
}

} // namespace

double evaluateKeys(std::vector<std::pair<double, double>> keys, double time) {
    if (keys.empty())
        return 0.0;
    std::stable_sort(keys.begin(), keys.end());
    if (time <= keys.front().first)
        return keys.front().second;
    for (size_t i = 1; i < keys.size(); ++i)
        if (time <= keys[i].first) {
            const auto &a = keys[i - 1], &b = keys[i];
            const double span = b.first - a.first;
            return span > 0.0 ? a.second + (b.second - a.second) * (time - a.first) / span
                              : b.second;
        }
    return keys.back().second;
}

void* AnimCurve::creator() {
    return new AnimCurve();
}

// The three curve types share one set of attributes, created on the first registration.
MStatus AnimCurve::initialize() {
    if (input.isNull()) {
        MFnUnitAttribute unit;
        input = unit.create("input", "i", MTime(0.0));
        MFnNumericAttribute n;
        output = n.create("output", "o", MFnNumericData::kDouble, 0.0);
        n.setWritable(false);
        n.setStorable(false);
        keyTime = n.create("keyTime", "kt", MFnNumericData::kDouble, 0.0);
        keyValue = n.create("keyValue", "kv", MFnNumericData::kDouble, 0.0);
        MFnCompoundAttribute c;
        keyTimeValue = c.create("keyTimeValue", "ktv");
        c.addChild(keyTime);
        c.addChild(keyValue);
        c.setArray(true);
        weightedTangents = n.create("weightedTangents", "wgt", MFnNumericData::kBoolean, 0.0);
        MFnEnumAttribute e;
        tangentType = e.create("tangentType", "tan", 18);
        e.addField("Linear", 18);
    }
    for (const MObject& a : {input, output, keyTimeValue, tangentType, weightedTangents})
        addAttribute(a);
    for (const MObject& a : {input, keyTime, keyValue})
        attributeAffects(a, output);
    return MS::kSuccess;
}

MStatus AnimCurve::compute(const MPlug& plug, MDataBlock& block) {
    if (plug != output)
        return MS::kUnknownParameter;
    const MObject node = thisMObject();
    const double time = MPlug(node, input).isDestination()
                            ? block.inputValue(input).asTime().as(MTime::uiUnit())
                            : currentSceneTime().as(MTime::uiUnit());
    MPlug keys(node, keyTimeValue);
    std::vector<std::pair<double, double>> pairs;
    for (unsigned int i = 0; i < keys.numElements(); ++i) {
        MPlug key = keys.elementByPhysicalIndex(i);
        pairs.emplace_back(key.child(keyTime).asDouble(), key.child(keyValue).asDouble());
    }
    block.outputValue(output).set(evaluateKeys(pairs, time));
    block.setClean(plug);
    return MS::kSuccess;
}

void registerAnimCurveTypes() {
    for (int i = 0; i < 3; ++i)
        mcore::registerBuiltinNodeType(kCurveTypes[i], MTypeId(kCurveIds[i]), AnimCurve::creator,
                                       AnimCurve::initialize, MPxNode::kDependNode,
                                       {MFn::kDependencyNode});
}

void animCurvesTimeChanged() {
    for (const MObject& node : mcore::allNodes())
        if (isAnimCurve(node) && !MPlug(node, AnimCurve::input).isDestination())
            mcore::markChanged(MPlug(node, AnimCurve::input));
}

namespace {

bool isOneOf(const MObject& attribute, const MObject (&channels)[3]) {
    return attribute == channels[0] || attribute == channels[1] || attribute == channels[2];
}

// Distances and angles get their own curve types, as the host names them in scene files.
const char* curveTypeFor(const MObject& attribute) {
    const TransformNode::Channels& transform = TransformNode::channels();
    if (attribute.hasFn(MFn::kDoubleAngleAttribute) || isOneOf(attribute, transform.rotate))
        return kCurveTypes[1];
    if (attribute.hasFn(MFn::kDoubleLinearAttribute) || isOneOf(attribute, transform.translate))
        return kCurveTypes[0];
    return kCurveTypes[2];
}

// The curve feeding `plug`, or a new one named "node_attribute" connected to it.
MObject curveFor(const MPlug& plug, std::string& error) {
    MPlugArray sources;
    plug.connectedTo(sources, true, false);
    if (sources.length() > 0) {
        MObject source = sources[0].node();
        if (isAnimCurve(source))
            return source;
        error = std::string(plug.name().asChar()) + " is fed by something other than keys";
        return MObject();
    }
    std::string name = plug.name().asChar();
    std::replace(name.begin(), name.end(), '.', '_');
    name.erase(
        std::remove_if(name.begin(), name.end(), [](char c) { return c == '[' || c == ']'; }),
        name.end());
    MStatus status;
    MObject curve = hostkit::createNode(curveTypeFor(plug.attribute()), name, &status);
    if (!status) {
        error = "cannot create an animation curve";
        return MObject();
    }
    const std::string out = MFnDependencyNode(curve).name().asChar() + std::string(".output");
    if (!hostkit::connectAttr(out, plug.name().asChar(), false, &error)) {
        hostkit::deleteNode(curve);
        return MObject();
    }
    return curve;
}

} // namespace

MStatus setKey(const MPlug& plug, double time, double value, std::string& error) {
    MObject curve = curveFor(plug, error);
    if (curve.isNull())
        return MS::kFailure;
    MPlug keys(curve, AnimCurve::keyTimeValue);
    unsigned int index = 0;
    for (unsigned int i = 0; i < keys.numElements(); ++i) {
        MPlug key = keys.elementByPhysicalIndex(i);
        index = std::max(index, key.logicalIndex() + 1);
        if (key.child(AnimCurve::keyTime).asDouble() == time)
            return key.child(AnimCurve::keyValue).setValue(value); // replaces that key
    }
    MPlug key = keys.elementByLogicalIndex(index);
    key.child(AnimCurve::keyTime).setValue(time);
    return key.child(AnimCurve::keyValue).setValue(value);
}

} // namespace scene
