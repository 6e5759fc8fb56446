// The number, string and plug arrays.
#include "array_impl.h"

#include <maya/MDoubleArray.h>
#include <maya/MFloatArray.h>
#include <maya/MIntArray.h>
#include <maya/MPlugArray.h>
#include <maya/MStringArray.h>

#include <algorithm>

MCORE_ARRAY_MEMBERS(MIntArray, int, int)
MCORE_ARRAY_FROM_ELEMENTS(MIntArray, int)
int MIntArray::operator[](unsigned int index) const {
    return mcore::elementsOf<int>(fArray)[index];
}
MStatus MIntArray::get(int dest[]) const {
    std::copy(mcore::elementsOf<int>(fArray).begin(), mcore::elementsOf<int>(fArray).end(), dest);
    return MS::kSuccess;
}

MCORE_ARRAY_MEMBERS(MFloatArray, float, float)
MCORE_ARRAY_FROM_ELEMENTS(MFloatArray, float)
MFloatArray::MFloatArray(const double src[], unsigned int count)
    : fArray(new std::vector<float>(src, src + count)) {}
float MFloatArray::operator[](unsigned int index) const {
    return mcore::elementsOf<float>(fArray)[index];
}
MStatus MFloatArray::set(double element, unsigned int index) {
    return set(static_cast<float>(element), index);
}
MStatus MFloatArray::get(float dest[]) const {
    const std::vector<float>& v = mcore::elementsOf<float>(fArray);
    std::copy(v.begin(), v.end(), dest);
    return MS::kSuccess;
}
MStatus MFloatArray::get(double dest[]) const {
    const std::vector<float>& v = mcore::elementsOf<float>(fArray);
    std::copy(v.begin(), v.end(), dest);
    return MS::kSuccess;
}

MCORE_ARRAY_MEMBERS(MDoubleArray, double, double)
MCORE_ARRAY_FROM_ELEMENTS(MDoubleArray, double)
MDoubleArray::MDoubleArray(const float src[], unsigned int count)
    : fArray(new std::vector<double>(src, src + count)) {}
double MDoubleArray::operator[](unsigned int index) const {
    return mcore::elementsOf<double>(fArray)[index];
}
MStatus MDoubleArray::set(float element, unsigned int index) {
    return set(static_cast<double>(element), index);
}
MStatus MDoubleArray::get(double dest[]) const {
    const std::vector<double>& v = mcore::elementsOf<double>(fArray);
    std::copy(v.begin(), v.end(), dest);
    return MS::kSuccess;
}
MStatus MDoubleArray::get(float dest[]) const {
    const std::vector<double>& v = mcore::elementsOf<double>(fArray);
    std::transform(v.begin(), v.end(), dest, [](double d) { return static_cast<float>(d); });
    return MS::kSuccess;
}

MCORE_ARRAY_MEMBERS(MStringArray, MString, const MString&)
MCORE_ARRAY_FROM_ELEMENTS(MStringArray, MString)
MStringArray::MStringArray(const char* strings[], unsigned int count)
    : fArray(new std::vector<MString>(strings, strings + count)) {}
const MString& MStringArray::operator[](unsigned int index) const {
    return mcore::elementsOf<MString>(fArray)[index];
}
MStatus MStringArray::set(const char* element, unsigned int index) {
    return set(MString(element), index);
}
int MStringArray::indexOf(const MString& element) const {
    const std::vector<MString>& v = mcore::elementsOf<MString>(fArray);
    auto it = std::find(v.begin(), v.end(), element);
    return it == v.end() ? -1 : static_cast<int>(it - v.begin());
}

MCORE_ARRAY_MEMBERS(MPlugArray, MPlug, const MPlug&)
const MPlug& MPlugArray::operator[](unsigned int index) const {
    return mcore::elementsOf<MPlug>(fArray)[index];
}
