#pragma once
// Point-array data: the value of a typed kPointArray attribute.
#include <maya/MFnData.h>
#include <maya/MPoint.h>
#include <maya/MPointArray.h>

class MFnPointArrayData : public MFnData {
public:
    MFnPointArrayData();
    MFnPointArrayData(MObject& object, MStatus* ReturnStatus = NULL);
    MFnPointArrayData(const MObject& object, MStatus* ReturnStatus = NULL);
    virtual ~MFnPointArrayData();
    MFn::Type type() const override;

    unsigned int length(MStatus* ReturnStatus = NULL) const;
    MStatus copyTo(MPointArray& array) const;
    MStatus set(const MPointArray& newArray);
    MStatus set(MPoint& element, unsigned int index);
    MPointArray array(MStatus* ReturnStatus = NULL);
    MPoint& operator[](unsigned int index);
    MObject create(MStatus* ReturnStatus = NULL);
    MObject create(const MPointArray& in, MStatus* ReturnStatus = NULL);
};
