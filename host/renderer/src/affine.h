#pragma once
// Similarity transforms (rotation, uniform scale, translation) that take objects into the
// renderer's camera space.
#include "rayhost/scene.h"
#include "rayhost/vec3.h"

namespace rayhost {

struct Affine {
    double m[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}; // rotation times scale
    Vec3 t;
    double scale = 1;

    Vec3 linear(Vec3 v) const {
        return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z,
                m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
                m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
    }
    Vec3 point(Vec3 p) const { return linear(p) + t; }
    // Directions of normals: rotated only.
    Vec3 normal(Vec3 n) const { return normalized(linear(n)); }
    // Back from camera space into the object's own space.
    Vec3 inversePoint(Vec3 p) const {
        const Vec3 d = p - t;
        const double s2 = scale * scale;
        return {(m[0][0] * d.x + m[1][0] * d.y + m[2][0] * d.z) / s2,
                (m[0][1] * d.x + m[1][1] * d.y + m[2][1] * d.z) / s2,
                (m[0][2] * d.x + m[1][2] * d.y + m[2][2] * d.z) / s2};
    }
};

// Object space to world space by the instance's transform.
Affine objectToWorld(const Transform& transform);
// World space to camera space: the camera at the origin looking down -z, y up. Throws
// SceneError when the camera's aim coincides with its position or its up is along the view.
Affine worldToCamera(const Camera& camera);
// a after b.
Affine compose(const Affine& a, const Affine& b);

} // namespace rayhost
