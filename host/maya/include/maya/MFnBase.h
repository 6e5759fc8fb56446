#pragma once
// Base of every function set: attaches to an MObject of a compatible type.
#include <maya/MFn.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>

class MFnBase {
public:
    MFnBase();
    virtual ~MFnBase();
    virtual MFn::Type type() const;
    bool hasObj(MFn::Type type) const;
    bool hasObj(const MObject& object) const;
    MObject object(MStatus* ReturnStatus = NULL) const;
    virtual MStatus setObject(MObject& object);
    virtual MStatus setObject(const MObject& object);

protected:
    // Attaches when the object supports this set's type; otherwise leaves the set empty.
    MStatus attach(const MObject& object);
    MObject fObject;
};
