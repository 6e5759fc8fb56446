#pragma once
// Compound attributes: a parent with ordered children.
#include <maya/MFnAttribute.h>

class MFnCompoundAttribute : public MFnAttribute {
public:
    MFnCompoundAttribute();
    MFnCompoundAttribute(MObject& object, MStatus* ReturnStatus = NULL);
    MFnCompoundAttribute(const MObject& object, MStatus* ReturnStatus = NULL);
    virtual ~MFnCompoundAttribute();
    MFn::Type type() const override;

    MObject create(const MString& full, const MString& brief, MStatus* ReturnStatus = NULL);
    MStatus addChild(const MObject& child);
    MStatus removeChild(const MObject& child);
    unsigned int numChildren(MStatus* ReturnStatus = NULL) const;
    MObject child(unsigned int index, MStatus* ReturnStatus = NULL) const;
};
