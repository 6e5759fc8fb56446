#pragma once
// Double-precision 3-vectors for the ray caster's geometry; states get them as miVector.
#include <shader.h>

#include <cmath>

namespace rayhost {

struct Vec3 {
    double x = 0, y = 0, z = 0;
};

inline Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec3 operator-(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec3 operator-(Vec3 a) {
    return {-a.x, -a.y, -a.z};
}
inline Vec3 operator*(Vec3 a, double s) {
    return {a.x * s, a.y * s, a.z * s};
}
inline double dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Vec3 cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double length(Vec3 a) {
    return std::sqrt(dot(a, a));
}
// The zero vector stays zero.
inline Vec3 normalized(Vec3 a) {
    const double l = length(a);
    return l > 0 ? a * (1.0 / l) : a;
}
inline miVector toMiVector(Vec3 a) {
    return {static_cast<miScalar>(a.x), static_cast<miScalar>(a.y), static_cast<miScalar>(a.z)};
}
inline Vec3 fromMiVector(const miVector& a) {
    return {a.x, a.y, a.z};
}

struct Ray {
    Vec3 origin;
    Vec3 direction; // unit length
};

} // namespace rayhost
