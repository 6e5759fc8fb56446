#pragma once
// Homogeneous single-precision point.
#include <maya/MStatus.h>
#include <maya/MFloatVector.h>
#include <iosfwd>

class MPoint;
class MVector;
class MFloatMatrix;

#define MFloatPoint_kTol 1.0e-5F

class MFloatPoint {
public:
    MFloatPoint() : x(0.0f), y(0.0f), z(0.0f), w(1.0f) {}
    MFloatPoint(const MFloatPoint& src) = default;
    MFloatPoint(const MPoint& src);
    MFloatPoint(const MFloatVector& src) : x(src.x), y(src.y), z(src.z), w(1.0f) {}
    MFloatPoint(const MVector& src);
    MFloatPoint(float xx, float yy, float zz = 0.0f, float ww = 1.0f)
        : x(xx), y(yy), z(zz), w(ww) {}
    MFloatPoint(const float f[4]) : x(f[0]), y(f[1]), z(f[2]), w(f[3]) {}
    MFloatPoint(const double d[4]);
    ~MFloatPoint() = default;
    MFloatPoint& operator=(const MFloatPoint& src) = default;

    MStatus get(double dest[4]) const;
    MStatus get(float dest[4]) const;
    MStatus setCast(const MPoint& src);
    MStatus setCast(const MVector& src);
    MStatus setCast(const double d[4]);
    MFloatPoint& cartesianize();
    MFloatPoint& rationalize();
    MFloatPoint& homogenize();
    float distanceTo(const MFloatPoint& other) const;
    bool isEquivalent(const MFloatPoint& other, float tolerance = MFloatPoint_kTol) const;

    float operator()(unsigned int i) const;
    float& operator()(unsigned int i);
    float operator[](unsigned int i) const { return (*this)(i); }
    float& operator[](unsigned int i) { return (*this)(i); }

    MFloatVector operator-(const MFloatPoint& other) const {
        return MFloatVector(x - other.x, y - other.y, z - other.z);
    }
    MFloatPoint operator+(const MFloatVector& v) const {
        return MFloatPoint(x + v.x, y + v.y, z + v.z, w);
    }
    MFloatPoint operator-(const MFloatVector& v) const {
        return MFloatPoint(x - v.x, y - v.y, z - v.z, w);
    }
    MFloatPoint& operator+=(const MFloatVector& v);
    MFloatPoint& operator-=(const MFloatVector& v);
    MFloatPoint operator*(float scale) const {
        return MFloatPoint(x * scale, y * scale, z * scale, w);
    }
    MFloatPoint operator*(const MFloatMatrix& right) const;
    bool operator==(const MFloatPoint& other) const;
    bool operator!=(const MFloatPoint& other) const;

    friend std::ostream& operator<<(std::ostream& os, const MFloatPoint& p);

    static const MFloatPoint origin;

    float x, y, z, w;
};
