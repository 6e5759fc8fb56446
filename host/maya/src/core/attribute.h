#pragma once
// Attribute definitions: names, kind, defaults, limits, flags and the compound tree.
#include "object.h"

#include <maya/MFnAttribute.h>
#include <maya/MFnData.h>
#include <maya/MFnMatrixAttribute.h>
#include <maya/MFnNumericData.h>
#include <maya/MFnUnitAttribute.h>
#include <maya/MMatrix.h>
#include <maya/MObject.h>
#include <maya/MTime.h>
#include <maya/MTypeId.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace mcore {

enum class AttrKind { Numeric, Enum, Typed, Compound, Unit, Matrix };

struct Limits {
    bool hasMin = false, hasMax = false, hasSoftMin = false, hasSoftMax = false;
    double min = 0.0, max = 0.0, softMin = 0.0, softMax = 0.0;
};

struct AttrFlags {
    bool readable = true;
    bool writable = true;
    bool connectable = true;
    bool storable = true;
    bool cached = true;
    bool array = false;
    bool indexMatters = true;
    bool keyable = false;
    bool channelBox = false;
    bool hidden = false;
    bool usedAsColor = false;
    bool renderSource = false;
    bool internal = false;
    bool usesArrayDataBuilder = false;
    bool affectsWorldSpace = false;
    MFnAttribute::DisconnectBehavior disconnectBehavior = MFnAttribute::kNothing;
};

class Attribute : public Object {
public:
    Attribute(AttrKind kind, std::string longName, std::string shortName);
    std::vector<MFn::Type> fnTypes() const override;

    AttrKind kind;
    std::string longName;
    std::string shortName;
    AttrFlags flags;
    // Added to a single node (MFnDependencyNode::addAttribute) rather than to a type.
    bool dynamic = false;

    // Numeric leaves: the value type. Numeric compounds (k2Float, k3Double, ...) are
    // Compound attributes whose numericType names their shape.
    MFnNumericData::Type numericType = MFnNumericData::kInvalid;
    MFnUnitAttribute::Type unitType = MFnUnitAttribute::kInvalid;
    MFnMatrixAttribute::Type matrixType = MFnMatrixAttribute::kDouble;
    MFnData::Type dataType = MFnData::kInvalid;
    MTypeId dataTypeId;

    double defaultValue = 0.0; // numeric, enum (stored value), unit (time in the UI unit)
    MTime defaultTime;
    MMatrix defaultMatrix;
    MObject defaultData;
    Limits limits;
    std::vector<std::pair<std::string, short>> enumFields;

    std::vector<MObject> children;
    Attribute* parent = nullptr;
    // Position in the parent's children.
    unsigned int childIndex = 0;

    bool isCompound() const { return kind == AttrKind::Compound; }
    bool isNumericCompound() const {
        return isCompound() && numericType != MFnNumericData::kInvalid;
    }
    bool isArray() const { return flags.array; }
    Attribute* child(unsigned int index) const;
    // Root first, this attribute last.
    std::vector<const Attribute*> chain() const;
    bool isAncestorOf(const Attribute* other) const;
    bool isRelatedTo(const Attribute* other) const {
        return this == other || isAncestorOf(other) || other->isAncestorOf(this);
    }
    // Clamps to the hard limits.
    double clamp(double value) const;
    bool matchesName(const std::string& name) const {
        return name == longName || name == shortName;
    }
    // The child (at any depth) with this long or short name.
    Attribute* findDescendant(const std::string& name) const;
    void forEachDescendant(const std::function<void(Attribute*)>& visit) const;
};

inline Attribute* attributeOf(const MObject& object) {
    return objectAs<Attribute>(object);
}

// Numeric type of a compound made of these children (k2Float, k3Double, ...), or kInvalid.
MFnNumericData::Type numericCompoundType(const std::vector<MObject>& children);

} // namespace mcore
