// MPlug value access: reads evaluate the graph first; writes clamp, route internal attributes
// through the node and dirty what they affect.
#include "data_block_access.h"
#include "data_objects.h"
#include "plug_io.h"
#include "value_objects.h"

#include <maya/MDataHandle.h>
#include <maya/MPlug.h>

using namespace mcore;

namespace {

bool isNumericLeaf(const Value& value) {
    if (!value.isLeaf())
        return false;
    const LeafKind kind = leafKind(*value.attr);
    return kind != LeafKind::Data && kind != LeafKind::Matrix && kind != LeafKind::FloatMatrix;
}

// Reads the plug and hands the value to `extract`; failure when the plug is null or the value
// does not have the asked-for form.
template <class Extract> MStatus read(const MPlug& plug, Extract extract) {
    std::unique_ptr<Value> holder;
    const Value* value = readPlug(MPlugAccess::path(plug), holder);
    if (!value)
        return MS::kInvalidParameter;
    return extract(*value) ? MS::kSuccess : MS::kInvalidParameter;
}

template <class T> MStatus readNumber(const MPlug& plug, T& out) {
    return read(plug, [&out](const Value& value) {
        if (!isNumericLeaf(value))
            return false;
        out = static_cast<T>(numericValue(value));
        return true;
    });
}

template <class T> T readNumberOr(const MPlug& plug, MStatus* status) {
    T result = T();
    const MStatus s = readNumber(plug, result);
    if (status)
        *status = s;
    return result;
}

MStatus writeNumber(const MPlug& plug, double number) {
    return writePlug(MPlugAccess::path(plug), [number](Value& value) {
        return isNumericLeaf(value) && setNumeric(value, number);
    });
}

bool stringOf(const Value& value, MString& out) {
    if (!value.isLeaf() || leafKind(*value.attr) != LeafKind::Data)
        return false;
    if (const StringData* text = dataObject<StringData>(value.data)) {
        out = text->value;
        return true;
    }
    if (value.data.isNull() && value.attr->dataType == MFnData::kString) {
        out = MString();
        return true;
    }
    return false;
}

void setStatus(MStatus* status, const MStatus& s) {
    if (status)
        *status = s;
}

} // namespace

// ---- reads -------------------------------------------------------------------------------------

MStatus MPlug::getValue(bool& val) const {
    return readNumber(*this, val);
}
MStatus MPlug::getValue(char& val) const {
    return readNumber(*this, val);
}
MStatus MPlug::getValue(short& val) const {
    return readNumber(*this, val);
}
MStatus MPlug::getValue(int& val) const {
    return readNumber(*this, val);
}
MStatus MPlug::getValue(MInt64& val) const {
    return readNumber(*this, val);
}
MStatus MPlug::getValue(float& val) const {
    return readNumber(*this, val);
}
MStatus MPlug::getValue(double& val) const {
    return readNumber(*this, val);
}

MStatus MPlug::getValue(MString& val) const {
    return read(*this, [&val](const Value& value) { return stringOf(value, val); });
}

MStatus MPlug::getValue(MTime& val) const {
    return read(*this, [&val](const Value& value) {
        if (!isNumericLeaf(value))
            return false;
        val = leafKind(*value.attr) == LeafKind::Time ? value.time
                                                      : MTime(numericValue(value), MTime::uiUnit());
        return true;
    });
}

MStatus MPlug::getValue(MObject& val) const {
    return read(*this, [&val](const Value& value) {
        const bool carriesObject =
            value.attr->isNumericCompound() || (value.isLeaf() && !isNumericLeaf(value));
        if (!carriesObject)
            return false;
        val = objectFromValue(value);
        return true;
    });
}

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
MStatus MPlug::getValue(bool& val, MDGContext&) const {
    return getValue(val);
}
MStatus MPlug::getValue(int& val, MDGContext&) const {
    return getValue(val);
}
MStatus MPlug::getValue(float& val, MDGContext&) const {
    return getValue(val);
}
MStatus MPlug::getValue(double& val, MDGContext&) const {
    return getValue(val);
}
MStatus MPlug::getValue(MString& val, MDGContext&) const {
    return getValue(val);
}
MStatus MPlug::getValue(MTime& val, MDGContext&) const {
    return getValue(val);
}
MStatus MPlug::getValue(MObject& val, MDGContext&) const {
    return getValue(val);
}
#pragma GCC diagnostic pop

