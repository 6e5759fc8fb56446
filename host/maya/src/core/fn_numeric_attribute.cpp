// MFnNumericAttribute: single numbers and numeric compounds (2-4 children, colours, points).
#include "attribute.h"
#include "status_util.h"

#include <maya/MFnNumericAttribute.h>

#include <cstdint>
#include <initializer_list>

using namespace mcore;

namespace {

MObject makeNumeric(const MString& fullName, const MString& briefName, MFnNumericData::Type type,
                    double defaultValue) {
    auto* attr = new Attribute(AttrKind::Numeric, fullName.asChar(), briefName.asChar());
    attr->numericType = type;
    attr->defaultValue = defaultValue;
    return MObjectAccess::make(attr);
}

MObject makeNumericCompound(const MString& fullName, const MString& briefName,
                            std::initializer_list<const MObject*> children, MStatus* status) {
    std::vector<MObject> kids;
    for (const MObject* child : children)
        if (child && !child->isNull())
            kids.push_back(*child);
    const MFnNumericData::Type type = numericCompoundType(kids);
    bool free = type != MFnNumericData::kInvalid;
    for (const MObject& kid : kids)
        free = free && attributeOf(kid)->parent == nullptr;
    if (!free) {
        setReturn(status, MS::kInvalidParameter);
        return MObject();
    }
    auto* attr = new Attribute(AttrKind::Compound, fullName.asChar(), briefName.asChar());
    attr->numericType = type;
    attr->children = kids;
    for (std::size_t k = 0; k < kids.size(); ++k) {
        Attribute* child = attributeOf(kids[k]);
        child->parent = attr;
        child->childIndex = static_cast<unsigned int>(k);
    }
    setReturn(status, MS::kSuccess);
    return MObjectAccess::make(attr);
}

MObject makeTriple(const MString& fullName, const MString& briefName, const char* suffixes,
                   MStatus* status) {
    MObject children[3];
    for (int k = 0; k < 3; ++k) {
        const char upper[2] = {suffixes[k], 0};
        const char lower[2] = {static_cast<char>(suffixes[k] - 'A' + 'a'), 0};
        children[k] = makeNumeric(fullName + upper, briefName + lower, MFnNumericData::kFloat, 0.0);
    }
    return makeNumericCompound(fullName, briefName, {&children[0], &children[1], &children[2]},
                               status);
}

// The leaves a default or limit applies to: the attribute itself, or a compound's children.
std::vector<Attribute*> leaves(const MObject& object) {
    Attribute* attr = attributeOf(object);
    if (!attr)
        return {};
    if (!attr->isCompound())
        return {attr};
    std::vector<Attribute*> result;
    for (const MObject& child : attr->children)
        result.push_back(attributeOf(child));
    return result;
}

MStatus setDefaults(const MObject& object, std::initializer_list<double> values) {
    std::vector<Attribute*> targets = leaves(object);
    if (targets.size() != values.size())
        return MS::kInvalidParameter;
    std::size_t k = 0;
    for (double value : values)
        targets[k++]->defaultValue = value;
    return MS::kSuccess;
}

template <class... T> MStatus getDefaults(const MObject& object, T&... out) {
    std::vector<Attribute*> targets = leaves(object);
    if (targets.size() != sizeof...(T))
        return MS::kInvalidParameter;
    std::size_t k = 0;
    ((out = static_cast<T>(targets[k++]->defaultValue)), ...);
    return MS::kSuccess;
}

MStatus setLimits(const MObject& object, std::initializer_list<double> values, bool Limits::*has,
                  double Limits::*limit) {
    std::vector<Attribute*> targets = leaves(object);
    if (targets.size() != values.size())
        return MS::kInvalidParameter;
    std::size_t k = 0;
    for (double value : values) {
        targets[k]->limits.*has = true;
        targets[k++]->limits.*limit = value;
    }
    return MS::kSuccess;
}

template <class... T>
MStatus getLimits(const MObject& object, bool Limits::*has, double Limits::*limit, T&... out) {
    std::vector<Attribute*> targets = leaves(object);
    if (targets.size() != sizeof...(T))
        return MS::kInvalidParameter;
    for (const Attribute* target : targets)
        if (!(target->limits.*has))
            return MS::kFailure;
    std::size_t k = 0;
    ((out = targets[k++]->limits.*limit), ...);
    return MS::kSuccess;
}

bool hasLimit(const MObject& object, bool Limits::*has, MStatus* status) {
    std::vector<Attribute*> targets = leaves(object);
    setReturn(status, !targets.empty());
    for (const Attribute* target : targets)
        if (target->limits.*has)
            return true;
    return false;
}

} // namespace

