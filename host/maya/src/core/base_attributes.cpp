#include "base_attributes.h"

#include "registry.h"

#include <maya/MFnCompoundAttribute.h>
#include <maya/MFnMatrixAttribute.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnTypedAttribute.h>
#include <maya/MPxDeformerNode.h>
#include <maya/MPxGeometryFilter.h>
#include <maya/MPxLocatorNode.h>

#include <string>

namespace mcore {

namespace {

MObject flag(const char* longName, const char* shortName, bool defaultValue) {
    MFnNumericAttribute fn;
    MObject attr = fn.create(longName, shortName, MFnNumericData::kBoolean, defaultValue ? 1 : 0);
    return attr;
}

// Matrices the host computes from the DAG: neither written by users nor saved.
MObject hostMatrix(const char* longName, const char* shortName, bool array) {
    MFnMatrixAttribute fn;
    MObject attr = fn.create(longName, shortName);
    fn.setWritable(false);
    fn.setStorable(false);
    fn.setArray(array);
    // The host fills the per-instance arrays with a builder.
    fn.setUsesArrayDataBuilder(array);
    return attr;
}

// A compound of three doubles named name + X/Y/Z (short: shortName's stem + x/y/z); the
// children go to the statics given.
MObject triple(const char* longName, const char* shortName, const char* childStem,
               double defaultValue, MObject* children[3]) {
    MFnNumericAttribute fn;
    MObject kids[3];
    const char axes[] = "XYZ";
    for (int k = 0; k < 3; ++k) {
        const std::string childLong = std::string(longName) + axes[k];
        const std::string childShort =
            std::string(childStem) + static_cast<char>(axes[k] - 'A' + 'a');
        kids[k] =
            fn.create(childLong.c_str(), childShort.c_str(), MFnNumericData::kDouble, defaultValue);
        *children[k] = kids[k];
    }
    return fn.create(longName, shortName, kids[0], kids[1], kids[2]);
}

void add(NodeType& type, const MObject& attr) {
    type.attributes.push_back(attr);
}

void affects(NodeType& type, const MObject& input, const MObject& output) {
    type.affects[attributeOf(input)].push_back(attributeOf(output));
}

} // namespace

const DagAttributes& dagAttributes() {
    static const DagAttributes* attributes = [] {
        auto* a = new DagAttributes();
        a->visibility = flag("visibility", "v", true);
        MFnNumericAttribute(a->visibility).setKeyable(true);
        a->intermediateObject = flag("intermediateObject", "io", false);
        a->isTemplated = flag("template", "tmp", false);
        a->matrix = hostMatrix("matrix", "m", false);
        a->inverseMatrix = hostMatrix("inverseMatrix", "im", false);
        a->worldMatrix = hostMatrix("worldMatrix", "wm", true);
        a->worldInverseMatrix = hostMatrix("worldInverseMatrix", "wim", true);
        a->parentMatrix = hostMatrix("parentMatrix", "pm", true);
        a->parentInverseMatrix = hostMatrix("parentInverseMatrix", "pim", true);
        return a;
    }();
    return *attributes;
}

namespace {

void addDagAttributesTo(NodeType& type) {
    const DagAttributes& dag = dagAttributes();
    for (const MObject* attr :
         {&dag.visibility, &dag.intermediateObject, &dag.isTemplated, &dag.matrix,
          &dag.inverseMatrix, &dag.worldMatrix, &dag.worldInverseMatrix, &dag.parentMatrix,
          &dag.parentInverseMatrix})
        add(type, *attr);
}

} // namespace

MStatus addDagAttributes() {
    NodeType* type = Registry::instance().initializing();
    if (!type)
        return MS::kFailure;
    addDagAttributesTo(*type);
    return MS::kSuccess;
}

void createLocatorAttributes() {
    if (!MPxLocatorNode::localPosition.isNull())
        return;
    const DagAttributes& dag = dagAttributes();
    MPxLocatorNode::visibility = dag.visibility;
    MPxLocatorNode::intermediateObject = dag.intermediateObject;
    MPxLocatorNode::isTemplated = dag.isTemplated;
    MPxLocatorNode::matrix = dag.matrix;
    MPxLocatorNode::inverseMatrix = dag.inverseMatrix;
    MPxLocatorNode::worldMatrix = dag.worldMatrix;
    MPxLocatorNode::worldInverseMatrix = dag.worldInverseMatrix;
    MPxLocatorNode::parentMatrix = dag.parentMatrix;
    MPxLocatorNode::parentInverseMatrix = dag.parentInverseMatrix;

    MObject* position[3] = {&MPxLocatorNode::localPositionX, &MPxLocatorNode::localPositionY,
                            &MPxLocatorNode::localPositionZ};
    MPxLocatorNode::localPosition = triple("localPosition", "lp", "lp", 0.0, position);
    MObject* world[3] = {&MPxLocatorNode::worldPositionX, &MPxLocatorNode::worldPositionY,
                         &MPxLocatorNode::worldPositionZ};
    MPxLocatorNode::worldPosition = triple("worldPosition", "wp", "wp", 0.0, world);
    MFnNumericAttribute worldPosition(MPxLocatorNode::worldPosition);
    worldPosition.setArray(true);
    worldPosition.setWritable(false);
    worldPosition.setStorable(false);
    MObject* scale[3] = {&MPxLocatorNode::localScaleX, &MPxLocatorNode::localScaleY,
                         &MPxLocatorNode::localScaleZ};
    MPxLocatorNode::localScale = triple("localScale", "los", "ls", 1.0, scale);
}

void createGeometryFilterAttributes() {
    if (!MPxGeometryFilter::input.isNull())
        return;
    MFnTypedAttribute typed;
    MPxGeometryFilter::inputGeom = typed.create("inputGeometry", "ig", MFnData::kAny);
    typed.setStorable(false);
    MFnNumericAttribute numeric;
    MPxGeometryFilter::groupId = numeric.create("groupId", "gi", MFnNumericData::kInt, 0);
    MFnCompoundAttribute compound;
    MPxGeometryFilter::input = compound.create("input", "ip");
    compound.addChild(MPxGeometryFilter::inputGeom);
    compound.addChild(MPxGeometryFilter::groupId);
    compound.setArray(true);
    compound.setStorable(false);

    MPxGeometryFilter::outputGeom = typed.create("outputGeometry", "og", MFnData::kAny);
    typed.setArray(true);
    typed.setWritable(false);
    typed.setStorable(false);
    typed.setUsesArrayDataBuilder(true);

    MPxGeometryFilter::envelope = numeric.create("envelope", "en", MFnNumericData::kFloat, 1.0);
    numeric.setKeyable(true);
    numeric.setMin(0.0);
    numeric.setSoftMax(1.0);

    MPxDeformerNode::weights = numeric.create("weights", "w", MFnNumericData::kFloat, 1.0);
    numeric.setArray(true);
    numeric.setUsesArrayDataBuilder(true);
    MPxDeformerNode::weightList = compound.create("weightList", "wl");
    compound.addChild(MPxDeformerNode::weights);
    compound.setArray(true);
    compound.setUsesArrayDataBuilder(true);
}

void addInheritedAttributes(NodeType& type) {
    if (type.fnTypes.empty())
        type.fnTypes = fnTypesOf(type.kind);
    switch (type.kind) {
    case MPxNode::kLocatorNode:
        createLocatorAttributes();
        addDagAttributesTo(type);
        add(type, MPxLocatorNode::localPosition);
        add(type, MPxLocatorNode::worldPosition);
        add(type, MPxLocatorNode::localScale);
        break;
    case MPxNode::kDeformerNode:
    case MPxNode::kGeometryFilter:
        createGeometryFilterAttributes();
        add(type, MPxGeometryFilter::input);
        add(type, MPxGeometryFilter::outputGeom);
        add(type, MPxGeometryFilter::envelope);
        affects(type, MPxGeometryFilter::input, MPxGeometryFilter::outputGeom);
        affects(type, MPxGeometryFilter::envelope, MPxGeometryFilter::outputGeom);
        if (type.kind == MPxNode::kDeformerNode) {
            add(type, MPxDeformerNode::weightList);
            affects(type, MPxDeformerNode::weightList, MPxGeometryFilter::outputGeom);
        }
        break;
    default:
        break;
    }
}

} // namespace mcore
