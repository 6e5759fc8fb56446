#pragma once
// The NURBS curve a curve data object holds, and its text form in scene files:
//   degree spans form rational dimension  knotCount knots...  cvCount cvs...
// (form 0 open, 1 closed, 2 periodic; rational "yes"/"no"; dimension 2 or 3; each CV has
// dimension coordinates, plus a weight when rational).
#include <array>
#include <string>
#include <vector>

namespace scene {

struct CurveGeometry {
    enum Form { kOpen = 0, kClosed = 1, kPeriodic = 2 };
    // Far above any degree in use; keeps knot counts and spans within int.
    static constexpr int kMostDegree = 1024;
    int degree = 1;
    int form = kOpen;
    bool rational = false;
    std::vector<double> knots;
    std::vector<std::array<double, 4>> cvs; // x, y, z, w

    // Empty text when degree, CV count and knot count agree: knots = CVs + degree - 1.
    std::string validate() const;
    // Uniform knots, clamped at both ends for an open curve; the shape of a curve built from
    // CVs alone.
    static std::vector<double> defaultKnots(int cvCount, int degree, int form);
};

std::string formatCurve(const CurveGeometry& curve);
// Reads the words from 'next' on; advances it past the curve. Error text on failure.
std::string parseCurve(const std::vector<std::string>& words, size_t& next, CurveGeometry& curve);

} // namespace scene