MFnNumericAttribute::MFnNumericAttribute() = default;
MFnNumericAttribute::MFnNumericAttribute(MObject& object, MStatus* ReturnStatus) {
    setReturn(ReturnStatus, attach(object));
}
MFnNumericAttribute::MFnNumericAttribute(const MObject& object, MStatus* ReturnStatus) {
    setReturn(ReturnStatus, attach(object));
}
MFnNumericAttribute::~MFnNumericAttribute() = default;
MFn::Type MFnNumericAttribute::type() const {
    return MFn::kNumericAttribute;
}

MObject MFnNumericAttribute::create(const MString& fullName, const MString& briefName,
                                    MFnNumericData::Type unitType, double defaultValue,
                                    MStatus* ReturnStatus) {
    const bool single = unitType == MFnNumericData::kBoolean || unitType == MFnNumericData::kByte ||
                        unitType == MFnNumericData::kChar || unitType == MFnNumericData::kShort ||
                        unitType == MFnNumericData::kInt || unitType == MFnNumericData::kInt64 ||
                        unitType == MFnNumericData::kFloat || unitType == MFnNumericData::kDouble ||
                        unitType == MFnNumericData::kAddr;
    if (single) {
        fObject = makeNumeric(fullName, briefName, unitType, defaultValue);
        setReturn(ReturnStatus, MS::kSuccess);
        return fObject;
    }
    // Multi-component types get children named after the parent, as Maya makes them.
    static const char* const suffixes[] = {"0", "1", "2", "3"};
    unsigned int count = 0;
    MFnNumericData::Type leaf = MFnNumericData::kFloat;
    switch (unitType) {
    case MFnNumericData::k2Short:
        count = 2;
        leaf = MFnNumericData::kShort;
        break;
    case MFnNumericData::k3Short:
        count = 3;
        leaf = MFnNumericData::kShort;
        break;
    case MFnNumericData::k2Int:
        count = 2;
        leaf = MFnNumericData::kInt;
        break;
    case MFnNumericData::k3Int:
        count = 3;
        leaf = MFnNumericData::kInt;
        break;
    case MFnNumericData::k2Float:
        count = 2;
        break;
    case MFnNumericData::k3Float:
        count = 3;
        break;
    case MFnNumericData::k2Double:
        count = 2;
        leaf = MFnNumericData::kDouble;
        break;
    case MFnNumericData::k3Double:
        count = 3;
        leaf = MFnNumericData::kDouble;
        break;
    case MFnNumericData::k4Double:
        count = 4;
        leaf = MFnNumericData::kDouble;
        break;
    default:
        fObject = MObject();
        setReturn(ReturnStatus, MS::kInvalidParameter);
        return fObject;
    }
    MObject kids[4];
    for (unsigned int k = 0; k < count; ++k)
        kids[k] = makeNumeric(fullName + suffixes[k], briefName + suffixes[k], leaf, defaultValue);
    fObject = makeNumericCompound(fullName, briefName, {&kids[0], &kids[1], &kids[2], &kids[3]},
                                  ReturnStatus);
    return fObject;
}

MObject MFnNumericAttribute::create(const MString& fullName, const MString& briefName,
                                    const MObject& child1, const MObject& child2,
                                    const MObject& child3, MStatus* ReturnStatus) {
    fObject = makeNumericCompound(fullName, briefName, {&child1, &child2, &child3}, ReturnStatus);
    return fObject;
}

MObject MFnNumericAttribute::create(const MString& fullName, const MString& briefName,
                                    const MObject& child1, const MObject& child2,
                                    const MObject& child3, const MObject& child4,
                                    MStatus* ReturnStatus) {
    fObject = makeNumericCompound(fullName, briefName, {&child1, &child2, &child3, &child4},
                                  ReturnStatus);
    return fObject;
}

MObject MFnNumericAttribute::createColor(const MString& fullName, const MString& briefName,
                                         MStatus* ReturnStatus) {
    fObject = makeTriple(fullName, briefName, "RGB", ReturnStatus);
    if (Attribute* attr = attributeOf(fObject))
        attr->flags.usedAsColor = true;
    return fObject;
}

