#include "contrast.h"

#include "samples.h"

#include <cmath>

namespace quillomar::contour {

namespace {

constexpr double kPi = 3.14159265358979323846;

bool normalsApart(const ContourInfo& a, const ContourInfo& b, float angle) {
    const double c = std::cos(angle * kPi / 180.0);
    return c > dot(a.normalGeom, b.normalGeom) && c > dot(a.normal, b.normal);
}

bool coloursApart(const miColor& a, const miColor& b, const miColor& threshold) {
    return std::fabs(a.r - b.r) > threshold.r || std::fabs(a.g - b.g) > threshold.g ||
           std::fabs(a.b - b.b) > threshold.b;
}

} // namespace

bool contourBetween(const ContourInfo* first, const ContourInfo* second, int level,
                    const ContrastParameters& parameters, const miColor& threshold) {
    if (level < parameters.minLevel || parameters.maxLevel < level) {
        return false;
    }
    if (first == nullptr || second == nullptr) {
        return first != second; // a sample that hit nothing beside one that did
    }
    const ContourInfo& a = *first;
    const ContourInfo& b = *second;
    const ContourInfo& front = *frontSample(first, second);
    float angle = parameters.angleDelta;
    float depth = parameters.depthDelta;
    if (front.settings.overrideContrast != 0) {
        angle = front.settings.overrideAngle;
        depth = front.settings.overrideDepth;
    }
    if (normalsApart(a, b, angle)) {
        return true;
    }
    if (a.index != b.index && std::fabs(a.point.z - b.point.z) > depth) {
        return true;
    }
    if (parameters.diffMaterial != 0 && a.material != b.material) {
        return true;
    }
    if (parameters.diffLabel != 0 && a.label != b.label) {
        return true;
    }
    if (parameters.diffInstance != 0 && a.instance != b.instance) {
        return true;
    }
    if (parameters.diffIndex != 0 && a.index != b.index) {
        return true;
    }
    if (parameters.colorContrast == 0) {
        return false;
    }
    return coloursApart(a.color, b.color, threshold);
}

} // namespace quillomar::contour
