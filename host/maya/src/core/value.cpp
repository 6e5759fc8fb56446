#include "value.h"

#include "data_objects.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace mcore {

Value* Value::child(const Attribute* childAttr) const {
    for (const auto& c : children)
        if (c->attr == childAttr)
            return c.get();
    return nullptr;
}

Value* Value::element(unsigned int logicalIndex, bool create) {
    auto it = elements.find(logicalIndex);
    if (it != elements.end())
        return it->second.get();
    if (!create)
        return nullptr;
    auto inserted = elements.emplace(logicalIndex, makeValue(*attr, false));
    return inserted.first->second.get();
}

LeafKind leafKind(const Attribute& attr) {
    switch (attr.kind) {
    case AttrKind::Enum:
        return LeafKind::Short;
    case AttrKind::Typed:
        return LeafKind::Data;
    case AttrKind::Unit:
        return attr.unitType == MFnUnitAttribute::kTime ? LeafKind::Time : LeafKind::Double;
    case AttrKind::Matrix:
        return attr.matrixType == MFnMatrixAttribute::kFloat ? LeafKind::FloatMatrix
                                                             : LeafKind::Matrix;
    case AttrKind::Compound:
        return LeafKind::Data;
    case AttrKind::Numeric:
        break;
    }
    switch (attr.numericType) {
    case MFnNumericData::kBoolean:
        return LeafKind::Bool;
    case MFnNumericData::kByte:
    case MFnNumericData::kChar:
        return LeafKind::Char;
    case MFnNumericData::kShort:
        return LeafKind::Short;
    case MFnNumericData::kInt:
        return LeafKind::Int;
    case MFnNumericData::kInt64:
        return LeafKind::Int64;
    case MFnNumericData::kFloat:
        return LeafKind::Float;
    case MFnNumericData::kAddr:
        return LeafKind::Addr;
    default:
        return LeafKind::Double;
    }
}

std::unique_ptr<Value> makeValue(const Attribute& attr, bool arrayLevel) {
    auto value = std::make_unique<Value>(&attr, arrayLevel);
    if (arrayLevel)
        return value;
    if (attr.isCompound()) {
        for (const MObject& c : attr.children) {
            const Attribute* childAttr = attributeOf(c);
            value->children.push_back(makeValue(*childAttr, childAttr->isArray()));
        }
        return value;
    }
    switch (leafKind(attr)) {
    case LeafKind::Time:
        value->time = attr.defaultTime;
        break;
    case LeafKind::Matrix:
        value->m = attr.defaultMatrix;
        break;
    case LeafKind::FloatMatrix:
        value->fm = MFloatMatrix(attr.defaultMatrix.matrix);
        break;
    case LeafKind::Data:
        // Each value owns its data, so writing through one never changes the default.
        value->data = cloneData(attr.defaultData);
        break;
    default:
        setNumeric(*value, attr.defaultValue);
        break;
    }
    return value;
}

std::unique_ptr<Value> cloneValue(const Value& value) {
    std::unique_ptr<Value> copy = makeValue(*value.attr, value.arrayLevel);
    assignValue(*copy, value);
    return copy;
}

double numericValue(const Value& v) {
    switch (leafKind(*v.attr)) {
    case LeafKind::Bool:
        return v.b ? 1.0 : 0.0;
    case LeafKind::Char:
        return v.c;
    case LeafKind::Short:
        return v.s;
    case LeafKind::Int:
        return v.i;
    case LeafKind::Int64:
        return static_cast<double>(v.i64);
    case LeafKind::Float:
        return v.f;
    case LeafKind::Double:
        return v.d;
    case LeafKind::Addr:
        return static_cast<double>(reinterpret_cast<std::uintptr_t>(v.addr));
    case LeafKind::Time:
        return v.time.as(MTime::uiUnit());
    default:
        return 0.0;
    }
}

namespace {

// The whole number nearest to `number` that the signed type T holds; 0 for NaN and infinities.
template <typename T> T nearestWhole(double number) {
    if (!std::isfinite(number))
        return 0;
    const double rounded = std::round(number);
    const double limit = -static_cast<double>(std::numeric_limits<T>::min()); // 2^(bits - 1)
    if (rounded >= limit)
        return std::numeric_limits<T>::max();
    if (rounded < -limit)
        return std::numeric_limits<T>::min();
    return static_cast<T>(rounded);
}

} // namespace