MObject MFnNumericAttribute::createPoint(const MString& fullName, const MString& briefName,
                                         MStatus* ReturnStatus) {
    fObject = makeTriple(fullName, briefName, "XYZ", ReturnStatus);
    return fObject;
}

MObject MFnNumericAttribute::createAddr(const MString& fullName, const MString& briefName,
                                        void* defaultValue, MStatus* ReturnStatus) {
    return create(fullName, briefName, MFnNumericData::kAddr,
                  static_cast<double>(reinterpret_cast<std::uintptr_t>(defaultValue)),
                  ReturnStatus);
}

MFnNumericData::Type MFnNumericAttribute::unitType(MStatus* ReturnStatus) const {
    const Attribute* attr = attributeOf(fObject);
    setReturn(ReturnStatus, attr != nullptr);
    return attr ? attr->numericType : MFnNumericData::kInvalid;
}

MObject MFnNumericAttribute::child(unsigned int index, MStatus* ReturnStatus) const {
    const Attribute* attr = attributeOf(fObject);
    const bool ok = attr && index < attr->children.size();
    setReturn(ReturnStatus, ok, MS::kInvalidParameter);
    return ok ? attr->children[index] : MObject();
}

MStatus MFnNumericAttribute::getDefault(int& d1) {
    return getDefaults(fObject, d1);
}
MStatus MFnNumericAttribute::getDefault(double& d1) {
    return getDefaults(fObject, d1);
}
MStatus MFnNumericAttribute::getDefault(int& d1, int& d2) {
    return getDefaults(fObject, d1, d2);
}
MStatus MFnNumericAttribute::getDefault(double& d1, double& d2) {
    return getDefaults(fObject, d1, d2);
}
MStatus MFnNumericAttribute::getDefault(int& d1, int& d2, int& d3) {
    return getDefaults(fObject, d1, d2, d3);
}
MStatus MFnNumericAttribute::getDefault(double& d1, double& d2, double& d3) {
    return getDefaults(fObject, d1, d2, d3);
}
MStatus MFnNumericAttribute::getDefault(double& d1, double& d2, double& d3, double& d4) {
    return getDefaults(fObject, d1, d2, d3, d4);
}

MStatus MFnNumericAttribute::setDefault(bool d1) {
    return setDefaults(fObject, {d1 ? 1.0 : 0.0});
}
MStatus MFnNumericAttribute::setDefault(char d1) {
    return setDefaults(fObject, {double(d1)});
}
MStatus MFnNumericAttribute::setDefault(short d1) {
    return setDefaults(fObject, {double(d1)});
}
MStatus MFnNumericAttribute::setDefault(int d1) {
    return setDefaults(fObject, {double(d1)});
}
MStatus MFnNumericAttribute::setDefault(float d1) {
    return setDefaults(fObject, {d1});
}
MStatus MFnNumericAttribute::setDefault(double d1) {
    return setDefaults(fObject, {d1});
}
MStatus MFnNumericAttribute::setDefault(short d1, short d2) {
    return setDefaults(fObject, {double(d1), double(d2)});
}
MStatus MFnNumericAttribute::setDefault(int d1, int d2) {
    return setDefaults(fObject, {double(d1), double(d2)});
}
MStatus MFnNumericAttribute::setDefault(float d1, float d2) {
    return setDefaults(fObject, {d1, d2});
}
MStatus MFnNumericAttribute::setDefault(double d1, double d2) {
    return setDefaults(fObject, {d1, d2});
}
MStatus MFnNumericAttribute::setDefault(short d1, short d2, short d3) {
    return setDefaults(fObject, {double(d1), double(d2), double(d3)});
}
MStatus MFnNumericAttribute::setDefault(int d1, int d2, int d3) {
    return setDefaults(fObject, {double(d1), double(d2), double(d3)});
}
MStatus MFnNumericAttribute::setDefault(float d1, float d2, float d3) {
    return setDefaults(fObject, {d1, d2, d3});
}
MStatus MFnNumericAttribute::setDefault(double d1, double d2, double d3) {
    return setDefaults(fObject, {d1, d2, d3});
}
MStatus MFnNumericAttribute::setDefault(double d1, double d2, double d3, double d4) {
    return setDefaults(fObject, {d1, d2, d3, d4});
}

