#pragma once
// Whether a contour runs between two neighbouring samples, on plain values.
#include "records.h"

namespace quillomar::contour {

// The parameter block of contourContrast, in its declared order. Its booleans are read as the
// 32-bit words they are, so that any value but 0 is true.
struct ContrastParameters {
    miScalar depthDelta;
    miScalar angleDelta; // degrees
    miInteger diffMaterial;
    miInteger diffLabel;
    miInteger diffIndex;
    miInteger diffInstance;
    miInteger colorContrast;
    miInteger minLevel;
    miInteger maxLevel;
};

// The tests in their fixed order, the first that decides ending it: level range, one absent
// sample, normal angle, depth step across primitives, material, label, instance, primitive,
// colour against `threshold` (red, green, blue). Every comparison is strict. Either info may
// be null; with both null there is no contour and neither is read.
bool contourBetween(const ContourInfo* first, const ContourInfo* second, int level,
                    const ContrastParameters& parameters, const miColor& threshold);

} // namespace quillomar::contour
