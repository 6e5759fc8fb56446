#pragma once
// Single-precision 3D vector. operator* between vectors is the dot product, operator^ the cross.
#include <maya/MStatus.h>
#include <maya/MVector.h>
#include <cmath>
#include <iosfwd>

class MPoint;
class MFloatPoint;
class MFloatMatrix;

#define MFloatVector_kTol 1.0e-5F

class MFloatVector {
public:
    MFloatVector() : x(0.0f), y(0.0f), z(0.0f) {}
    MFloatVector(const MFloatVector& src) = default;
    MFloatVector(const MVector& src);
    MFloatVector(const MFloatPoint& src);
    MFloatVector(const MPoint& src);
    MFloatVector(float xx, float yy, float zz = 0.0f) : x(xx), y(yy), z(zz) {}
    MFloatVector(const float f[3]) : x(f[0]), y(f[1]), z(f[2]) {}
    MFloatVector(const double d[3])
        : x(static_cast<float>(d[0])), y(static_cast<float>(d[1])), z(static_cast<float>(d[2])) {}
    ~MFloatVector() = default;
    MFloatVector& operator=(const MFloatVector& src) = default;

    float operator()(unsigned int i) const { return i == 0 ? x : (i == 1 ? y : z); }
    float& operator()(unsigned int i) { return i == 0 ? x : (i == 1 ? y : z); }
    float operator[](unsigned int i) const { return (*this)(i); }
    float& operator[](unsigned int i) { return (*this)(i); }
    MStatus get(float dest[3]) const;

    MFloatVector operator^(const MFloatVector& right) const;
    float operator*(const MFloatVector& right) const {
        return x * right.x + y * right.y + z * right.z;
    }
    MFloatVector operator*(float scalar) const {
        return MFloatVector(x * scalar, y * scalar, z * scalar);
    }
    friend MFloatVector operator*(float scalar, const MFloatVector& v) { return v * scalar; }
    MFloatVector operator/(float scalar) const {
        return MFloatVector(x / scalar, y / scalar, z / scalar);
    }
    MFloatVector operator+(const MFloatVector& other) const {
        return MFloatVector(x + other.x, y + other.y, z + other.z);
    }
    MFloatVector operator-(const MFloatVector& other) const {
        return MFloatVector(x - other.x, y - other.y, z - other.z);
    }
    MFloatVector operator-() const { return MFloatVector(-x, -y, -z); }
    MFloatVector& operator+=(const MFloatVector& other);
    MFloatVector& operator-=(const MFloatVector& other);
    MFloatVector& operator*=(float scalar);
    MFloatVector& operator/=(float scalar);
    MFloatVector operator*(const MFloatMatrix& right) const;
    bool operator==(const MFloatVector& other) const;
    bool operator!=(const MFloatVector& other) const;

    float length() const;
    MFloatVector normal() const;
    // Each component divided by the length; a zero vector stays zero. Inline, as in the devkit.
    MStatus normalize() {
        const float len = std::sqrt(x * x + y * y + z * z);
        if (len > 0.0f) {
            x /= len;
            y /= len;
            z /= len;
        }
        return MS::kSuccess;
    }
    float angle(const MFloatVector& other) const;
    bool isEquivalent(const MFloatVector& other, float tolerance = MFloatVector_kTol) const;
    bool isParallel(const MFloatVector& other, float tolerance = MFloatVector_kTol) const;

    friend std::ostream& operator<<(std::ostream& os, const MFloatVector& v);

    static const MFloatVector zero;
    static const MFloatVector one;
    static const MFloatVector xAxis;
    static const MFloatVector yAxis;
    static const MFloatVector zAxis;

    float x, y, z;
};

// Inline: deformers convert per vertex, and a call cost more than the conversion itself.
inline MFloatVector::MFloatVector(const MVector& src)
    : x(static_cast<float>(src.x)), y(static_cast<float>(src.y)), z(static_cast<float>(src.z)) {}
inline MVector::MVector(const MFloatVector& src) : x(src.x), y(src.y), z(src.z) {}
