#pragma once
// The vertex lists of the shape drawers, shared by the legacy OpenGL draw and the Viewport 2.0
// override: a batch is what one glBegin/glEnd emits, its consecutive vertex pairs the segments.
#include <cstddef>
#include <vector>

struct DrawerVertex {
    float x, y, z;
};

using DrawerBatch = std::vector<DrawerVertex>;
using DrawerBatches = std::vector<DrawerBatch>;

// Segments from the point at step i-1 to the point at step i, for i = firstStep..lastStep;
// pointAt maps an angle to a vertex.
template <class PointAt>
void appendArc(DrawerBatch& batch, int firstStep, int lastStep, PointAt pointAt);

// Edges P0-P1, P1-P2, ..., Pn-P0, each as one vertex pair.
void appendOutline(DrawerBatch& batch, const DrawerVertex* points, std::size_t count);

// Vertices as given: consecutive pairs are segments.
void appendSegments(DrawerBatch& batch, const DrawerVertex* points, std::size_t count);

template <std::size_t N> void appendOutline(DrawerBatch& batch, const DrawerVertex (&points)[N]) {
    appendOutline(batch, points, N);
}

template <std::size_t N> void appendSegments(DrawerBatch& batch, const DrawerVertex (&points)[N]) {
    appendSegments(batch, points, N);
}

// A batch of just the outline or the segments of `points`.
template <std::size_t N> DrawerBatch outlineOf(const DrawerVertex (&points)[N]) {
    DrawerBatch batch;
    appendOutline(batch, points, N);
    return batch;
}

template <std::size_t N> DrawerBatch segmentsOf(const DrawerVertex (&points)[N]) {
    return DrawerBatch(points, points + N);
}

// Each batch as one glBegin(mode) with its vertices (glVertex3f) and one glEnd.
void emitBatches(unsigned int mode, const DrawerBatches& batches);

// Angle of step i on the 64-step turn that starts at pi/2, in single precision as the markers
// have always been drawn.
float drawerAngle(int step);

template <class PointAt>
void appendArc(DrawerBatch& batch, int firstStep, int lastStep, PointAt pointAt) {
    for (int step = firstStep; step <= lastStep; ++step) {
        batch.push_back(pointAt(drawerAngle(step - 1)));
        batch.push_back(pointAt(drawerAngle(step)));
    }
}
