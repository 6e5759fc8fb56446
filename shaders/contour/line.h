#pragma once
// The colour and width of a contour point, on plain values.
#include "records.h"

namespace quillomar::contour {

// widthRamp * (widthMax - widthMin) + widthMin.
float baseWidth(const ContourSettings& settings);

// powf(base, 1 - (d + 1) * 0.5) for normals with dot product d: 1 for parallel normals (even
// with base 0), base for opposite ones.
float falloff(float base, float d);

// The width factor at depth z (negative in front of the camera): nearFactor nearer than
// -|nearDepth|, farFactor beyond -|farDepth|, interpolated in between, with z exactly at
// -|nearDepth| interpolating to nearFactor.
float depthFactor(float z, const ContourSettings& settings);

struct LineEnd {
    miColor color;
    miScalar width;
};

// The line at a contour point between the near sample and the far one, taken with the settings
// of the one in front. Without a far sample the fall-off is half its base; without a near one
// the far sample stands in for it; with neither the line has width 0.
LineEnd lineEnd(const ContourInfo* nearInfo, const ContourInfo* farInfo);

} // namespace quillomar::contour
