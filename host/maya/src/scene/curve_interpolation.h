#pragma once
// A curve that passes through given edit points: global interpolation with parameters spaced
// uniformly or by chord length and knots averaged from them, clamped at both ends.
#include "scene/curve_geometry.h"
#include "scene/mesh_geometry.h"

#include <vector>

namespace scene {

// False when there are fewer than degree + 1 points or the degree is below 1. The knots run
// from 0 to the number of spans.
bool interpolateCurve(const std::vector<Vec3>& points, int degree, bool uniformParam,
                      CurveGeometry& curve);

} // namespace scene
