#pragma once
// The records the contour functions exchange with the renderer: a material's contour settings and
// the contour info record kept per sample. Both are laid out word by word as the renderer and
// scenes expect, so their sizes are fixed.
#include <shader.h>

namespace quillomar::contour {

// What a material asks of its contour lines, in the order the info record carries it.
struct ContourSettings {
    miColor contourColor;
    miScalar widthRamp;
    miScalar widthMin;
    miScalar widthMax;
    miInteger overrideContrast; // a boolean's word: any value but 0 is true
    miScalar overrideAngle;
    miScalar overrideDepth;
    miScalar falloffBase;
    miScalar nearDepth;
    miScalar nearFactor;
    miScalar farDepth;
    miScalar farFactor;
};
static_assert(sizeof(ContourSettings) == 15 * 4, "contour settings are fifteen 32-bit words");

// What contourStore records for one sample.
struct ContourInfo {
    miVector point; // z is the depth: negative in front of the camera
    miVector normal;
    miColor color;
    miTag material;
    miInteger level; // states from this one up its parent chain, itself included
    miInteger label;
    miInteger index; // primitive hit
    miVector normalGeom;
    miTag instance;
    ContourSettings settings;
};
static_assert(sizeof(ContourInfo) == 132, "the contour info record is 33 32-bit words");

inline constexpr int kContourInfoSize = static_cast<int>(sizeof(ContourInfo));

} // namespace quillomar::contour
