// Function sets of the graph's own data kinds: numeric, string, point array, matrix.
#include "data_objects.h"
#include "status_util.h"

#include <maya/MFnMatrixData.h>
#include <maya/MFnNumericData.h>
#include <maya/MFnPointArrayData.h>
#include <maya/MFnStringData.h>

using namespace mcore;

// ---- MFnData -----------------------------------------------------------------------------------

MFnData::MFnData() = default;
MFnData::MFnData(MObject& object, MStatus* ReturnStatus) {
    setReturn(ReturnStatus, attach(object));
}
MFnData::MFnData(const MObject& object, MStatus* ReturnStatus) {
    setReturn(ReturnStatus, attach(object));
}
MFnData::~MFnData() = default;
MFn::Type MFnData::type() const {
    return MFn::kData;
}

// ---- MFnNumericData ----------------------------------------------------------------------------

namespace {

NumericData* numericOf(const MObject& object) {
    return dataObject<NumericData>(object);
}

template <class... T> MStatus getNumbers(const MObject& object, T&... out) {
    const NumericData* data = numericOf(object);
    if (!data || NumericData::componentCount(data->numericType) != sizeof...(T))
        return MS::kInvalidParameter;
    std::size_t k = 0;
    ((out = static_cast<T>(data->values[k++])), ...);
    return MS::kSuccess;
}

template <class... T> MStatus setNumbers(const MObject& object, T... in) {
    NumericData* data = numericOf(object);
    if (!data || NumericData::componentCount(data->numericType) != sizeof...(T))
        return MS::kInvalidParameter;
    std::size_t k = 0;
    ((data->values[k++] = static_cast<double>(in)), ...);
    return MS::kSuccess;
}

} // namespace

MFnNumericData::MFnNumericData() = default;
MFnNumericData::MFnNumericData(MObject& object, MStatus* ReturnStatus) {
    setReturn(ReturnStatus, attach(object));
}
MFnNumericData::MFnNumericData(const MObject& object, MStatus* ReturnStatus) {
    setReturn(ReturnStatus, attach(object));
}
MFnNumericData::~MFnNumericData() = default;
MFn::Type MFnNumericData::type() const {
    return MFn::kNumericData;
}

MObject MFnNumericData::create(Type dataType, MStatus* ReturnStatus) {
    if (NumericData::componentCount(dataType) == 0) {
        setReturn(ReturnStatus, MS::kInvalidParameter);
        return fObject = MObject();
    }
    auto data = std::make_shared<NumericData>();
    data->numericType = dataType;
    fObject = makeDataObject(data);
    setReturn(ReturnStatus, MS::kSuccess);
    return fObject;
}

MFnNumericData::Type MFnNumericData::numericType(MStatus* ReturnStatus) {
    const NumericData* data = numericOf(fObject);
    setReturn(ReturnStatus, data != nullptr);
    return data ? data->numericType : kInvalid;
}

MStatus MFnNumericData::getData(short& a, short& b) {
    return getNumbers(fObject, a, b);
}
MStatus MFnNumericData::getData(int& a, int& b) {
    return getNumbers(fObject, a, b);
}
MStatus MFnNumericData::getData(float& a, float& b) {
    return getNumbers(fObject, a, b);
}
MStatus MFnNumericData::getData(double& a, double& b) {
    return getNumbers(fObject, a, b);
}
MStatus MFnNumericData::getData(short& a, short& b, short& c) {
    return getNumbers(fObject, a, b, c);
}
MStatus MFnNumericData::getData(int& a, int& b, int& c) {
    return getNumbers(fObject, a, b, c);
}
MStatus MFnNumericData::getData(float& a, float& b, float& c) {
    return getNumbers(fObject, a, b, c);
}
MStatus MFnNumericData::getData(double& a, double& b, double& c) {
    return getNumbers(fObject, a, b, c);
}
MStatus MFnNumericData::getData(double& a, double& b, double& c, double& d) {
    return getNumbers(fObject, a, b, c, d);
}
MStatus MFnNumericData::getData2Short(short& a, short& b) {
    return getData(a, b);
}
MStatus MFnNumericData::getData2Int(int& a, int& b) {
    return getData(a, b);
}
MStatus MFnNumericData::getData2Float(float& a, float& b) {
    return getData(a, b);
}
MStatus MFnNumericData::getData2Double(double& a, double& b) {
    return getData(a, b);
}
MStatus MFnNumericData::getData3Short(short& a, short& b, short& c) {
    return getData(a, b, c);
}
MStatus MFnNumericData::getData3Int(int& a, int& b, int& c) {
    return getData(a, b, c);
}
MStatus MFnNumericData::getData3Float(float& a, float& b, float& c) {
    return getData(a, b, c);
}
MStatus MFnNumericData::getData3Double(double& a, double& b, double& c) {
    return getData(a, b, c);
}
MStatus MFnNumericData::getData4Double(double& a, double& b, double& c, double& d) {
    return getData(a, b, c, d);
}

