#include <maya/MFloatMatrix.h>
#include <maya/MFloatPoint.h>
#include <maya/MMatrix.h>
#include <maya/MPoint.h>

#include <cmath>
#include <ostream>

namespace {

template <class P, class S> S& coordinate(P& p, unsigned int i) {
    return i == 0 ? p.x : (i == 1 ? p.y : (i == 2 ? p.z : p.w));
}

template <class P, class M> P transformed(const P& p, const M& m) {
    P r;
    r.x = p.x * m(0, 0) + p.y * m(1, 0) + p.z * m(2, 0) + p.w * m(3, 0);
    r.y = p.x * m(0, 1) + p.y * m(1, 1) + p.z * m(2, 1) + p.w * m(3, 1);
    r.z = p.x * m(0, 2) + p.y * m(1, 2) + p.z * m(2, 2) + p.w * m(3, 2);
    r.w = p.x * m(0, 3) + p.y * m(1, 3) + p.z * m(2, 3) + p.w * m(3, 3);
    return r;
}

template <class P> P& cartesian(P& p) {
    if (p.w != 0 && p.w != 1) {
        p.x /= p.w;
        p.y /= p.w;
        p.z /= p.w;
        p.w = 1;
    }
    return p;
}

template <class P> P& rational(P& p) {
    if (p.w != 0) {
        p.x /= p.w;
        p.y /= p.w;
        p.z /= p.w;
    }
    return p;
}

template <class P> P& homogeneous(P& p) {
    p.x *= p.w;
    p.y *= p.w;
    p.z *= p.w;
    return p;
}

template <class P, class D> MStatus copyOut(const P& p, D dest[4]) {
    dest[0] = static_cast<D>(p.x);
    dest[1] = static_cast<D>(p.y);
    dest[2] = static_cast<D>(p.z);
    dest[3] = static_cast<D>(p.w);
    return MS::kSuccess;
}

template <class P> std::ostream& print(std::ostream& os, const P& p) {
    return os << "[" << p.x << ", " << p.y << ", " << p.z << ", " << p.w << "]";
}

} // namespace

// ---- MPoint ------------------------------------------------------------------------------------

const MPoint MPoint::origin(0.0, 0.0, 0.0, 1.0);

MPoint::MPoint(const MFloatPoint& src) : x(src.x), y(src.y), z(src.z), w(src.w) {}
MPoint::MPoint(const MFloatVector& src) : x(src.x), y(src.y), z(src.z), w(1.0) {}

MStatus MPoint::get(double dest[4]) const {
    return copyOut(*this, dest);
}
MStatus MPoint::get(float dest[4]) const {
    return copyOut(*this, dest);
}
MPoint& MPoint::cartesianize() {
    return cartesian(*this);
}
MPoint& MPoint::rationalize() {
    return rational(*this);
}
MPoint& MPoint::homogenize() {
    return homogeneous(*this);
}

bool MPoint::isEquivalent(const MPoint& o, double tolerance) const {
    return distanceTo(o) <= tolerance && std::fabs(w - o.w) <= tolerance;
}

double MPoint::operator()(unsigned int i) const {
    return coordinate<const MPoint, const double>(*this, i);
}
double& MPoint::operator()(unsigned int i) {
    return coordinate<MPoint, double>(*this, i);
}

MPoint& MPoint::operator+=(const MVector& v) {
    return *this = *this + v;
}
MPoint& MPoint::operator-=(const MVector& v) {
    return *this = *this - v;
}
MPoint MPoint::operator*(const MMatrix& right) const {
    return transformed(*this, right);
}
MPoint& MPoint::operator*=(const MMatrix& right) {
    return *this = *this * right;
}
MPoint& MPoint::operator*=(double scale) {
    return *this = *this * scale;
}
bool MPoint::operator==(const MPoint& o) const {
    return x == o.x && y == o.y && z == o.z && w == o.w;
}
bool MPoint::operator!=(const MPoint& o) const {
    return !(*this == o);
}
std::ostream& operator<<(std::ostream& os, const MPoint& p) {
    return print(os, p);
}

// ---- MFloatPoint -------------------------------------------------------------------------------

const MFloatPoint MFloatPoint::origin(0.0f, 0.0f, 0.0f, 1.0f);

MFloatPoint::MFloatPoint(const MPoint& src)
    : x(static_cast<float>(src.x)), y(static_cast<float>(src.y)), z(static_cast<float>(src.z)),
      w(static_cast<float>(src.w)) {}
MFloatPoint::MFloatPoint(const MVector& src)
    : x(static_cast<float>(src.x)), y(static_cast<float>(src.y)), z(static_cast<float>(src.z)),
      w(1.0f) {}
MFloatPoint::MFloatPoint(const double d[4]) : MFloatPoint(MPoint(d)) {}

MStatus MFloatPoint::get(double dest[4]) const {
    return copyOut(*this, dest);
}
MStatus MFloatPoint::get(float dest[4]) const {
    return copyOut(*this, dest);
}
MStatus MFloatPoint::setCast(const MPoint& src) {
    *this = MFloatPoint(src);
    return MS::kSuccess;
}
MStatus MFloatPoint::setCast(const MVector& src) {
    *this = MFloatPoint(src);
    return MS::kSuccess;
}
MStatus MFloatPoint::setCast(const double d[4]) {
    *this = MFloatPoint(d);
    return MS::kSuccess;
}
MFloatPoint& MFloatPoint::cartesianize() {
    return cartesian(*this);
}
MFloatPoint& MFloatPoint::rationalize() {
    return rational(*this);
}
MFloatPoint& MFloatPoint::homogenize() {
    return homogeneous(*this);
}

float MFloatPoint::distanceTo(const MFloatPoint& o) const {
    return std::sqrt((x - o.x) * (x - o.x) + (y - o.y) * (y - o.y) + (z - o.z) * (z - o.z));
}

bool MFloatPoint::isEquivalent(const MFloatPoint& o, float tolerance) const {
    return distanceTo(o) <= tolerance && std::fabs(w - o.w) <= tolerance;
}

float MFloatPoint::operator()(unsigned int i) const {
    return coordinate<const MFloatPoint, const float>(*this, i);
}
float& MFloatPoint::operator()(unsigned int i) {
    return coordinate<MFloatPoint, float>(*this, i);
}

MFloatPoint& MFloatPoint::operator+=(const MFloatVector& v) {
    return *this = *this + v;
}
MFloatPoint& MFloatPoint::operator-=(const MFloatVector& v) {
    return *this = *this - v;
}
MFloatPoint MFloatPoint::operator*(const MFloatMatrix& right) const {
    return transformed(*this, right);
}
bool MFloatPoint::operator==(const MFloatPoint& o) const {
    return x == o.x && y == o.y && z == o.z && w == o.w;
}
bool MFloatPoint::operator!=(const MFloatPoint& o) const {
    return !(*this == o);
}
std::ostream& operator<<(std::ostream& os, const MFloatPoint& p) {
    return print(os, p);
}
