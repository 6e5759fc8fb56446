#pragma once
// One evaluation's per-vertex arrays for the deformer's vertex loop: a mesh moving and turning
// between three evaluations, a grey noise, weights between 0 and 1.
#include "obakeTrail.h"

#include <vector>

struct TrailData {
    std::vector<MPoint> current, previous, older;
    std::vector<MFloatVector> normals, noise;
    std::vector<float> weights;

    explicit TrailData(unsigned int count);
    TrailArrays arrays() const;
};

// The vertex loop's time on `count` vertices with `threads` OpenMP threads, in seconds per run,
// from a few runs (the smallest).
double timeTrailLoop(unsigned int count, int threads);
