// MDataHandle: typed access to one stored value. Reads of another numeric type convert into
// the value's scratch members, so the returned references stay valid while the value lives.
#include "data_block_access.h"
#include "data_objects.h"
#include "value_objects.h"

#include <maya/MDataHandle.h>
#include <maya/MPlug.h>

using namespace mcore;

namespace {

// What an invalid handle reads and writes: a private scratch value per thread.
Value& scratchValue() {
    static const Attribute* attr = [] {
        auto* a = new Attribute(AttrKind::Numeric, "", "");
        a->numericType = MFnNumericData::kDouble;
        return a;
    }();
    thread_local Value value(attr, false);
    return value;
}

Value& valueOf(const MDataHandle& handle) {
    Value* value = MDataHandleAccess::value(handle);
    return value ? *value : scratchValue();
}

template <class T> T& numericRef(const MDataHandle& handle, LeafKind native, T Value::*member) {
    Value& value = valueOf(handle);
    if (!value.isLeaf() || leafKind(*value.attr) != native)
        value.*member = static_cast<T>(numericValue(value));
    return value.*member;
}

// Children of a numeric compound copied into a scratch array.
template <class T, std::size_t N> T* childrenInto(Value& value, T (&target)[N]) {
    for (std::size_t k = 0; k < N; ++k)
        target[k] =
            k < value.children.size() ? static_cast<T>(numericValue(*value.children[k])) : T();
    return target;
}

void setChildren(Value& value, std::initializer_list<double> numbers) {
    std::size_t k = 0;
    for (double number : numbers) {
        if (k >= value.children.size())
            break;
        setNumeric(*value.children[k++], number);
    }
}

void setLeaf(Value& value, double number) {
    if (value.isLeaf())
        setNumeric(value, number);
}

} // namespace

MDataHandle::MDataHandle() : fValue(nullptr), fNode(nullptr), fAttr(nullptr) {}
MDataHandle::MDataHandle(const MDataHandle& other) = default;
MDataHandle& MDataHandle::operator=(const MDataHandle& other) = default;
MDataHandle::~MDataHandle() = default;

bool MDataHandle::isNumeric() const {
    const Value* value = MDataHandleAccess::value(*this);
    return value && !value->arrayLevel &&
           (value->attr->kind == AttrKind::Numeric || value->attr->isNumericCompound());
}

bool MDataHandle::isGeneric(bool& numeric, bool& null) const {
    numeric = isNumeric();
    const Value* value = MDataHandleAccess::value(*this);
    null = !value || (leafKind(*value->attr) == LeafKind::Data && value->data.isNull());
    return false;
}

MFnNumericData::Type MDataHandle::numericType() const {
    const Value* value = MDataHandleAccess::value(*this);
    return value ? value->attr->numericType : MFnNumericData::kInvalid;
}

MFnData::Type MDataHandle::type() const {
    const Value* value = MDataHandleAccess::value(*this);
    if (!value)
        return MFnData::kInvalid;
    if (value->attr->kind == AttrKind::Numeric || value->attr->isNumericCompound())
        return MFnData::kNumeric;
    if (value->attr->kind == AttrKind::Matrix)
        return MFnData::kMatrix;
    if (value->attr->kind == AttrKind::Typed) {
        if (const DataObject* data = dataObjectOf(value->data))
            return data->dataType();
        return value->attr->dataType;
    }
    return MFnData::kInvalid;
}

MTypeId MDataHandle::typeId() const {
    const Value* value = MDataHandleAccess::value(*this);
    return value ? value->attr->dataTypeId : MTypeId();
}

MObject MDataHandle::attribute() {
    const Value* value = MDataHandleAccess::value(*this);
    return value ? MObjectAccess::make(const_cast<Attribute*>(value->attr)) : MObject();
}

MObject MDataHandle::data() {
    const Value* value = MDataHandleAccess::value(*this);
    return value ? objectFromValue(*value) : MObject();
}

