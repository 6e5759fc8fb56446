#pragma once
// Helpers over pairs of contour info records shared by the contrast test and the line shader.
#include "records.h"

namespace quillomar::contour {

// The 32-bit dot product, summed in this order: (y * y' + x * x') + z * z'. Contour decisions
// compare against it, so the order is part of the result.
inline float dot(const miVector& a, const miVector& b) {
    const float yx = a.y * b.y + a.x * b.x;
    return yx + a.z * b.z;
}

// The sample nearer the camera, whose settings decide: the second only when its depth is
// greater; the present one when the other is absent; null when both are.
inline const ContourInfo* frontSample(const ContourInfo* first, const ContourInfo* second) {
    if (first == nullptr) {
        return second;
    }
    if (second == nullptr) {
        return first;
    }
    return second->point.z > first->point.z ? second : first;
}

} // namespace quillomar::contour
