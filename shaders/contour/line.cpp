#include "line.h"

#include "samples.h"

#include <cmath>

namespace quillomar::contour {

float baseWidth(const ContourSettings& s) {
    return s.widthRamp * (s.widthMax - s.widthMin) + s.widthMin;
}

float falloff(float base, float d) {
    return powf(base, 1.0f - (d + 1.0f) * 0.5f);
}

float depthFactor(float z, const ContourSettings& s) {
    const float zn = -std::fabs(s.nearDepth);
    const float zf = -std::fabs(s.farDepth);
    if (z > zn) {
        return s.nearFactor;
    }
    if (zf > z) {
        return s.farFactor;
    }
    // Equal near and far depths leave no span to interpolate over; z then lies at both.
    const float t = zf != zn ? (z - zn) / (zf - zn) : 0.0f;
    return t * (s.farFactor - s.nearFactor) + s.nearFactor;
}

LineEnd lineEnd(const ContourInfo* nearInfo, const ContourInfo* farInfo) {
    const ContourInfo* front = frontSample(nearInfo, farInfo);
    if (front == nullptr) {
        return {{0.0f, 0.0f, 0.0f, 1.0f}, 0.0f};
    }
    const ContourSettings& s = front->settings;
    const float w = baseWidth(s);
    const float f = nearInfo != nullptr && farInfo != nullptr
                        ? falloff(s.falloffBase, dot(nearInfo->normal, farInfo->normal))
                        : s.falloffBase * 0.5f;
    const ContourInfo& depthSample = nearInfo != nullptr ? *nearInfo : *farInfo;
    const float d = depthFactor(depthSample.point.z, s);
    return {{s.contourColor.r, s.contourColor.g, s.contourColor.b, 1.0f}, f * w * d};
}

} // namespace quillomar::contour
