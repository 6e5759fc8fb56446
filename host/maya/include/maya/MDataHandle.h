#pragma once
// Handle to one value in a node's data block (or to a value handed to an internal attribute).
// The asX() accessors return references into the value.
#include <maya/MFloatMatrix.h>
#include <maya/MFloatVector.h>
#include <maya/MFnData.h>
#include <maya/MFnNumericData.h>
#include <maya/MMatrix.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTime.h>
#include <maya/MTypeId.h>
#include <maya/MTypes.h>
#include <maya/MVector.h>

class MPlug;

class MDataHandle {
public:
    MDataHandle();
    MDataHandle(const MDataHandle& other);
    MDataHandle& operator=(const MDataHandle& other);
    ~MDataHandle();

    bool isNumeric() const;
    bool isGeneric(bool& isNumeric, bool& isNull) const;
    MFnNumericData::Type numericType() const;
    MFnData::Type type() const;
    MTypeId typeId() const;
    MObject attribute();
    MObject data();
    MStatus copy(const MDataHandle& src);
    MStatus copyWritable(const MDataHandle& src);
    void setClean();

    bool& asBool() const;
    char& asChar() const;
    unsigned char& asUChar() const;
    short& asShort() const;
    int& asInt() const;
    OPENMAYA_DEPRECATED(2019, "Use asInt() instead.")
    int& asLong() const;
    MInt64& asInt64() const;
    float& asFloat() const;
    double& asDouble() const;
    void*& asAddr() const;
    short2& asShort2() const;
    int2& asInt2() const;
    OPENMAYA_DEPRECATED(2019, "Use asInt2() instead.")
    int2& asLong2() const;
    float2& asFloat2() const;
    double2& asDouble2() const;
    short3& asShort3() const;
    int3& asInt3() const;
    OPENMAYA_DEPRECATED(2019, "Use asInt3() instead.")
    int3& asLong3() const;
    float3& asFloat3() const;
    double3& asDouble3() const;
    double4& asDouble4() const;
    MVector& asVector() const;
    MFloatVector& asFloatVector() const;
    MMatrix& asMatrix() const;
    MFloatMatrix& asFloatMatrix() const;
    MString& asString() const;
    MTime asTime() const;
    MObject asMesh() const;
    MObject asNurbsCurve() const;
    MObject asMeshTransformed() const;
    MObject asNurbsCurveTransformed() const;

    // Child of a compound value, by attribute or by the plug of that child.
    MDataHandle child(const MPlug& plug);
    MDataHandle child(const MObject& attribute);

    void set(bool val);
    void set(char val);
    void set(short val);
    void set(int val);
    void set(MInt64 val);
    void set(float val);
    void set(double val);
    void set(const MMatrix& val);
    void set(const MFloatMatrix& val);
    void set(const MVector& val);
    void set(const MFloatVector& val);
    void set(const MTime& val);
    void set(const MString& val);
    void set(short v1, short v2);
    void set(int v1, int v2);
    void set(float v1, float v2);
    void set(double v1, double v2);
    void set(short v1, short v2, short v3);
    void set(int v1, int v2, int v3);
    void set(float v1, float v2, float v3);
    void set(double v1, double v2, double v3);
    void set(double v1, double v2, double v3, double v4);
    MStatus set(const MObject& data);

    void setBool(bool val);
    void setChar(char val);
    void setShort(short val);
    void setInt(int val);
    void setInt64(MInt64 val);
    void setFloat(float val);
    void setDouble(double val);
    void setMMatrix(const MMatrix& val);
    void setMFloatMatrix(const MFloatMatrix& val);
    void setMVector(const MVector& val);
    void setMFloatVector(const MFloatVector& val);
    void setMTime(const MTime& val);
    void setString(const MString& val);
    void set2Float(float v1, float v2);
    void set3Float(float v1, float v2, float v3);
    void set2Double(double v1, double v2);
    void set3Double(double v1, double v2, double v3);
    void set2Int(int v1, int v2);
    void set3Int(int v1, int v2, int v3);
    MStatus setMObject(const MObject& data);

private:
    friend struct MDataHandleAccess;
    void* fValue; // the value this handle reads and writes (null: invalid handle)
    void* fNode;  // the node whose data block holds it, for child look-ups and clean flags
    void* fAttr;  // its attribute
};
