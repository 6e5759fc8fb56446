#pragma once
// Values stored in a node's data block, shaped like the attribute tree: a leaf per simple
// attribute, children for compounds, and sparse elements (by logical index) for arrays.
#include "attribute.h"

#include <maya/MFloatMatrix.h>
#include <maya/MFloatVector.h>
#include <maya/MMatrix.h>
#include <maya/MObject.h>
#include <maya/MString.h>
#include <maya/MTime.h>
#include <maya/MTypes.h>
#include <maya/MVector.h>

#include <map>
#include <memory>
#include <vector>

namespace mcore {

struct Value {
    Value(const Attribute* attribute, bool isArrayLevel)
        : attr(attribute), arrayLevel(isArrayLevel) {}

    const Attribute* attr;
    // True for the value of a whole array attribute (it holds `elements`).
    bool arrayLevel;

    // Leaf storage: the attribute's native member holds the value; the others serve as
    // scratch space for converting reads (MDataHandle returns references).
    bool b = false;
    char c = 0;
    unsigned char uc = 0;
    short s = 0;
    int i = 0;
    MInt64 i64 = 0;
    float f = 0.0f;
    double d = 0.0;
    short s3[3] = {0, 0, 0};
    int i3[3] = {0, 0, 0};
    float f3[3] = {0.0f, 0.0f, 0.0f};
    double d4[4] = {0.0, 0.0, 0.0, 0.0};
    void* addr = nullptr;
    MVector vec;
    MFloatVector fvec;
    MMatrix m;
    MFloatMatrix fm;
    MTime time;
    MObject data;
    MString str;

    std::vector<std::unique_ptr<Value>> children;
    std::map<unsigned int, std::unique_ptr<Value>> elements;

    bool isLeaf() const { return !arrayLevel && !attr->isCompound(); }
    Value* child(const Attribute* childAttr) const;
    // The element with this logical index, created with defaults when asked to.
    Value* element(unsigned int logicalIndex, bool create);
};

enum class LeafKind {
    Bool,
    Char,
    Short,
    Int,
    Int64,
    Float,
    Double,
    Addr,
    Time,
    Matrix,
    FloatMatrix,
    Data
};
LeafKind leafKind(const Attribute& attr);

// A value holding the attribute's defaults (an empty array for the array level).
std::unique_ptr<Value> makeValue(const Attribute& attr, bool arrayLevel);
std::unique_ptr<Value> cloneValue(const Value& value);

// Numeric view of a leaf (time in the UI unit; 0 for matrices and data).
double numericValue(const Value& value);
// Stores a number into a numeric, enum or time leaf (rounding for integers); false otherwise.
bool setNumeric(Value& value, double number);

// Copies src into dst, converting between leaf kinds; compounds child by child (by position),
// arrays element by element (replacing dst's elements).
bool assignValue(Value& dst, const Value& src);
bool isDefault(const Value& value);

} // namespace mcore