MStatus MDataHandle::copy(const MDataHandle& src) {
    Value* to = MDataHandleAccess::value(*this);
    const Value* from = MDataHandleAccess::value(src);
    if (!to || !from)
        return MS::kInvalidParameter;
    return assignValue(*to, *from) ? MS::kSuccess : MS::kInvalidParameter;
}

MStatus MDataHandle::copyWritable(const MDataHandle& src) {
    return copy(src);
}

// The plug of the value this handle holds (one element, when it came from an array).
void MDataHandle::setClean() {
    Node* node = MDataHandleAccess::node(*this);
    PlugMark mark;
    if (node && node->markOf(MDataHandleAccess::value(*this), mark))
        node->dirty.clean(mark);
}

bool& MDataHandle::asBool() const {
    return numericRef(*this, LeafKind::Bool, &Value::b);
}
char& MDataHandle::asChar() const {
    return numericRef(*this, LeafKind::Char, &Value::c);
}
unsigned char& MDataHandle::asUChar() const {
    Value& value = valueOf(*this);
    value.uc = static_cast<unsigned char>(numericValue(value));
    return value.uc;
}
short& MDataHandle::asShort() const {
    return numericRef(*this, LeafKind::Short, &Value::s);
}
int& MDataHandle::asInt() const {
    return numericRef(*this, LeafKind::Int, &Value::i);
}
int& MDataHandle::asLong() const {
    return asInt();
}
MInt64& MDataHandle::asInt64() const {
    return numericRef(*this, LeafKind::Int64, &Value::i64);
}
float& MDataHandle::asFloat() const {
    return numericRef(*this, LeafKind::Float, &Value::f);
}
double& MDataHandle::asDouble() const {
    return numericRef(*this, LeafKind::Double, &Value::d);
}
void*& MDataHandle::asAddr() const {
    Value& value = valueOf(*this);
    // Only an address attribute holds an address.
    if (!value.isLeaf() || leafKind(*value.attr) != LeafKind::Addr)
        value.addr = nullptr;
    return value.addr;
}

short2& MDataHandle::asShort2() const {
    Value& value = valueOf(*this);
    return reinterpret_cast<short2&>(*childrenInto(value, value.s3));
}
int2& MDataHandle::asInt2() const {
    Value& value = valueOf(*this);
    return reinterpret_cast<int2&>(*childrenInto(value, value.i3));
}
int2& MDataHandle::asLong2() const {
    return asInt2();
}
float2& MDataHandle::asFloat2() const {
    Value& value = valueOf(*this);
    return reinterpret_cast<float2&>(*childrenInto(value, value.f3));
}
double2& MDataHandle::asDouble2() const {
    Value& value = valueOf(*this);
    return reinterpret_cast<double2&>(*childrenInto(value, value.d4));
}
short3& MDataHandle::asShort3() const {
    Value& value = valueOf(*this);
    return reinterpret_cast<short3&>(*childrenInto(value, value.s3));
}
int3& MDataHandle::asInt3() const {
    Value& value = valueOf(*this);
    return reinterpret_cast<int3&>(*childrenInto(value, value.i3));
}
int3& MDataHandle::asLong3() const {
    return asInt3();
}
float3& MDataHandle::asFloat3() const {
    Value& value = valueOf(*this);
    return reinterpret_cast<float3&>(*childrenInto(value, value.f3));
}
double3& MDataHandle::asDouble3() const {
    Value& value = valueOf(*this);
    return reinterpret_cast<double3&>(*childrenInto(value, value.d4));
}
double4& MDataHandle::asDouble4() const {
    Value& value = valueOf(*this);
    childrenInto(value, value.d4);
    return value.d4;
}

MVector& MDataHandle::asVector() const {
    Value& value = valueOf(*this);
    double xyz[3];
    childrenInto(value, xyz);
    value.vec = MVector(xyz);
    return value.vec;
}

MFloatVector& MDataHandle::asFloatVector() const {
    Value& value = valueOf(*this);
    float xyz[3];
    childrenInto(value, xyz);
    value.fvec = MFloatVector(xyz);
    return value.fvec;
}

