#include "scene/transform_math.h"

#include <algorithm>
#include <cmath>

namespace scene {

namespace {

void multiply(const double a[4][4], const double b[4][4], double out[4][4]) {
    double r[4][4];
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            r[i][j] = 0.0;
            for (int k = 0; k < 4; ++k)
                r[i][j] += a[i][k] * b[k][j];
        }
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            out[i][j] = r[i][j];
}

void identity(double m[4][4]) {
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            m[i][j] = i == j ? 1.0 : 0.0;
}

// Rotation about one axis for row vectors; axes a and b span the plane of rotation.
void rotation(int a, int b, double degrees, double m[4][4]) {
    const double radians = degrees * M_PI / 180.0;
    const double c = std::cos(radians), s = std::sin(radians);
    identity(m);
    m[a][a] = c;
    m[a][b] = s;
    m[b][a] = -s;
    m[b][b] = c;
}

void translation(const double t[3], double sign, double m[4][4]) {
    identity(m);
    for (int i = 0; i < 3; ++i)
        m[3][i] = sign * t[i];
}

const int kOrders[6][3] = {{0, 1, 2}, {1, 2, 0}, {2, 0, 1}, {0, 2, 1}, {1, 0, 2}, {2, 1, 0}};

// Rotations about X, Y and Z in the order given (for row vectors, the first turns first).
void rotations(const double degrees[3], int order, double out[4][4]) {
    static const int kPlanes[3][2] = {{1, 2}, {2, 0}, {0, 1}};
    identity(out);
    const int* axes = kOrders[order >= 0 && order < 6 ? order : 0];
    for (int k = 0; k < 3; ++k) {
        double r[4][4];
        const int axis = axes[k];
        rotation(kPlanes[axis][0], kPlanes[axis][1], degrees[axis], r);
        multiply(out, r, out);
    }
}

} // namespace

void eulerDegrees(const double r[3][3], int order, double degrees[3]) {
    const int* axes = kOrders[order >= 0 && order < 6 ? order : 0];
    const int i = axes[0], j = axes[1], k = axes[2];
    const double s = order < 3 ? 1.0 : -1.0; // odd orders turn the other way round
    // In column-vector form C = Rk Rj Ri, with C the transpose of r.
    auto c = [&r](int row, int column) { return r[column][row]; };
    const double sinMiddle = std::clamp(-s * c(k, i), -1.0, 1.0);
    double first, middle = std::asin(sinMiddle), last;
    if (std::fabs(sinMiddle) < 1.0 - 1e-12) {
        first = std::atan2(s * c(k, j), c(k, k));
        last = std::atan2(s * c(j, i), c(i, i));
    } else {
        first = std::atan2(-s * c(j, k), c(j, j));
        last = 0.0;
    }
    degrees[i] = first * 180.0 / M_PI;
    degrees[j] = middle * 180.0 / M_PI;
    degrees[k] = last * 180.0 / M_PI;
}

void composeTransform(const TransformValues& v, double out[4][4]) {
    double m[4][4];
    identity(out);
    auto then = [&out, &m]() { multiply(out, m, out); };
    if (!v.joint) {
        translation(v.scalePivot, -1.0, m), then();
    }
    identity(m);
    for (int i = 0; i < 3; ++i)
        m[i][i] = v.scale[i];
    then();
    identity(m);
    m[1][0] = v.shear[0];
    m[2][0] = v.shear[1];
    m[2][1] = v.shear[2];
    then();
    if (!v.joint) {
        translation(v.scalePivot, 1.0, m), then();
        translation(v.scalePivotTranslate, 1.0, m), then();
        translation(v.rotatePivot, -1.0, m), then();
    }
    rotations(v.rotateAxis, 0, m), then();
    rotations(v.rotate, v.rotateOrder, m), then();
    if (v.joint) {
        rotations(v.jointOrient, 0, m), then();
        identity(m);
        for (int i = 0; i < 3; ++i)
            m[i][i] = v.inverseScale[i] != 0.0 ? 1.0 / v.inverseScale[i] : 1.0;
        then();
    } else {
        translation(v.rotatePivot, 1.0, m), then();
        translation(v.rotatePivotTranslate, 1.0, m), then();
    }
    translation(v.translate, 1.0, m), then();
}

void composeTransform(const double translate[3], const double rotateDegrees[3],
                      const double scale[3], double out[4][4]) {
    TransformValues v;
    for (int i = 0; i < 3; ++i) {
        v.translate[i] = translate[i];
        v.rotate[i] = rotateDegrees[i];
        v.scale[i] = scale[i];
    }
    composeTransform(v, out);
}

void decomposeTransform(const double m[4][4], double translate[3], double rotateDegrees[3],
                        double scale[3]) {
    double r[3][3];
    for (int i = 0; i < 3; ++i) {
        translate[i] = m[3][i];
        scale[i] = std::sqrt(m[i][0] * m[i][0] + m[i][1] * m[i][1] + m[i][2] * m[i][2]);
        for (int j = 0; j < 3; ++j)
            r[i][j] = scale[i] > 0.0 ? m[i][j] / scale[i] : (i == j ? 1.0 : 0.0);
    }
    const double det = r[0][0] * (r[1][1] * r[2][2] - r[1][2] * r[2][1]) -
                       r[0][1] * (r[1][0] * r[2][2] - r[1][2] * r[2][0]) +
                       r[0][2] * (r[1][0] * r[2][1] - r[1][1] * r[2][0]);
    if (det < 0.0) {
        scale[0] = -scale[0];
        for (double& v : r[0])
            v = -v;
    }
    // R = Rx(a) Ry(b) Rz(c): r[0][2] = -sin b, r[1][2] = sin a cos b, r[2][2] = cos a cos b,
    // r[0][1] = cos b sin c, r[0][0] = cos b cos c.
    const double sb = std::clamp(-r[0][2], -1.0, 1.0);
    double a, b = std::asin(sb), c;
    if (std::fabs(sb) < 1.0 - 1e-12) {
        a = std::atan2(r[1][2], r[2][2]);
        c = std::atan2(r[0][1], r[0][0]);
    } else {
        a = std::atan2(r[1][0] * sb, r[1][1]);
        c = 0.0;
    }
    rotateDegrees[0] = a * 180.0 / M_PI;
    rotateDegrees[1] = b * 180.0 / M_PI;
    rotateDegrees[2] = c * 180.0 / M_PI;
}

} // namespace scene
