#include "scene/builtin_curve.h"

#include "core/internal.h"
#include "scene/builtin_ids.h"
#include "scene/geometry_data.h"
#include "scene/shape_support.h"

#include <maya/MDataBlock.h>
#include <maya/MDataHandle.h>
#include <maya/MPlug.h>

namespace scene {

MObject CurveShape::create;
MObject CurveShape::cached;
MObject CurveShape::local;
MObject CurveShape::worldSpace;

void* CurveShape::creator() {
    return new CurveShape();
}

MStatus CurveShape::initialize() {
    create = createGeometryAttribute("create", "cr", MFnData::kNurbsCurve, false);
    cached = createGeometryAttribute("cached", "cc", MFnData::kNurbsCurve, false);
    local = createGeometryAttribute("local", "l", MFnData::kNurbsCurve, true);
    worldSpace = createGeometryAttribute("worldSpace", "ws", MFnData::kNurbsCurve, true, true);
    for (const MObject& attribute : {create, cached, local, worldSpace})
        addAttribute(attribute);
    for (const MObject& in : {create, cached})
        for (const MObject& out : {local, worldSpace})
            attributeAffects(in, out);
    return mcore::addDagAttributes();
}

MStatus CurveShape::compute(const MPlug& plug, MDataBlock& block) {
    if (plug != local)
        return MS::kUnknownParameter;
    MObject source = block.inputValue(create).data();
    auto* fed = mcore::dataObject<CurveData>(source);
    if (!fed || !fed->valid)
        source = block.inputValue(cached).data();
    MObject copy = mcore::cloneData(source);
    if (auto* curve = mcore::dataObject<CurveData>(copy))
        curve->matrix = MMatrix();
    else
        copy = newCurveData();
    block.outputValue(local).set(copy);
    block.setClean(plug);
    return MS::kSuccess;
}

void registerCurveType() {
    mcore::registerBuiltinNodeType(
        "nurbsCurve", MTypeId(kCurveId), CurveShape::creator, CurveShape::initialize,
        MPxNode::kSurfaceShape,
        {MFn::kNurbsCurve, MFn::kShape, MFn::kDagNode, MFn::kDependencyNode});
    installWorldGeometry(CurveShape::worldSpace, CurveShape::local);
}

} // namespace scene
