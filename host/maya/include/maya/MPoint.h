#pragma once
// Homogeneous double-precision point (w = 1 for cartesian points).
#include <maya/MStatus.h>
#include <maya/MVector.h>
#include <cmath>
#include <iosfwd>

class MFloatPoint;
class MFloatVector;
class MMatrix;

#define MPoint_kTol 1.0e-10

class MPoint {
public:
    MPoint() : x(0.0), y(0.0), z(0.0), w(1.0) {}
    MPoint(const MPoint& src) = default;
    MPoint(const MFloatPoint& src);
    MPoint(const MVector& src) : x(src.x), y(src.y), z(src.z), w(1.0) {}
    MPoint(const MFloatVector& src);
    MPoint(double xx, double yy, double zz = 0.0, double ww = 1.0) : x(xx), y(yy), z(zz), w(ww) {}
    MPoint(const double d[4]) : x(d[0]), y(d[1]), z(d[2]), w(d[3]) {}
    MPoint(const float d[4]) : x(d[0]), y(d[1]), z(d[2]), w(d[3]) {}
    ~MPoint() = default;
    MPoint& operator=(const MPoint& src) = default;

    MStatus get(double dest[4]) const;
    MStatus get(float dest[4]) const;
    MPoint& cartesianize();
    MPoint& rationalize();
    MPoint& homogenize();
    // Inline, as in the devkit.
    double distanceTo(const MPoint& o) const {
        return std::sqrt((x - o.x) * (x - o.x) + (y - o.y) * (y - o.y) + (z - o.z) * (z - o.z));
    }
    bool isEquivalent(const MPoint& other, double tolerance = MPoint_kTol) const;

    double operator()(unsigned int i) const;
    double& operator()(unsigned int i);
    double operator[](unsigned int i) const { return (*this)(i); }
    double& operator[](unsigned int i) { return (*this)(i); }

    MVector operator-(const MPoint& other) const {
        return MVector(x - other.x, y - other.y, z - other.z);
    }
    MPoint operator+(const MVector& v) const { return MPoint(x + v.x, y + v.y, z + v.z, w); }
    MPoint operator-(const MVector& v) const { return MPoint(x - v.x, y - v.y, z - v.z, w); }
    MPoint& operator+=(const MVector& v);
    MPoint& operator-=(const MVector& v);
    MPoint operator*(double scale) const { return MPoint(x * scale, y * scale, z * scale, w); }
    MPoint operator/(double scale) const { return MPoint(x / scale, y / scale, z / scale, w); }
    friend MPoint operator*(double scale, const MPoint& p) { return p * scale; }
    MPoint operator*(const MMatrix& right) const;
    MPoint& operator*=(const MMatrix& right);
    MPoint& operator*=(double scale);
    bool operator==(const MPoint& other) const;
    bool operator!=(const MPoint& other) const;

    friend std::ostream& operator<<(std::ostream& os, const MPoint& p);

    static const MPoint origin;

    double x, y, z, w;
};
