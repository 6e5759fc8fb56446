#pragma once
// Matrix attributes (double or float).
#include <maya/MFnAttribute.h>
#include <maya/MFloatMatrix.h>
#include <maya/MMatrix.h>

class MFnMatrixAttribute : public MFnAttribute {
public:
    enum Type { kFloat, kDouble };

    MFnMatrixAttribute();
    MFnMatrixAttribute(MObject& object, MStatus* ReturnStatus = NULL);
    MFnMatrixAttribute(const MObject& object, MStatus* ReturnStatus = NULL);
    virtual ~MFnMatrixAttribute();
    MFn::Type type() const override;

    MObject create(const MString& fullName, const MString& briefName, Type matrixType = kDouble,
                   MStatus* ReturnStatus = NULL);
    MStatus getDefault(MMatrix& defaultValue);
    MStatus getDefault(MFloatMatrix& defaultValue);
    MStatus setDefault(const MMatrix& defaultValue);
    MStatus setDefault(const MFloatMatrix& defaultValue);
};
