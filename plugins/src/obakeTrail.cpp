#include "obakeTrail.h"

#include <maya/MVector.h>

float luminance(float r, float g, float b) {
    return static_cast<float>(0.298912 * r + 0.586611 * g + 0.11447 * b);
}

MPoint lerpPoint(const MPoint& a, const MPoint& b, double t) {
    return a + (b - a) * t;
}

// Each step keeps the precision it is stated in: float products and sums where noted, double
// for the curve parameter and the points. The build keeps the compiler from fusing them.
MPoint trailVertex(const MPoint& current, const MPoint& previous, const MPoint& older,
                   const MFloatVector& normal, const MFloatVector& noise, float weight,
                   const TrailSettings& settings) {
    const float d = static_cast<float>(current.distanceTo(previous));
    const float g = luminance(noise.x, noise.y, noise.z);
    if (settings.threshold > weight * settings.strength * d && settings.threshold != 0.0f)
        return current;

    // Normalising a zero vector leaves it zero, so a vertex that did not move stays finite.
    MFloatVector a(current - previous);
    a.normalize();
    MFloatVector b(previous - older);
    b.normalize();
    MFloatVector mean = a + b;
    mean.normalize();
    const MPoint pushed = previous + MVector(mean * d);

    const float dot = a.y * normal.y + a.x * normal.x + a.z * normal.z;
    const double f = (dot + 1.0) * 0.5; // 1 moving along the normal, 0 against it
    const float k = g * weight * settings.strength * settings.scale * settings.envelope;
    const double t = k * f + (1.0 - k); // 1 keeps the current position, 0 the previous one

    const MPoint towardsPushed = lerpPoint(previous, pushed, t);
    const MPoint towardsCurrent = lerpPoint(pushed, current, t);
    return lerpPoint(towardsPushed, towardsCurrent, t);
}

void trailVertices(const TrailArrays& arrays, const TrailSettings& settings, MPoint* result) {
    const int count = static_cast<int>(arrays.count);
#pragma omp parallel for schedule(static)
    for (int i = 0; i < count; ++i)
        result[i] = trailVertex(arrays.current[i], arrays.previous[i], arrays.older[i],
                                arrays.normals[i], arrays.noise[i], arrays.weights[i], settings);
}
