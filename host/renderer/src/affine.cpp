#include "affine.h"

#include <cmath>

namespace rayhost {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Rotation by `degrees` about one axis (0 x, 1 y, 2 z).
Affine rotation(int axis, double degrees) {
    Affine r;
    const double c = std::cos(degrees * kPi / 180.0);
    const double s = std::sin(degrees * kPi / 180.0);
    const int a = (axis + 1) % 3;
    const int b = (axis + 2) % 3;
    r.m[a][a] = c;
    r.m[a][b] = -s;
    r.m[b][a] = s;
    r.m[b][b] = c;
    return r;
}

} // namespace

Affine compose(const Affine& a, const Affine& b) {
    Affine c;
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            c.m[i][j] = a.m[i][0] * b.m[0][j] + a.m[i][1] * b.m[1][j] + a.m[i][2] * b.m[2][j];
        }
    }
    c.t = a.point(b.t);
    c.scale = a.scale * b.scale;
    return c;
}

Affine objectToWorld(const Transform& transform) {
    Affine scaled;
    for (int i = 0; i < 3; ++i) {
        scaled.m[i][i] = transform.scale;
    }
    scaled.scale = transform.scale;
    Affine placed = compose(rotation(0, transform.rotate.x), scaled);
    placed = compose(rotation(1, transform.rotate.y), placed);
    placed = compose(rotation(2, transform.rotate.z), placed);
    placed.t = transform.translate;
    return placed;
}

Affine worldToCamera(const Camera& camera) {
    const Vec3 forward = normalized(camera.aim - camera.position);
    const Vec3 right = normalized(cross(forward, camera.up));
    if (length(forward) == 0) {
        throw SceneError("the camera's aim is its position");
    }
    if (length(right) == 0) {
        throw SceneError("the camera's up vector lies along its view");
    }
    const Vec3 up = cross(right, forward);
    const Vec3 rows[3] = {right, up, -forward};
    Affine view;
    for (int i = 0; i < 3; ++i) {
        view.m[i][0] = rows[i].x;
        view.m[i][1] = rows[i].y;
        view.m[i][2] = rows[i].z;
    }
    view.t = -view.linear(camera.position);
    return view;
}

} // namespace rayhost
