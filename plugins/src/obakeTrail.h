#pragma once
// The arithmetic of the obakeDeformer: where each vertex lands when it trails behind its motion.
// Plain functions over plain values and arrays; the node gathers the arrays through Maya.
#include <maya/MFloatVector.h>
#include <maya/MPoint.h>

// The node's four scalar settings for one evaluation.
struct TrailSettings {
    float threshold = 0.0f;
    float strength = 1.0f;
    float scale = 1.0f;
    float envelope = 1.0f;
};

// One evaluation's per-vertex inputs, `count` entries each.
struct TrailArrays {
    const MPoint* current = nullptr;       // positions now
    const MPoint* previous = nullptr;      // at the last active evaluation
    const MPoint* older = nullptr;         // at the active evaluation before that
    const MFloatVector* normals = nullptr; // angle-weighted vertex normals
    const MFloatVector* noise = nullptr;   // sampled texture colours (red, green, blue)
    const float* weights = nullptr;        // painted weights
    unsigned int count = 0;
};

// 0.298912 r + 0.586611 g + 0.11447 b, in double, rounded to float: white gives 0.999993.
float luminance(float r, float g, float b);

// a + (b - a) t.
MPoint lerpPoint(const MPoint& a, const MPoint& b, double t);

// Where a vertex now at `current`, at `previous` last time and at `older` the time before,
// lands: on the quadratic Bezier curve from `previous` through the previous position pushed on
// along the mean of the last two steps to `current`, at a parameter that falls from 1 (stay at
// `current`) as the vertex moves against its normal and as weight, texture brightness and the
// settings grow. Vertices that moved less than the threshold allows stay where they are.
MPoint trailVertex(const MPoint& current, const MPoint& previous, const MPoint& older,
                   const MFloatVector& normal, const MFloatVector& noise, float weight,
                   const TrailSettings& settings);

// trailVertex for every vertex, in parallel (OpenMP, static schedule: one contiguous block of
// vertices per thread). Reads only the arrays; writes result[i] for each vertex i.
void trailVertices(const TrailArrays& arrays, const TrailSettings& settings, MPoint* result);
