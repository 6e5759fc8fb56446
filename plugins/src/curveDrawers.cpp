#include "drawers.h"
#include "drawerEmit.h"

#include <cmath>

namespace {
const int kStepsPerTurn = 64;
const int kStepsPerHalfTurn = 32;

// Scales a single-precision coordinate in double precision and rounds back, as the inner ring of
// the arch and the ends of the ellipse always have been.
float scaled(float value, double factor, double offset = 0.0) {
    return static_cast<float>(factor * static_cast<double>(value) + offset);
}

DrawerVertex circlePoint(int plane, float angle) {
    const float s = std::sin(angle);
    const float c = std::cos(angle);
    switch (plane) {
    case 1:
        return {s, 0, c};
    case 2:
        return {c, s, 0};
    default:
        return {0, c, s};
    }
}
} // namespace

void Circle::draw(GLenum mode) {
    const int circlePlane = plane;
    glBegin(mode);
    emitArc(1, kStepsPerTurn, [circlePlane](float a) { return circlePoint(circlePlane, a); });
    glEnd();
}

void Arch::draw(GLenum mode) {
    const double innerRadius = 0.7;
    glBegin(mode);
    emitArc(1, kStepsPerHalfTurn, [](float a) { return circlePoint(1, a); });
    emitArc(1, kStepsPerHalfTurn, [innerRadius](float a) {
        const DrawerVertex outer = circlePoint(1, a);
        return DrawerVertex{scaled(outer.x, innerRadius), 0, scaled(outer.z, innerRadius)};
    });
    static const DrawerVertex closing[] = {{1, 0, 0}, {0.7f, 0, 0}, {-1, 0, 0}, {-0.7f, 0, 0}};
    emitSegments(closing);
    glEnd();
}

void Ellipse1::draw(GLenum mode) {
    // Two half circles of radius 0.5 centred half a unit before and behind the origin.
    const auto halfCircle = [](double zOffset) {
        return [zOffset](float a) {
            const DrawerVertex unit = circlePoint(1, a);
            return DrawerVertex{scaled(unit.x, 0.5), 0, scaled(unit.z, 0.5, zOffset)};
        };
    };
    glBegin(mode);
    emitArc(1, kStepsPerHalfTurn, halfCircle(-0.5));
    emitArc(kStepsPerHalfTurn + 1, kStepsPerTurn, halfCircle(0.5));
    static const DrawerVertex sides[] = {
        {0.5f, 0, 0.5f}, {0.5f, 0, -0.5f}, {-0.5f, 0, 0.5f}, {-0.5f, 0, -0.5f}};
    emitSegments(sides);
    glEnd();
}

void Sphere::draw(GLenum mode) {
    Circle(1).draw(mode);
    Circle(0).draw(mode);
    Circle(2).draw(mode);
}

void Root::draw(GLenum mode) {
    Circle(1).draw(mode);
    Triangle().draw(mode);
}
