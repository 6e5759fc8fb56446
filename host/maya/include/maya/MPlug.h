#pragma once
// A plug: one attribute of one node, down to an array element or a compound child.
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTypes.h>

class MDataHandle;
class MDGContext;
class MIntArray;
class MPlugArray;
class MTime;

class MPlug {
public:
    enum MValueSelector { kAll, kNonDefault, kChanged, kLastAttrSelector };
    enum FreeToChangeState { kFreeToChange, kNotFreeToChange, kChildrenNotFreeToChange };

    MPlug();
    MPlug(const MPlug& in);
    MPlug(const MObject& node, const MObject& attribute);
    virtual ~MPlug();
    MPlug& operator=(const MPlug& other);

    MStatus setAttribute(MObject& attribute);
    MObject attribute(MStatus* ReturnStatus = NULL) const;
    MObject node(MStatus* ReturnStatus = NULL) const;
    // "node.attr", "node.attr[3]", "node.child" (the child's long name, as Maya prints it).
    MString name(MStatus* ReturnStatus = NULL) const;
    MString partialName(bool includeNodeName = false, bool includeNonMandatoryIndices = false,
                        bool includeInstancedIndices = false, bool useAlias = false,
                        bool useFullAttributePath = false, bool useLongNames = false,
                        MStatus* ReturnStatus = NULL) const;

    bool isNull(MStatus* ReturnStatus = NULL) const;
    bool isArray(MStatus* ReturnStatus = NULL) const;
    bool isElement(MStatus* ReturnStatus = NULL) const;
    bool isCompound(MStatus* ReturnStatus = NULL) const;
    bool isChild(MStatus* ReturnStatus = NULL) const;
    bool isKeyable(MStatus* ReturnStatus = NULL) const;
    bool isConnected(MStatus* ReturnStatus = NULL) const;
    bool isSource(MStatus* ReturnStatus = NULL) const;
    bool isDestination(MStatus* ReturnStatus = NULL) const;
    bool connectedTo(MPlugArray& array, bool asDst, bool asSrc, MStatus* ReturnStatus = NULL) const;

    // Arrays are sparse: the logical index is the user-visible one, the physical index
    // counts existing elements in ascending logical order. numElements counts what the data
    // block holds, as Maya's does; evaluateNumElements (and walking by physical index) first
    // computes a computed array that is out of date.
    unsigned int numElements(MStatus* ReturnStatus = NULL) const;
    unsigned int evaluateNumElements(MStatus* ReturnStatus = NULL);
    unsigned int getExistingArrayAttributeIndices(MIntArray& indices, MStatus* ReturnStatus = NULL);
    unsigned int logicalIndex(MStatus* ReturnStatus = NULL) const;
    MPlug elementByLogicalIndex(unsigned int logicalIndex, MStatus* ReturnStatus = NULL) const;
    MPlug elementByPhysicalIndex(unsigned int physicalIndex, MStatus* ReturnStatus = NULL) const;
    MPlug array(MStatus* ReturnStatus = NULL) const;
    unsigned int numChildren(MStatus* ReturnStatus = NULL) const;
    MPlug child(MObject& attr, MStatus* ReturnStatus = NULL) const;
    MPlug child(unsigned int index, MStatus* ReturnStatus = NULL) const;
    MPlug parent(MStatus* ReturnStatus = NULL) const;

    // Reading a dirty plug runs the owning node's compute first.
    bool asBool(MStatus* ReturnStatus = NULL) const;
    char asChar(MStatus* ReturnStatus = NULL) const;
    short asShort(MStatus* ReturnStatus = NULL) const;
    int asInt(MStatus* ReturnStatus = NULL) const;
    MInt64 asInt64(MStatus* ReturnStatus = NULL) const;
    float asFloat(MStatus* ReturnStatus = NULL) const;
    double asDouble(MStatus* ReturnStatus = NULL) const;
    MString asString(MStatus* ReturnStatus = NULL) const;
    MTime asMTime(MStatus* ReturnStatus = NULL) const;
    MObject asMObject(MStatus* ReturnStatus = NULL) const;
    MDataHandle asMDataHandle(MStatus* ReturnStatus = NULL) const;

    MStatus getValue(bool& val) const;
    MStatus getValue(char& val) const;
    MStatus getValue(short& val) const;
    MStatus getValue(int& val) const;
    MStatus getValue(MInt64& val) const;
    MStatus getValue(float& val) const;
    MStatus getValue(double& val) const;
    MStatus getValue(MString& val) const;
    MStatus getValue(MTime& val) const;
    MStatus getValue(MObject& val) const;
    OPENMAYA_DEPRECATED(2018, "Use MDGContextGuard and getValue without a context.")
    MStatus getValue(bool& val, MDGContext& ctx) const;
    OPENMAYA_DEPRECATED(2018, "Use MDGContextGuard and getValue without a context.")
    MStatus getValue(int& val, MDGContext& ctx) const;
    OPENMAYA_DEPRECATED(2018, "Use MDGContextGuard and getValue without a context.")
    MStatus getValue(float& val, MDGContext& ctx) const;
    OPENMAYA_DEPRECATED(2018, "Use MDGContextGuard and getValue without a context.")
    MStatus getValue(double& val, MDGContext& ctx) const;
    OPENMAYA_DEPRECATED(2018, "Use MDGContextGuard and getValue without a context.")
    MStatus getValue(MString& val, MDGContext& ctx) const;
    OPENMAYA_DEPRECATED(2018, "Use MDGContextGuard and getValue without a context.")
    MStatus getValue(MTime& val, MDGContext& ctx) const;
    OPENMAYA_DEPRECATED(2018, "Use MDGContextGuard and getValue without a context.")
    MStatus getValue(MObject& val, MDGContext& ctx) const;

    MStatus setValue(bool val);
    MStatus setValue(char val);
    MStatus setValue(short val);
    MStatus setValue(int val);
    MStatus setValue(MInt64 val);
    MStatus setValue(float val);
    MStatus setValue(double val);
    MStatus setValue(const MString& val);
    MStatus setValue(const char* val);
    MStatus setValue(const MTime& val);
    MStatus setValue(MObject& val);
    MStatus setValue(MDataHandle& val);
    MStatus setBool(bool val);
    MStatus setChar(char val);
    MStatus setShort(short val);
    MStatus setInt(int val);
    MStatus setInt64(MInt64 val);
    MStatus setFloat(float val);
    MStatus setDouble(double val);
    MStatus setString(const MString& val);
    MStatus setMTime(const MTime& val);
    MStatus setMObject(const MObject& val);
    MStatus setMDataHandle(MDataHandle& val);

    // Element by logical index (creating it on demand) and child by attribute.
    MPlug operator[](unsigned int logicalIndex) const;
    MPlug operator[](MObject& attr) const;
    operator MObject() const;
    // Same node, attribute and element.
    bool operator==(const MPlug& other) const;
    // Same attribute.
    bool operator==(const MObject& other) const;
    bool operator!=(const MPlug& other) const;
    bool operator!=(const MObject& other) const;

    MString info(MStatus* ReturnStatus = NULL) const;

private:
    friend struct MPlugAccess;
    void* fPtr; // node, attribute and the logical index of every array on the path
};
