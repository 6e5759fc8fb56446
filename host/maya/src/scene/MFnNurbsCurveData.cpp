#include <maya/MFnNurbsCurveData.h>

#include "scene/geometry_data.h"

MFnNurbsCurveData::MFnNurbsCurveData() = default;
MFnNurbsCurveData::MFnNurbsCurveData(MObject& object, MStatus* ReturnStatus) {
    MStatus status = attach(object);
    if (ReturnStatus)
        *ReturnStatus = status;
}
MFnNurbsCurveData::MFnNurbsCurveData(const MObject& object, MStatus* ReturnStatus) {
    MStatus status = attach(object);
    if (ReturnStatus)
        *ReturnStatus = status;
}
MFnNurbsCurveData::~MFnNurbsCurveData() = default;

MFn::Type MFnNurbsCurveData::type() const {
    return MFn::kNurbsCurveData;
}

MObject MFnNurbsCurveData::create(MStatus* ReturnStatus) {
    fObject = scene::newCurveData();
    if (ReturnStatus)
        *ReturnStatus = MS::kSuccess;
    return fObject;
}