bool MPlug::asBool(MStatus* ReturnStatus) const {
    return readNumberOr<bool>(*this, ReturnStatus);
}
char MPlug::asChar(MStatus* ReturnStatus) const {
    return readNumberOr<char>(*this, ReturnStatus);
}
short MPlug::asShort(MStatus* ReturnStatus) const {
    return readNumberOr<short>(*this, ReturnStatus);
}
int MPlug::asInt(MStatus* ReturnStatus) const {
    return readNumberOr<int>(*this, ReturnStatus);
}
MInt64 MPlug::asInt64(MStatus* ReturnStatus) const {
    return readNumberOr<MInt64>(*this, ReturnStatus);
}
float MPlug::asFloat(MStatus* ReturnStatus) const {
    return readNumberOr<float>(*this, ReturnStatus);
}
double MPlug::asDouble(MStatus* ReturnStatus) const {
    return readNumberOr<double>(*this, ReturnStatus);
}

MString MPlug::asString(MStatus* ReturnStatus) const {
    MString result;
    setStatus(ReturnStatus, getValue(result));
    return result;
}

MTime MPlug::asMTime(MStatus* ReturnStatus) const {
    MTime result;
    setStatus(ReturnStatus, getValue(result));
    return result;
}

MObject MPlug::asMObject(MStatus* ReturnStatus) const {
    MObject result;
    setStatus(ReturnStatus, getValue(result));
    return result;
}

// ---- writes ------------------------------------------------------------------------------------

MStatus MPlug::setValue(bool val) {
    return writeNumber(*this, val ? 1.0 : 0.0);
}
MStatus MPlug::setValue(char val) {
    return writeNumber(*this, val);
}
MStatus MPlug::setValue(short val) {
    return writeNumber(*this, val);
}
MStatus MPlug::setValue(int val) {
    return writeNumber(*this, val);
}
MStatus MPlug::setValue(MInt64 val) {
    return writeNumber(*this, static_cast<double>(val));
}
MStatus MPlug::setValue(float val) {
    return writeNumber(*this, val);
}
MStatus MPlug::setValue(double val) {
    return writeNumber(*this, val);
}

MStatus MPlug::setValue(const MString& val) {
    return writePlug(MPlugAccess::path(*this), [&val](Value& value) {
        MString current;
        if (!stringOf(value, current))
            return false;
        auto text = std::make_shared<StringData>();
        text->value = val;
        value.data = makeDataObject(text);
        return true;
    });
}

MStatus MPlug::setValue(const char* val) {
    return setValue(MString(val));
}

MStatus MPlug::setValue(const MTime& val) {
    return writePlug(MPlugAccess::path(*this), [&val](Value& value) {
        if (!isNumericLeaf(value))
            return false;
        if (leafKind(*value.attr) == LeafKind::Time)
            value.time = val;
        else
            setNumeric(value, val.as(MTime::uiUnit()));
        return true;
    });
}

MStatus MPlug::setValue(MObject& val) {
    return writePlug(MPlugAccess::path(*this),
                     [&val](Value& value) { return valueFromObject(value, val); });
}

MStatus MPlug::setValue(MDataHandle& val) {
    const Value* source = MDataHandleAccess::value(val);
    if (!source)
        return MS::kInvalidParameter;
    return writePlug(MPlugAccess::path(*this),
                     [source](Value& value) { return assignValue(value, *source); });
}

MStatus MPlug::setBool(bool val) {
    return setValue(val);
}
MStatus MPlug::setChar(char val) {
    return setValue(val);
}
MStatus MPlug::setShort(short val) {
    return setValue(val);
}
MStatus MPlug::setInt(int val) {
    return setValue(val);
}
MStatus MPlug::setInt64(MInt64 val) {
    return setValue(val);
}
MStatus MPlug::setFloat(float val) {
    return setValue(val);
}
MStatus MPlug::setDouble(double val) {
    return setValue(val);
}
MStatus MPlug::setString(const MString& val) {
    return setValue(val);
}
MStatus MPlug::setMTime(const MTime& val) {
    return setValue(val);
}
MStatus MPlug::setMObject(const MObject& val) {
    MObject copy = val;
    return setValue(copy);
}
MStatus MPlug::setMDataHandle(MDataHandle& val) {
    return setValue(val);
}