bool setNumeric(Value& v, double number) {
    if (!v.isLeaf())
        return false;
    switch (leafKind(*v.attr)) {
    case LeafKind::Bool:
        v.b = number != 0.0;
        return true;
    case LeafKind::Char:
        v.c = nearestWhole<char>(number);
        return true;
    case LeafKind::Short:
        v.s = nearestWhole<short>(number);
        return true;
    case LeafKind::Int:
        v.i = nearestWhole<int>(number);
        return true;
    case LeafKind::Int64:
        v.i64 = nearestWhole<MInt64>(number);
        return true;
    case LeafKind::Float:
        v.f = static_cast<float>(number);
        return true;
    case LeafKind::Double:
        v.d = number;
        return true;
    case LeafKind::Addr:
        // Addresses round-trip exactly: user-space pointers fit a double's 53-bit mantissa.
        // Anything a pointer cannot hold (negative, NaN, past the address range) is null.
        v.addr = number > 0.0 && number < 0x1p63
                     ? reinterpret_cast<void*>(static_cast<std::uintptr_t>(std::round(number)))
                     : nullptr;
        return true;
    case LeafKind::Time:
        v.time = MTime(number, MTime::uiUnit());
        return true;
    default:
        return false;
    }
}

namespace {

bool isNumericKind(LeafKind kind) {
    return kind != LeafKind::Matrix && kind != LeafKind::FloatMatrix && kind != LeafKind::Data;
}

bool assignLeaf(Value& dst, const Value& src) {
    const LeafKind to = leafKind(*dst.attr);
    const LeafKind from = leafKind(*src.attr);
    if (to == LeafKind::Time && from == LeafKind::Time) {
        dst.time = src.time;
        return true;
    }
    if (isNumericKind(to) && isNumericKind(from))
        return setNumeric(dst, numericValue(src));
    if (to == LeafKind::Data && from == LeafKind::Data) {
        dst.data = src.data;
        return true;
    }
    const bool toMatrix = to == LeafKind::Matrix || to == LeafKind::FloatMatrix;
    const bool fromMatrix = from == LeafKind::Matrix || from == LeafKind::FloatMatrix;
    if (toMatrix && fromMatrix) {
        dst.m = from == LeafKind::Matrix ? src.m : MMatrix(src.fm.matrix);
        dst.fm = MFloatMatrix(dst.m.matrix);
        return true;
    }
    if (toMatrix && from == LeafKind::Data) {
        const MatrixData* matrix = dataObject<MatrixData>(src.data);
        if (!matrix)
            return false;
        dst.m = matrix->matrix;
        dst.fm = MFloatMatrix(dst.m.matrix);
        return true;
    }
    if (to == LeafKind::Data && fromMatrix) {
        auto matrix = std::make_shared<MatrixData>();
        matrix->matrix = from == LeafKind::Matrix ? src.m : MMatrix(src.fm.matrix);
        dst.data = makeDataObject(matrix);
        return true;
    }
    return false;
}

} // namespace

bool assignValue(Value& dst, const Value& src) {
    if (dst.arrayLevel != src.arrayLevel)
        return false;
    if (dst.arrayLevel) {
        dst.elements.clear();
        bool ok = true;
        for (const auto& [index, element] : src.elements) {
            Value* target = dst.element(index, true);
            ok = assignValue(*target, *element) && ok;
        }
        return ok;
    }
    if (dst.attr->isCompound() || src.attr->isCompound()) {
        if (!dst.attr->isCompound() || !src.attr->isCompound() ||
            dst.children.size() != src.children.size())
            return false;
        bool ok = true;
        for (std::size_t k = 0; k < dst.children.size(); ++k)
            ok = assignValue(*dst.children[k], *src.children[k]) && ok;
        return ok;
    }
    return assignLeaf(dst, src);
}

bool isDefault(const Value& v) {
    if (v.arrayLevel)
        return v.elements.empty();
    if (v.attr->isCompound()) {
        for (const auto& c : v.children)
            if (!isDefault(*c))
                return false;
        return true;
    }
    const Attribute& a = *v.attr;
    switch (leafKind(a)) {
    case LeafKind::Time:
        return v.time == a.defaultTime;
    case LeafKind::Matrix:
        return v.m == a.defaultMatrix;
    case LeafKind::FloatMatrix:
        return v.fm == MFloatMatrix(a.defaultMatrix.matrix);
    case LeafKind::Data: {
        if (v.data.isNull())
            return true;
        if (const StringData* text = dataObject<StringData>(v.data)) {
            const StringData* def = dataObject<StringData>(a.defaultData);
            return text->value == (def ? def->value : MString());
        }
        return false;
    }
    case LeafKind::Float:
        return v.f == static_cast<float>(a.defaultValue);
    default: {
        Value expected(&a, false);
        setNumeric(expected, a.defaultValue);
        return numericValue(expected) == numericValue(v);
    }
    }
}

} // namespace mcore
