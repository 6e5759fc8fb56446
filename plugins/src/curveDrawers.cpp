#include "drawers.h"
#include "drawerEmit.h"

#include <cmath>
#include <initializer_list>

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

DrawerBatches Circle::vertices() const {
    const int circlePlane = plane;
    DrawerBatch batch;
    appendArc(batch, 1, kStepsPerTurn,
              [circlePlane](float a) { return circlePoint(circlePlane, a); });
    return {batch};
}

void Circle::draw(GLenum mode) {
    emitBatches(mode, vertices());
}

DrawerBatches Arch::vertices() const {
    const double innerRadius = 0.7;
    DrawerBatch batch;
    appendArc(batch, 1, kStepsPerHalfTurn, [](float a) { return circlePoint(1, a); });
    appendArc(batch, 1, kStepsPerHalfTurn, [innerRadius](float a) {
        const DrawerVertex outer = circlePoint(1, a);
        return DrawerVertex{scaled(outer.x, innerRadius), 0, scaled(outer.z, innerRadius)};
    });
    static const DrawerVertex closing[] = {{1, 0, 0}, {0.7f, 0, 0}, {-1, 0, 0}, {-0.7f, 0, 0}};
    appendSegments(batch, closing);
    return {batch};
}

void Arch::draw(GLenum mode) {
    emitBatches(mode, vertices());
}

DrawerBatches Ellipse1::vertices() const {
    // Two half circles of radius 0.5 centred half a unit before and behind the origin.
    const auto halfCircle = [](double zOffset) {
        return [zOffset](float a) {
            const DrawerVertex unit = circlePoint(1, a);
            return DrawerVertex{scaled(unit.x, 0.5), 0, scaled(unit.z, 0.5, zOffset)};
        };
    };
    DrawerBatch batch;
    appendArc(batch, 1, kStepsPerHalfTurn, halfCircle(-0.5));
    appendArc(batch, kStepsPerHalfTurn + 1, kStepsPerTurn, halfCircle(0.5));
    static const DrawerVertex sides[] = {
        {0.5f, 0, 0.5f}, {0.5f, 0, -0.5f}, {-0.5f, 0, 0.5f}, {-0.5f, 0, -0.5f}};
    appendSegments(batch, sides);
    return {batch};
}

void Ellipse1::draw(GLenum mode) {
    emitBatches(mode, vertices());
}

// Three great circles: XZ, then YZ, then XY.
DrawerBatches Sphere::vertices() const {
    DrawerBatches batches;
    for (int plane : {1, 0, 2})
        batches.push_back(Circle(plane).vertices().front());
    return batches;
}

void Sphere::draw(GLenum mode) {
    emitBatches(mode, vertices());
}

// A circle with its inscribed triangle.
DrawerBatches Root::vertices() const {
    return {Circle(1).vertices().front(), Triangle().vertices().front()};
}

void Root::draw(GLenum mode) {
    emitBatches(mode, vertices());
}
