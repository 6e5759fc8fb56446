#include "attribute.h"

#include <algorithm>

namespace mcore {

Attribute::Attribute(AttrKind kind_, std::string longName_, std::string shortName_)
    : kind(kind_), longName(std::move(longName_)), shortName(std::move(shortName_)) {}

namespace {

MFn::Type numericCompoundFn(MFnNumericData::Type type) {
    switch (type) {
    case MFnNumericData::k2Float:
        return MFn::kAttribute2Float;
    case MFnNumericData::k3Float:
        return MFn::kAttribute3Float;
    case MFnNumericData::k2Double:
        return MFn::kAttribute2Double;
    case MFnNumericData::k3Double:
        return MFn::kAttribute3Double;
    case MFnNumericData::k4Double:
        return MFn::kAttribute4Double;
    case MFnNumericData::k2Short:
        return MFn::kAttribute2Short;
    case MFnNumericData::k3Short:
        return MFn::kAttribute3Short;
    case MFnNumericData::k2Int:
        return MFn::kAttribute2Int;
    default:
        return MFn::kAttribute3Int;
    }
}

} // namespace

std::vector<MFn::Type> Attribute::fnTypes() const {
    switch (kind) {
    case AttrKind::Numeric:
        return {MFn::kNumericAttribute, MFn::kAttribute};
    case AttrKind::Enum:
        return {MFn::kEnumAttribute, MFn::kAttribute};
    case AttrKind::Typed:
        return {MFn::kTypedAttribute, MFn::kAttribute};
    case AttrKind::Compound:
        if (isNumericCompound())
            return {numericCompoundFn(numericType), MFn::kNumericAttribute, MFn::kCompoundAttribute,
                    MFn::kAttribute};
        return {MFn::kCompoundAttribute, MFn::kAttribute};
    case AttrKind::Unit:
        if (unitType == MFnUnitAttribute::kTime)
            return {MFn::kTimeAttribute, MFn::kUnitAttribute, MFn::kAttribute};
        if (unitType == MFnUnitAttribute::kAngle)
            return {MFn::kDoubleAngleAttribute, MFn::kUnitAttribute, MFn::kAttribute};
        return {MFn::kDoubleLinearAttribute, MFn::kUnitAttribute, MFn::kAttribute};
    case AttrKind::Matrix:
        return {matrixType == MFnMatrixAttribute::kFloat ? MFn::kFloatMatrixAttribute
                                                         : MFn::kMatrixAttribute,
                MFn::kAttribute};
    }
    return {MFn::kAttribute};
}

Attribute* Attribute::child(unsigned int index) const {
    return index < children.size() ? attributeOf(children[index]) : nullptr;
}

std::vector<const Attribute*> Attribute::chain() const {
    std::vector<const Attribute*> result;
    for (const Attribute* a = this; a; a = a->parent)
        result.push_back(a);
    std::reverse(result.begin(), result.end());
    return result;
}

bool Attribute::isAncestorOf(const Attribute* other) const {
    for (const Attribute* a = other ? other->parent : nullptr; a; a = a->parent)
        if (a == this)
            return true;
    return false;
}

double Attribute::clamp(double value) const {
    if (limits.hasMin && value < limits.min)
        value = limits.min;
    if (limits.hasMax && value > limits.max)
        value = limits.max;
    return value;
}

Attribute* Attribute::findDescendant(const std::string& name) const {
    for (const MObject& c : children) {
        Attribute* a = attributeOf(c);
        if (a->matchesName(name))
            return a;
        if (Attribute* found = a->findDescendant(name))
            return found;
    }
    return nullptr;
}

void Attribute::forEachDescendant(const std::function<void(Attribute*)>& visit) const {
    for (const MObject& c : children) {
        Attribute* a = attributeOf(c);
        visit(a);
        a->forEachDescendant(visit);
    }
}

MFnNumericData::Type numericCompoundType(const std::vector<MObject>& children) {
    if (children.size() < 2 || children.size() > 4)
        return MFnNumericData::kInvalid;
    const Attribute* first = attributeOf(children[0]);
    if (!first || first->kind != AttrKind::Numeric)
        return MFnNumericData::kInvalid;
    MFnNumericData::Type leaf = first->numericType;
    for (const MObject& c : children) {
        const Attribute* a = attributeOf(c);
        if (!a || a->kind != AttrKind::Numeric)
            return MFnNumericData::kInvalid;
        // Mixed children make a compound of the widest kind.
        if (a->numericType == MFnNumericData::kDouble)
            leaf = MFnNumericData::kDouble;
        else if (a->numericType == MFnNumericData::kFloat && leaf != MFnNumericData::kDouble)
            leaf = MFnNumericData::kFloat;
    }
    const std::size_t n = children.size();
    switch (leaf) {
    case MFnNumericData::kDouble:
        return n == 2 ? MFnNumericData::k2Double
                      : (n == 3 ? MFnNumericData::k3Double : MFnNumericData::k4Double);
    case MFnNumericData::kFloat:
        return n == 2 ? MFnNumericData::k2Float
                      : (n == 3 ? MFnNumericData::k3Float : MFnNumericData::k4Double);
    case MFnNumericData::kShort:
        return n == 2 ? MFnNumericData::k2Short
                      : (n == 3 ? MFnNumericData::k3Short : MFnNumericData::k4Double);
    default:
        return n == 2 ? MFnNumericData::k2Int
                      : (n == 3 ? MFnNumericData::k3Int : MFnNumericData::k4Double);
    }
}

} // namespace mcore