MStatus MFnNumericData::setData(short a, short b) {
    return setNumbers(fObject, a, b);
}
MStatus MFnNumericData::setData(int a, int b) {
    return setNumbers(fObject, a, b);
}
MStatus MFnNumericData::setData(float a, float b) {
    return setNumbers(fObject, a, b);
}
MStatus MFnNumericData::setData(double a, double b) {
    return setNumbers(fObject, a, b);
}
MStatus MFnNumericData::setData(short a, short b, short c) {
    return setNumbers(fObject, a, b, c);
}
MStatus MFnNumericData::setData(int a, int b, int c) {
    return setNumbers(fObject, a, b, c);
}
MStatus MFnNumericData::setData(float a, float b, float c) {
    return setNumbers(fObject, a, b, c);
}
MStatus MFnNumericData::setData(double a, double b, double c) {
    return setNumbers(fObject, a, b, c);
}
MStatus MFnNumericData::setData(double a, double b, double c, double d) {
    return setNumbers(fObject, a, b, c, d);
}
MStatus MFnNumericData::setData2Short(short a, short b) {
    return setData(a, b);
}
MStatus MFnNumericData::setData2Int(int a, int b) {
    return setData(a, b);
}
MStatus MFnNumericData::setData2Float(float a, float b) {
    return setData(a, b);
}
MStatus MFnNumericData::setData2Double(double a, double b) {
    return setData(a, b);
}
MStatus MFnNumericData::setData3Short(short a, short b, short c) {
    return setData(a, b, c);
}
MStatus MFnNumericData::setData3Int(int a, int b, int c) {
    return setData(a, b, c);
}
MStatus MFnNumericData::setData3Float(float a, float b, float c) {
    return setData(a, b, c);
}
MStatus MFnNumericData::setData3Double(double a, double b, double c) {
    return setData(a, b, c);
}
MStatus MFnNumericData::setData4Double(double a, double b, double c, double d) {
    return setData(a, b, c, d);
}

// ---- MFnStringData -----------------------------------------------------------------------------

MFnStringData::MFnStringData() = default;
MFnStringData::MFnStringData(MObject& object, MStatus* ReturnStatus) {
    setReturn(ReturnStatus, attach(object));
}
MFnStringData::MFnStringData(const MObject& object, MStatus* ReturnStatus) {
    setReturn(ReturnStatus, attach(object));
}
MFnStringData::~MFnStringData() = default;
MFn::Type MFnStringData::type() const {
    return MFn::kStringData;
}

MString MFnStringData::string(MStatus* ReturnStatus) const {
    const StringData* data = dataObject<StringData>(fObject);
    setReturn(ReturnStatus, data != nullptr);
    return data ? data->value : MString();
}

MStatus MFnStringData::set(const MString& newString) {
    StringData* data = dataObject<StringData>(fObject);
    if (!data)
        return MS::kFailure;
    data->value = newString;
    return MS::kSuccess;
}

MObject MFnStringData::create(const MString& str, MStatus* ReturnStatus) {
    auto data = std::make_shared<StringData>();
    data->value = str;
    fObject = makeDataObject(data);
    setReturn(ReturnStatus, MS::kSuccess);
    return fObject;
}

MObject MFnStringData::create(MStatus* ReturnStatus) {
    return create(MString(), ReturnStatus);
}

