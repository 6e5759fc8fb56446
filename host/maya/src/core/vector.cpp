#include <maya/MFloatMatrix.h>
#include <maya/MFloatPoint.h>
#include <maya/MFloatVector.h>
#include <maya/MMatrix.h>
#include <maya/MPoint.h>
#include <maya/MVector.h>

#include <algorithm>
#include <cmath>
#include <ostream>

namespace {

template <class V, class S> S lengthOf(const V& v) {
    return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}

template <class V, class S> MStatus normalizeInPlace(V& v) {
    const S len = lengthOf<V, S>(v);
    // A zero vector stays zero rather than turning into NaNs.
    if (len > S(0)) {
        v.x /= len;
        v.y /= len;
        v.z /= len;
    }
    return MS::kSuccess;
}

template <class V, class S> S angleBetween(const V& a, const V& b) {
    const S la = lengthOf<V, S>(a);
    const S lb = lengthOf<V, S>(b);
    if (la == S(0) || lb == S(0))
        return S(0);
    const S c = std::max(S(-1), std::min(S(1), (a * b) / (la * lb)));
    return std::acos(c);
}

template <class V, class S> bool parallel(const V& a, const V& b, S tolerance) {
    const V cross = a ^ b;
    const S la = lengthOf<V, S>(a);
    const S lb = lengthOf<V, S>(b);
    if (la == S(0) || lb == S(0))
        return true;
    return lengthOf<V, S>(cross) / (la * lb) <= tolerance;
}

} // namespace

// ---- MVector -----------------------------------------------------------------------------------

const MVector MVector::zero(0.0, 0.0, 0.0);
const MVector MVector::one(1.0, 1.0, 1.0);
const MVector MVector::xAxis(1.0, 0.0, 0.0);
const MVector MVector::yAxis(0.0, 1.0, 0.0);
const MVector MVector::zAxis(0.0, 0.0, 1.0);
const MVector MVector::xNegAxis(-1.0, 0.0, 0.0);
const MVector MVector::yNegAxis(0.0, -1.0, 0.0);
const MVector MVector::zNegAxis(0.0, 0.0, -1.0);

MVector::MVector(const MPoint& src) : x(src.x), y(src.y), z(src.z) {}
MVector::MVector(const MFloatPoint& src) : x(src.x), y(src.y), z(src.z) {}

MStatus MVector::get(double dest[3]) const {
    dest[0] = x;
    dest[1] = y;
    dest[2] = z;
    return MS::kSuccess;
}

MVector MVector::operator^(const MVector& r) const {
    return MVector(y * r.z - z * r.y, z * r.x - x * r.z, x * r.y - y * r.x);
}

MVector& MVector::operator+=(const MVector& other) {
    return *this = *this + other;
}
MVector& MVector::operator-=(const MVector& other) {
    return *this = *this - other;
}
MVector& MVector::operator*=(double scalar) {
    return *this = *this * scalar;
}
MVector& MVector::operator/=(double scalar) {
    return *this = *this / scalar;
}

MVector MVector::operator*(const MMatrix& m) const {
    return MVector(x * m(0, 0) + y * m(1, 0) + z * m(2, 0), x * m(0, 1) + y * m(1, 1) + z * m(2, 1),
                   x * m(0, 2) + y * m(1, 2) + z * m(2, 2));
}

MVector& MVector::operator*=(const MMatrix& right) {
    return *this = *this * right;
}

bool MVector::operator==(const MVector& o) const {
    return x == o.x && y == o.y && z == o.z;
}
bool MVector::operator!=(const MVector& o) const {
    return !(*this == o);
}

double MVector::length() const {
    return lengthOf<MVector, double>(*this);
}

MVector MVector::normal() const {
    MVector copy(*this);
    copy.normalize();
    return copy;
}

MStatus MVector::normalize() {
    return normalizeInPlace<MVector, double>(*this);
}
double MVector::angle(const MVector& other) const {
    return angleBetween<MVector, double>(*this, other);
}

bool MVector::isEquivalent(const MVector& o, double tolerance) const {
    return (*this - o).length() <= tolerance;
}

bool MVector::isParallel(const MVector& o, double tolerance) const {
    return parallel<MVector, double>(*this, o, tolerance);
}

std::ostream& operator<<(std::ostream& os, const MVector& v) {
    return os << "[" << v.x << ", " << v.y << ", " << v.z << "]";
}

// ---- MFloatVector ------------------------------------------------------------------------------

const MFloatVector MFloatVector::zero(0.0f, 0.0f, 0.0f);
const MFloatVector MFloatVector::one(1.0f, 1.0f, 1.0f);
const MFloatVector MFloatVector::xAxis(1.0f, 0.0f, 0.0f);
const MFloatVector MFloatVector::yAxis(0.0f, 1.0f, 0.0f);
const MFloatVector MFloatVector::zAxis(0.0f, 0.0f, 1.0f);

MFloatVector::MFloatVector(const MFloatPoint& src) : x(src.x), y(src.y), z(src.z) {}
MFloatVector::MFloatVector(const MPoint& src)
    : x(static_cast<float>(src.x)), y(static_cast<float>(src.y)), z(static_cast<float>(src.z)) {}

MStatus MFloatVector::get(float dest[3]) const {
    dest[0] = x;
    dest[1] = y;
    dest[2] = z;
    return MS::kSuccess;
}

MFloatVector MFloatVector::operator^(const MFloatVector& r) const {
    return MFloatVector(y * r.z - z * r.y, z * r.x - x * r.z, x * r.y - y * r.x);
}

MFloatVector& MFloatVector::operator+=(const MFloatVector& other) {
    return *this = *this + other;
}
MFloatVector& MFloatVector::operator-=(const MFloatVector& other) {
    return *this = *this - other;
}
MFloatVector& MFloatVector::operator*=(float scalar) {
    return *this = *this * scalar;
}
MFloatVector& MFloatVector::operator/=(float scalar) {
    return *this = *this / scalar;
}

MFloatVector MFloatVector::operator*(const MFloatMatrix& m) const {
    return MFloatVector(x * m(0, 0) + y * m(1, 0) + z * m(2, 0),
                        x * m(0, 1) + y * m(1, 1) + z * m(2, 1),
                        x * m(0, 2) + y * m(1, 2) + z * m(2, 2));
}

bool MFloatVector::operator==(const MFloatVector& o) const {
    return x == o.x && y == o.y && z == o.z;
}
bool MFloatVector::operator!=(const MFloatVector& o) const {
    return !(*this == o);
}

float MFloatVector::length() const {
    return lengthOf<MFloatVector, float>(*this);
}

MFloatVector MFloatVector::normal() const {
    MFloatVector copy(*this);
    copy.normalize();
    return copy;
}

float MFloatVector::angle(const MFloatVector& other) const {
    return angleBetween<MFloatVector, float>(*this, other);
}

bool MFloatVector::isEquivalent(const MFloatVector& o, float tolerance) const {
    return (*this - o).length() <= tolerance;
}

bool MFloatVector::isParallel(const MFloatVector& o, float tolerance) const {
    return parallel<MFloatVector, float>(*this, o, tolerance);
}

std::ostream& operator<<(std::ostream& os, const MFloatVector& v) {
    return os << "[" << v.x << ", " << v.y << ", " << v.z << "]";
}
