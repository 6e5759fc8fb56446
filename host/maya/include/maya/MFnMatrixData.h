#pragma once
// Matrix data: the value of matrix attributes when read as an MObject.
#include <maya/MFnData.h>
#include <maya/MMatrix.h>

class MFnMatrixData : public MFnData {
public:
    MFnMatrixData();
    MFnMatrixData(MObject& object, MStatus* ReturnStatus = NULL);
    MFnMatrixData(const MObject& object, MStatus* ReturnStatus = NULL);
    virtual ~MFnMatrixData();
    MFn::Type type() const override;

    const MMatrix& matrix(MStatus* ReturnStatus = NULL) const;
    MStatus set(const MMatrix& matrix);
    MObject create(MStatus* ReturnStatus = NULL);
    MObject create(const MMatrix& in, MStatus* ReturnStatus = NULL);
};