MMatrix& MDataHandle::asMatrix() const {
    Value& value = valueOf(*this);
    if (value.isLeaf()) {
        const LeafKind kind = leafKind(*value.attr);
        if (kind == LeafKind::FloatMatrix)
            value.m = MMatrix(value.fm.matrix);
        if (kind == LeafKind::Data)
            if (MatrixData* matrix = dataObject<MatrixData>(value.data))
                return matrix->matrix;
    }
    return value.m;
}

MFloatMatrix& MDataHandle::asFloatMatrix() const {
    Value& value = valueOf(*this);
    if (value.isLeaf() && leafKind(*value.attr) != LeafKind::FloatMatrix)
        value.fm = MFloatMatrix(asMatrix().matrix);
    return value.fm;
}

MString& MDataHandle::asString() const {
    Value& value = valueOf(*this);
    if (!value.isLeaf() || leafKind(*value.attr) != LeafKind::Data)
        return value.str;
    if (StringData* text = dataObject<StringData>(value.data))
        return text->value;
    if (value.data.isNull() && value.attr->dataType == MFnData::kString) {
        auto text = std::make_shared<StringData>();
        value.data = makeDataObject(text);
        return text->value;
    }
    return value.str;
}

MTime MDataHandle::asTime() const {
    const Value& value = valueOf(*this);
    if (value.isLeaf() && leafKind(*value.attr) == LeafKind::Time)
        return value.time;
    return MTime(numericValue(value), MTime::uiUnit());
}

namespace {

MObject dataOfKind(const MDataHandle& handle, MFn::Type kind) {
    const Value& value = valueOf(handle);
    if (value.isLeaf() && value.data.hasFn(kind))
        return value.data;
    return MObject();
}

} // namespace

MObject MDataHandle::asMesh() const {
    return dataOfKind(*this, MFn::kMeshData);
}
MObject MDataHandle::asNurbsCurve() const {
    return dataOfKind(*this, MFn::kNurbsCurveData);
}
// The stand-in keeps geometry in object space, so the transformed forms are the same data.
MObject MDataHandle::asMeshTransformed() const {
    return asMesh();
}
MObject MDataHandle::asNurbsCurveTransformed() const {
    return asNurbsCurve();
}

MDataHandle MDataHandle::child(const MPlug& plug) {
    return child(plug.attribute());
}

MDataHandle MDataHandle::child(const MObject& attribute) {
    Value* value = MDataHandleAccess::value(*this);
    const Attribute* attr = attributeOf(attribute);
    if (!value || !attr || value->arrayLevel)
        return MDataHandle();
    return MDataHandleAccess::handle(value->child(attr), MDataHandleAccess::node(*this));
}

void MDataHandle::set(bool val) {
    setLeaf(valueOf(*this), val ? 1.0 : 0.0);
}
void MDataHandle::set(char val) {
    setLeaf(valueOf(*this), val);
}
void MDataHandle::set(short val) {
    setLeaf(valueOf(*this), val);
}
void MDataHandle::set(int val) {
    setLeaf(valueOf(*this), val);
}
void MDataHandle::set(MInt64 val) {
    Value& value = valueOf(*this);
    if (value.isLeaf() && leafKind(*value.attr) == LeafKind::Int64)
        value.i64 = val;
    else
        setLeaf(value, static_cast<double>(val));
}
void MDataHandle::set(float val) {
    setLeaf(valueOf(*this), val);
}
void MDataHandle::set(double val) {
    setLeaf(valueOf(*this), val);
}

void MDataHandle::set(const MMatrix& val) {
    Value& value = valueOf(*this);
    if (!value.isLeaf())
        return;
    const LeafKind kind = leafKind(*value.attr);
    if (kind == LeafKind::Matrix || kind == LeafKind::FloatMatrix) {
        value.m = val;
        value.fm = MFloatMatrix(val.matrix);
    } else if (kind == LeafKind::Data) {
        auto matrix = std::make_shared<MatrixData>();
        matrix->matrix = val;
        value.data = makeDataObject(matrix);
    }
}
void MDataHandle::set(const MFloatMatrix& val) {
    set(MMatrix(val.matrix));
}
void MDataHandle::set(const MVector& val) {
    setChildren(valueOf(*this), {val.x, val.y, val.z});
}
void MDataHandle::set(const MFloatVector& val) {
    setChildren(valueOf(*this), {val.x, val.y, val.z});
}

