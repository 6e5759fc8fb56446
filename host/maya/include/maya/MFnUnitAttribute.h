#pragma once
// Attributes with a unit: time (MTime), distance (centimetres) and angle (radians).
#include <maya/MFnAttribute.h>
#include <maya/MTime.h>

class MFnUnitAttribute : public MFnAttribute {
public:
    enum Type { kInvalid, kAngle, kDistance, kTime, kLast };

    MFnUnitAttribute();
    MFnUnitAttribute(MObject& object, MStatus* ReturnStatus = NULL);
    MFnUnitAttribute(const MObject& object, MStatus* ReturnStatus = NULL);
    virtual ~MFnUnitAttribute();
    MFn::Type type() const override;

    MObject create(const MString& fullName, const MString& briefName,
                   MFnUnitAttribute::Type unitType, double defaultValue = 0.0,
                   MStatus* ReturnStatus = NULL);
    MObject create(const MString& fullName, const MString& briefName, const MTime& defaultValue,
                   MStatus* ReturnStatus = NULL);
    MFnUnitAttribute::Type unitType(MStatus* ReturnStatus = NULL) const;
    MStatus getDefault(double& defaultValue);
    MStatus getDefault(MTime& defaultValue);
    MStatus setDefault(double defaultValue);
    MStatus setDefault(const MTime& defaultValue);
    bool hasMin(MStatus* ReturnStatus = NULL) const;
    bool hasMax(MStatus* ReturnStatus = NULL) const;
    MStatus setMin(double minValue);
    MStatus setMax(double maxValue);
    MStatus setMin(const MTime& minValue);
    MStatus setMax(const MTime& maxValue);
};
