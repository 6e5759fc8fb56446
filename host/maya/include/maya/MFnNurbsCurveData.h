#pragma once
// NURBS-curve geometry data: the value carried by curve attributes ("worldSpace", "local").
#include <maya/MFnData.h>

class MFnNurbsCurveData : public MFnData {
public:
    MFnNurbsCurveData();
    MFnNurbsCurveData(MObject& object, MStatus* ReturnStatus = NULL);
    MFnNurbsCurveData(const MObject& object, MStatus* ReturnStatus = NULL);
    virtual ~MFnNurbsCurveData();
    MFn::Type type() const override;

    // A new, empty curve data object; MFnNurbsCurve::create can fill it.
    MObject create(MStatus* ReturnStatus = NULL);
};
