#pragma once
// Attributes holding a data object (string, point array, matrix, mesh, curve, ...).
#include <maya/MFnAttribute.h>
#include <maya/MFnData.h>

class MFnTypedAttribute : public MFnAttribute {
public:
    MFnTypedAttribute();
    MFnTypedAttribute(MObject& object, MStatus* ReturnStatus = NULL);
    MFnTypedAttribute(const MObject& object, MStatus* ReturnStatus = NULL);
    virtual ~MFnTypedAttribute();
    MFn::Type type() const override;

    MObject create(const MString& fullName, const MString& briefName, const MTypeId& id,
                   MObject defaultData = MObject::kNullObj, MStatus* ReturnStatus = NULL);
    MObject create(const MString& fullName, const MString& briefName, MFnData::Type type,
                   MObject defaultData = MObject::kNullObj, MStatus* ReturnStatus = NULL);
    MFnData::Type attrType(MStatus* ReturnStatus = NULL) const;
    MStatus getDefault(MObject& defaultValue);
    MStatus setDefault(const MObject& defaultValue);
};
