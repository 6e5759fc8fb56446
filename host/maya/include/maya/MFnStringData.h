#pragma once
// String data: the value of a typed kString attribute.
#include <maya/MFnData.h>
#include <maya/MString.h>

class MFnStringData : public MFnData {
public:
    MFnStringData();
    MFnStringData(MObject& object, MStatus* ReturnStatus = NULL);
    MFnStringData(const MObject& object, MStatus* ReturnStatus = NULL);
    virtual ~MFnStringData();
    MFn::Type type() const override;

    MString string(MStatus* ReturnStatus = NULL) const;
    MStatus set(const MString& newString);
    MObject create(const MString& str, MStatus* ReturnStatus = NULL);
    MObject create(MStatus* ReturnStatus = NULL);
};
