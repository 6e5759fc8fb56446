#include "scene/transform_math.h"

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

} // namespace

void composeTransform(const double translate[3], const double rotateDegrees[3],
                      const double scale[3], double out[4][4]) {
    identity(out);
    for (int i = 0; i < 3; ++i)
        out[i][i] = scale[i];
    double r[4][4];
    rotation(1, 2, rotateDegrees[0], r);
    multiply(out, r, out);
    rotation(2, 0, rotateDegrees[1], r);
    multiply(out, r, out);
    rotation(0, 1, rotateDegrees[2], r);
    multiply(out, r, out);
    for (int i = 0; i < 3; ++i)
        out[3][i] += translate[i];
}

} // namespace scene
