#include "base_attributes.h"

#include "registry.h"

#include <maya/MFnCompoundAttribute.h>
#include <maya/MFnMatrixAttribute.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnTypedAttribute.h>
#include <maya/MPxDeformerNode.h>
#include <maya/MPxGeometryFilter.h>
#include <maya/MPxLocatorNode.h>

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
    return attr;
}

MObject triple(const char* longName, const char* shortName, const char* childLong[3],
               const char* childShort[3], double defaultValue) {
    MFnNumericAttribute fn;
    MObject kids[3];
    for (int k = 0; k < 3; ++k)
        kids[k] = fn.create(childLong[k], childShort[k], MFnNumericData::kDouble, defaultValue);
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

    const char* lpLong[3] = {"localPositionX", "localPositionY", "localPositionZ"};
    const char* lpShort[3] = {"lpx", "lpy", "lpz"};
    MPxLocatorNode::localPosition = triple("localPosition", "lp", lpLong, lpShort, 0.0);
    MFnNumericAttribute localPosition(MPxLocatorNode::localPosition);
    MPxLocatorNode::localPositionX = localPosition.child(0);
    MPxLocatorNode::localPositionY = localPosition.child(1);
    MPxLocatorNode::localPositionZ = localPosition.child(2);

    const char* wpLong[3] = {"worldPositionX", "worldPositionY", "worldPositionZ"};
    const char* wpShort[3] = {"wpx", "wpy", "wpz"};
    MPxLocatorNode::worldPosition = triple("worldPosition", "wp", wpLong, wpShort, 0.0);
    MFnNumericAttribute worldPosition(MPxLocatorNode::worldPosition);
    worldPosition.setArray(true);
    worldPosition.setWritable(false);
    worldPosition.setStorable(false);
    MPxLocatorNode::worldPositionX = worldPosition.child(0);
    MPxLocatorNode::worldPositionY = worldPosition.child(1);
    MPxLocatorNode::worldPositionZ = worldPosition.child(2);

    const char* lsLong[3] = {"localScaleX", "localScaleY", "localScaleZ"};
    const char* lsShort[3] = {"lsx", "lsy", "lsz"};
    MPxLocatorNode::localScale = triple("localScale", "los", lsLong, lsShort, 1.0);
    MFnNumericAttribute localScale(MPxLocatorNode::localScale);
    MPxLocatorNode::localScaleX = localScale.child(0);
    MPxLocatorNode::localScaleY = localScale.child(1);
    MPxLocatorNode::localScaleZ = localScale.child(2);
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