void MDataHandle::set(const MTime& val) {
    Value& value = valueOf(*this);
    if (value.isLeaf() && leafKind(*value.attr) == LeafKind::Time)
        value.time = val;
    else
        setLeaf(value, val.as(MTime::uiUnit()));
}

void MDataHandle::set(const MString& val) {
    Value& value = valueOf(*this);
    if (value.isLeaf() && leafKind(*value.attr) == LeafKind::Data &&
        (value.attr->dataType == MFnData::kString || value.attr->dataType == MFnData::kAny)) {
        auto text = std::make_shared<StringData>();
        text->value = val;
        value.data = makeDataObject(text);
    }
}

void MDataHandle::set(short v1, short v2) {
    setChildren(valueOf(*this), {double(v1), double(v2)});
}
void MDataHandle::set(int v1, int v2) {
    setChildren(valueOf(*this), {double(v1), double(v2)});
}
void MDataHandle::set(float v1, float v2) {
    setChildren(valueOf(*this), {v1, v2});
}
void MDataHandle::set(double v1, double v2) {
    setChildren(valueOf(*this), {v1, v2});
}
void MDataHandle::set(short v1, short v2, short v3) {
    setChildren(valueOf(*this), {double(v1), double(v2), double(v3)});
}
void MDataHandle::set(int v1, int v2, int v3) {
    setChildren(valueOf(*this), {double(v1), double(v2), double(v3)});
}
void MDataHandle::set(float v1, float v2, float v3) {
    setChildren(valueOf(*this), {v1, v2, v3});
}
void MDataHandle::set(double v1, double v2, double v3) {
    setChildren(valueOf(*this), {v1, v2, v3});
}
void MDataHandle::set(double v1, double v2, double v3, double v4) {
    setChildren(valueOf(*this), {v1, v2, v3, v4});
}

MStatus MDataHandle::set(const MObject& data) {
    Value* value = MDataHandleAccess::value(*this);
    if (!value)
        return MS::kInvalidParameter;
    return valueFromObject(*value, data) ? MS::kSuccess : MS::kInvalidParameter;
}

void MDataHandle::setBool(bool val) {
    set(val);
}
void MDataHandle::setChar(char val) {
    set(val);
}
void MDataHandle::setShort(short val) {
    set(val);
}
void MDataHandle::setInt(int val) {
    set(val);
}
void MDataHandle::setInt64(MInt64 val) {
    set(val);
}
void MDataHandle::setFloat(float val) {
    set(val);
}
void MDataHandle::setDouble(double val) {
    set(val);
}
void MDataHandle::setMMatrix(const MMatrix& val) {
    set(val);
}
void MDataHandle::setMFloatMatrix(const MFloatMatrix& val) {
    set(val);
}
void MDataHandle::setMVector(const MVector& val) {
    set(val);
}
void MDataHandle::setMFloatVector(const MFloatVector& val) {
    set(val);
}
void MDataHandle::setMTime(const MTime& val) {
    set(val);
}
void MDataHandle::setString(const MString& val) {
    set(val);
}
void MDataHandle::set2Float(float v1, float v2) {
    set(v1, v2);
}
void MDataHandle::set3Float(float v1, float v2, float v3) {
    set(v1, v2, v3);
}
void MDataHandle::set2Double(double v1, double v2) {
    set(v1, v2);
}
void MDataHandle::set3Double(double v1, double v2, double v3) {
    set(v1, v2, v3);
}
void MDataHandle::set2Int(int v1, int v2) {
    set(v1, v2);
}
void MDataHandle::set3Int(int v1, int v2, int v3) {
    set(v1, v2, v3);
}
MStatus MDataHandle::setMObject(const MObject& data) {
    return set(data);
}