// ---- MFnPointArrayData -------------------------------------------------------------------------

MFnPointArrayData::MFnPointArrayData() = default;
MFnPointArrayData::MFnPointArrayData(MObject& object, MStatus* ReturnStatus) {
    setReturn(ReturnStatus, attach(object));
}
MFnPointArrayData::MFnPointArrayData(const MObject& object, MStatus* ReturnStatus) {
    setReturn(ReturnStatus, attach(object));
}
MFnPointArrayData::~MFnPointArrayData() = default;
MFn::Type MFnPointArrayData::type() const {
    return MFn::kPointArrayData;
}

unsigned int MFnPointArrayData::length(MStatus* ReturnStatus) const {
    const PointArrayData* data = dataObject<PointArrayData>(fObject);
    setReturn(ReturnStatus, data != nullptr);
    return data ? data->points.length() : 0u;
}

MStatus MFnPointArrayData::copyTo(MPointArray& array) const {
    const PointArrayData* data = dataObject<PointArrayData>(fObject);
    if (!data)
        return MS::kFailure;
    array = data->points;
    return MS::kSuccess;
}

MStatus MFnPointArrayData::set(const MPointArray& newArray) {
    PointArrayData* data = dataObject<PointArrayData>(fObject);
    if (!data)
        return MS::kFailure;
    data->points = newArray;
    return MS::kSuccess;
}

MStatus MFnPointArrayData::set(MPoint& element, unsigned int index) {
    PointArrayData* data = dataObject<PointArrayData>(fObject);
    if (!data || index >= data->points.length())
        return MS::kFailure;
    data->points[index] = element;
    return MS::kSuccess;
}

MPointArray MFnPointArrayData::array(MStatus* ReturnStatus) {
    const PointArrayData* data = dataObject<PointArrayData>(fObject);
    setReturn(ReturnStatus, data != nullptr);
    return data ? data->points : MPointArray();
}

MPoint& MFnPointArrayData::operator[](unsigned int index) {
    PointArrayData* data = dataObject<PointArrayData>(fObject);
    if (!data || index >= data->points.length()) {
        // Out of range: a scratch point, never another element.
        thread_local MPoint scratch;
        scratch = MPoint();
        return scratch;
    }
    return data->points[index];
}

MObject MFnPointArrayData::create(MStatus* ReturnStatus) {
    return create(MPointArray(), ReturnStatus);
}

MObject MFnPointArrayData::create(const MPointArray& in, MStatus* ReturnStatus) {
    auto data = std::make_shared<PointArrayData>();
    data->points = in;
    fObject = makeDataObject(data);
    setReturn(ReturnStatus, MS::kSuccess);
    return fObject;
}

// ---- MFnMatrixData -----------------------------------------------------------------------------

MFnMatrixData::MFnMatrixData() = default;
MFnMatrixData::MFnMatrixData(MObject& object, MStatus* ReturnStatus) {
    setReturn(ReturnStatus, attach(object));
}
MFnMatrixData::MFnMatrixData(const MObject& object, MStatus* ReturnStatus) {
    setReturn(ReturnStatus, attach(object));
}
MFnMatrixData::~MFnMatrixData() = default;
MFn::Type MFnMatrixData::type() const {
    return MFn::kMatrixData;
}

const MMatrix& MFnMatrixData::matrix(MStatus* ReturnStatus) const {
    const MatrixData* data = dataObject<MatrixData>(fObject);
    setReturn(ReturnStatus, data != nullptr);
    return data ? data->matrix : MMatrix::identity;
}

MStatus MFnMatrixData::set(const MMatrix& matrix) {
    MatrixData* data = dataObject<MatrixData>(fObject);
    if (!data)
        return MS::kFailure;
    data->matrix = matrix;
    return MS::kSuccess;
}

MObject MFnMatrixData::create(MStatus* ReturnStatus) {
    return create(MMatrix(), ReturnStatus);
}

MObject MFnMatrixData::create(const MMatrix& in, MStatus* ReturnStatus) {
    auto data = std::make_shared<MatrixData>();
    data->matrix = in;
    fObject = makeDataObject(data);
    setReturn(ReturnStatus, MS::kSuccess);
    return fObject;
}
