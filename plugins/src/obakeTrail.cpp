#include "obakeTrail.h"

#include <maya/MVector.h>

// SSE2 is part of every x86-64 processor, the only targets of the plug-in.
#include <emmintrin.h>

float luminance(float r, float g, float b) {
    return static_cast<float>(0.298912 * r + 0.586611 * g + 0.11447 * b);
}

MPoint lerpPoint(const MPoint& a, const MPoint& b, double t) {
    return a + (b - a) * t;
}

namespace {

// Lane by lane: `a` where `mask` is set, `b` elsewhere.
__m128 select(__m128 mask, __m128 a, __m128 b) {
    return _mm_or_ps(_mm_and_ps(mask, a), _mm_andnot_ps(mask, b));
}

// Normalises a and b at once, a in lane 0 and b in lane 1: one square root and three divisions
// for both instead of two and six (the divider is what the vertex loop waits for). Each lane
// rounds exactly as MFloatVector::normalize does, and a zero vector stays zero.
void normalizeBoth(MFloatVector& a, MFloatVector& b) {
    const __m128 x = _mm_setr_ps(a.x, b.x, 0.0f, 0.0f);
    const __m128 y = _mm_setr_ps(a.y, b.y, 0.0f, 0.0f);
    const __m128 z = _mm_setr_ps(a.z, b.z, 0.0f, 0.0f);
    const __m128 squared =
        _mm_add_ps(_mm_add_ps(_mm_mul_ps(x, x), _mm_mul_ps(y, y)), _mm_mul_ps(z, z));
    const __m128 length = _mm_sqrt_ps(squared);
    const __m128 positive = _mm_cmpgt_ps(length, _mm_setzero_ps());
    alignas(16) float ux[4], uy[4], uz[4];
    _mm_store_ps(ux, select(positive, _mm_div_ps(x, length), x));
    _mm_store_ps(uy, select(positive, _mm_div_ps(y, length), y));
    _mm_store_ps(uz, select(positive, _mm_div_ps(z, length), z));
    a = MFloatVector(ux[0], uy[0], uz[0]);
    b = MFloatVector(ux[1], uy[1], uz[1]);
}

// MFloatVector::normalize with the three divisions in one.
void normalizeOne(MFloatVector& v) {
    const float squared = v.x * v.x + v.y * v.y + v.z * v.z;
    const __m128 length = _mm_sqrt_ps(_mm_set1_ps(squared));
    if (!(_mm_cvtss_f32(length) > 0.0f))
        return;
    alignas(16) float unit[4];
    _mm_store_ps(unit, _mm_div_ps(_mm_setr_ps(v.x, v.y, v.z, 0.0f), length));
    v = MFloatVector(unit[0], unit[1], unit[2]);
}

} // namespace

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
    MFloatVector b(previous - older);
    normalizeBoth(a, b);
    MFloatVector mean = a + b;
    normalizeOne(mean);
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