bool MFnNumericAttribute::hasMin(MStatus* s) const {
    return hasLimit(fObject, &Limits::hasMin, s);
}
bool MFnNumericAttribute::hasMax(MStatus* s) const {
    return hasLimit(fObject, &Limits::hasMax, s);
}
bool MFnNumericAttribute::hasSoftMin(MStatus* s) const {
    return hasLimit(fObject, &Limits::hasSoftMin, s);
}
bool MFnNumericAttribute::hasSoftMax(MStatus* s) const {
    return hasLimit(fObject, &Limits::hasSoftMax, s);
}

MStatus MFnNumericAttribute::getMin(double& m1) const {
    return getLimits(fObject, &Limits::hasMin, &Limits::min, m1);
}
MStatus MFnNumericAttribute::getMin(double& m1, double& m2) const {
    return getLimits(fObject, &Limits::hasMin, &Limits::min, m1, m2);
}
MStatus MFnNumericAttribute::getMin(double& m1, double& m2, double& m3) const {
    return getLimits(fObject, &Limits::hasMin, &Limits::min, m1, m2, m3);
}
MStatus MFnNumericAttribute::getMax(double& m1) const {
    return getLimits(fObject, &Limits::hasMax, &Limits::max, m1);
}
MStatus MFnNumericAttribute::getMax(double& m1, double& m2) const {
    return getLimits(fObject, &Limits::hasMax, &Limits::max, m1, m2);
}
MStatus MFnNumericAttribute::getMax(double& m1, double& m2, double& m3) const {
    return getLimits(fObject, &Limits::hasMax, &Limits::max, m1, m2, m3);
}
MStatus MFnNumericAttribute::getSoftMin(double& m1) const {
    return getLimits(fObject, &Limits::hasSoftMin, &Limits::softMin, m1);
}
MStatus MFnNumericAttribute::getSoftMax(double& m1) const {
    return getLimits(fObject, &Limits::hasSoftMax, &Limits::softMax, m1);
}

MStatus MFnNumericAttribute::setMin(int m1) {
    return setLimits(fObject, {double(m1)}, &Limits::hasMin, &Limits::min);
}
MStatus MFnNumericAttribute::setMin(double m1) {
    return setLimits(fObject, {m1}, &Limits::hasMin, &Limits::min);
}
MStatus MFnNumericAttribute::setMin(int m1, int m2) {
    return setLimits(fObject, {double(m1), double(m2)}, &Limits::hasMin, &Limits::min);
}
MStatus MFnNumericAttribute::setMin(double m1, double m2) {
    return setLimits(fObject, {m1, m2}, &Limits::hasMin, &Limits::min);
}
MStatus MFnNumericAttribute::setMin(int m1, int m2, int m3) {
    return setLimits(fObject, {double(m1), double(m2), double(m3)}, &Limits::hasMin, &Limits::min);
}
MStatus MFnNumericAttribute::setMin(double m1, double m2, double m3) {
    return setLimits(fObject, {m1, m2, m3}, &Limits::hasMin, &Limits::min);
}
MStatus MFnNumericAttribute::setMax(int m1) {
    return setLimits(fObject, {double(m1)}, &Limits::hasMax, &Limits::max);
}
MStatus MFnNumericAttribute::setMax(double m1) {
    return setLimits(fObject, {m1}, &Limits::hasMax, &Limits::max);
}
MStatus MFnNumericAttribute::setMax(int m1, int m2) {
    return setLimits(fObject, {double(m1), double(m2)}, &Limits::hasMax, &Limits::max);
}
MStatus MFnNumericAttribute::setMax(double m1, double m2) {
    return setLimits(fObject, {m1, m2}, &Limits::hasMax, &Limits::max);
}
MStatus MFnNumericAttribute::setMax(int m1, int m2, int m3) {
    return setLimits(fObject, {double(m1), double(m2), double(m3)}, &Limits::hasMax, &Limits::max);
}
MStatus MFnNumericAttribute::setMax(double m1, double m2, double m3) {
    return setLimits(fObject, {m1, m2, m3}, &Limits::hasMax, &Limits::max);
}
MStatus MFnNumericAttribute::setSoftMin(double m1) {
    return setLimits(fObject, {m1}, &Limits::hasSoftMin, &Limits::softMin);
}
MStatus MFnNumericAttribute::setSoftMax(double m1) {
    return setLimits(fObject, {m1}, &Limits::hasSoftMax, &Limits::softMax);
}
