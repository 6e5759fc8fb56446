// The point and vector arrays.
#include "array_impl.h"

#include <maya/MFloatPointArray.h>
#include <maya/MFloatVectorArray.h>
#include <maya/MPointArray.h>

namespace {

template <class T, class S, std::size_t N>
std::vector<T> fromRows(const S rows[][N], unsigned int count) {
    std::vector<T> result;
    result.reserve(count);
    for (unsigned int k = 0; k < count; ++k)
        result.push_back(T(rows[k]));
    return result;
}

template <class T, class D, std::size_t N>
MStatus toRows(const std::vector<T>& elements, D dest[][N]) {
    for (std::size_t k = 0; k < elements.size(); ++k)
        for (std::size_t c = 0; c < N; ++c)
            dest[k][c] = static_cast<D>(elements[k][static_cast<unsigned int>(c)]);
    return MS::kSuccess;
}

} // namespace

// ---- MPointArray -------------------------------------------------------------------------------

MCORE_ARRAY_MEMBERS(MPointArray, MPoint, const MPoint&)
MCORE_ARRAY_FROM_ELEMENTS(MPointArray, MPoint)
MPointArray::MPointArray(const double points[][4], unsigned int count)
    : fArray(new std::vector<MPoint>(fromRows<MPoint>(points, count))) {}
MPointArray::MPointArray(const float points[][4], unsigned int count)
    : fArray(new std::vector<MPoint>(fromRows<MPoint>(points, count))) {}
const MPoint& MPointArray::operator[](unsigned int index) const {
    return mcore::elementsOf<MPoint>(fArray)[index];
}
MStatus MPointArray::set(unsigned int index, double x, double y, double z, double w) {
    return set(MPoint(x, y, z, w), index);
}
MStatus MPointArray::set(double element[4], unsigned int index) {
    return set(MPoint(element), index);
}
MStatus MPointArray::set(float element[4], unsigned int index) {
    return set(MPoint(element), index);
}
MStatus MPointArray::append(double x, double y, double z, double w) {
    return append(MPoint(x, y, z, w));
}
MStatus MPointArray::get(double dest[][4]) const {
    return toRows(mcore::elementsOf<MPoint>(fArray), dest);
}
MStatus MPointArray::get(float dest[][4]) const {
    return toRows(mcore::elementsOf<MPoint>(fArray), dest);
}

// ---- MFloatPointArray --------------------------------------------------------------------------

MCORE_ARRAY_MEMBERS(MFloatPointArray, MFloatPoint, const MFloatPoint&)
MCORE_ARRAY_FROM_ELEMENTS(MFloatPointArray, MFloatPoint)
MFloatPointArray::MFloatPointArray(const double points[][4], unsigned int count)
    : fArray(new std::vector<MFloatPoint>(fromRows<MFloatPoint>(points, count))) {}
MFloatPointArray::MFloatPointArray(const float points[][4], unsigned int count)
    : fArray(new std::vector<MFloatPoint>(fromRows<MFloatPoint>(points, count))) {}
const MFloatPoint& MFloatPointArray::operator[](unsigned int index) const {
    return mcore::elementsOf<MFloatPoint>(fArray)[index];
}
MStatus MFloatPointArray::set(unsigned int index, float x, float y, float z, float w) {
    return set(MFloatPoint(x, y, z, w), index);
}
MStatus MFloatPointArray::append(float x, float y, float z, float w) {
    return append(MFloatPoint(x, y, z, w));
}
MStatus MFloatPointArray::get(double dest[][4]) const {
    return toRows(mcore::elementsOf<MFloatPoint>(fArray), dest);
}
MStatus MFloatPointArray::get(float dest[][4]) const {
    return toRows(mcore::elementsOf<MFloatPoint>(fArray), dest);
}

// ---- MFloatVectorArray -------------------------------------------------------------------------

MCORE_ARRAY_MEMBERS(MFloatVectorArray, MFloatVector, const MFloatVector&)
MCORE_ARRAY_FROM_ELEMENTS(MFloatVectorArray, MFloatVector)
MFloatVectorArray::MFloatVectorArray(const double vectors[][3], unsigned int count)
    : fArray(new std::vector<MFloatVector>(fromRows<MFloatVector>(vectors, count))) {}
MFloatVectorArray::MFloatVectorArray(const float vectors[][3], unsigned int count)
    : fArray(new std::vector<MFloatVector>(fromRows<MFloatVector>(vectors, count))) {}
const MFloatVector& MFloatVectorArray::operator[](unsigned int index) const {
    return mcore::elementsOf<MFloatVector>(fArray)[index];
}
MStatus MFloatVectorArray::set(const float element[3], unsigned int index) {
    return set(MFloatVector(element), index);
}
MStatus MFloatVectorArray::set(const double element[3], unsigned int index) {
    return set(MFloatVector(element), index);
}
MStatus MFloatVectorArray::get(double dest[][3]) const {
    return toRows(mcore::elementsOf<MFloatVector>(fArray), dest);
}
MStatus MFloatVectorArray::get(float dest[][3]) const {
    return toRows(mcore::elementsOf<MFloatVector>(fArray), dest);
}
