#pragma once
// Double-precision 3D vector. operator* between vectors is the dot product, operator^ the cross.
#include <maya/MStatus.h>
#include <iosfwd>

class MFloatVector;
class MPoint;
class MFloatPoint;
class MMatrix;

#define MVector_kTol 1.0e-10

class MVector {
public:
    enum Axis { kXaxis, kYaxis, kZaxis, kWaxis };

    MVector() : x(0.0), y(0.0), z(0.0) {}
    MVector(const MVector& src) = default;
    MVector(const MFloatVector& src);
    MVector(const MPoint& src);
    MVector(const MFloatPoint& src);
    MVector(double xx, double yy, double zz = 0.0) : x(xx), y(yy), z(zz) {}
    MVector(const double d[3]) : x(d[0]), y(d[1]), z(d[2]) {}
    MVector(const float f[3]) : x(f[0]), y(f[1]), z(f[2]) {}
    ~MVector() = default;
    MVector& operator=(const MVector& src) = default;

    double operator()(unsigned int i) const { return i == 0 ? x : (i == 1 ? y : z); }
    double& operator()(unsigned int i) { return i == 0 ? x : (i == 1 ? y : z); }
    double operator[](unsigned int i) const { return (*this)(i); }
    double& operator[](unsigned int i) { return (*this)(i); }
    MStatus get(double dest[3]) const;

    MVector operator^(const MVector& right) const;
    double operator*(const MVector& right) const { return x * right.x + y * right.y + z * right.z; }
    MVector operator*(double scalar) const { return MVector(x * scalar, y * scalar, z * scalar); }
    friend MVector operator*(double scalar, const MVector& v) { return v * scalar; }
    MVector operator/(double scalar) const { return MVector(x / scalar, y / scalar, z / scalar); }
    MVector operator+(const MVector& other) const {
        return MVector(x + other.x, y + other.y, z + other.z);
    }
    MVector operator-(const MVector& other) const {
        return MVector(x - other.x, y - other.y, z - other.z);
    }
    MVector operator-() const { return MVector(-x, -y, -z); }
    MVector& operator+=(const MVector& other);
    MVector& operator-=(const MVector& other);
    MVector& operator*=(double scalar);
    MVector& operator/=(double scalar);
    // Transforms as a direction (row vector times the upper 3x3).
    MVector operator*(const MMatrix& right) const;
    MVector& operator*=(const MMatrix& right);
    bool operator==(const MVector& other) const;
    bool operator!=(const MVector& other) const;

    double length() const;
    MVector normal() const;
    MStatus normalize();
    double angle(const MVector& other) const;
    bool isEquivalent(const MVector& other, double tolerance = MVector_kTol) const;
    bool isParallel(const MVector& other, double tolerance = MVector_kTol) const;

    friend std::ostream& operator<<(std::ostream& os, const MVector& v);

    static const MVector zero;
    static const MVector one;
    static const MVector xAxis;
    static const MVector yAxis;
    static const MVector zAxis;
    static const MVector xNegAxis;
    static const MVector yNegAxis;
    static const MVector zNegAxis;

    double x, y, z;
};

// The conversions to and from MFloatVector are inline, defined with that class.
#include <maya/MFloatVector.h>
