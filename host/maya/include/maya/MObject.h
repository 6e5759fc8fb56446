#pragma once
// Generic handle to anything the host owns: nodes, attributes, data, plug-ins.
#include <maya/MFn.h>
#include <maya/MTypes.h>

class MObject {
public:
    MObject();
    MObject(const MObject& other);
    ~MObject();
    MObject& operator=(const MObject& other);

    bool operator==(const MObject& other) const;
    bool operator!=(const MObject& other) const;
    bool isNull() const;
    MFn::Type apiType() const;
    const char* apiTypeStr() const;
    bool hasFn(MFn::Type fs) const;

    // Not const in the 2019 devkit, so it binds to the API's MObject& parameters.
    static MObject kNullObj;

private:
    friend struct MObjectAccess;
    void* fPtr; // reference-counted host object, or null
};
