#pragma once
// Vertex emission shared by the shape drawers; callers wrap these in glBegin/glEnd.
#include <cstddef>

struct DrawerVertex {
    float x, y, z;
};

void emitVertex(const DrawerVertex& vertex);

// Segments from the point at step i-1 to the point at step i, for i = firstStep..lastStep;
// pointAt maps an angle to a vertex.
template <class PointAt> void emitArc(int firstStep, int lastStep, PointAt pointAt);

// Edges P0-P1, P1-P2, ..., Pn-P0, each as one vertex pair.
void emitOutline(const DrawerVertex* points, std::size_t count);

// Vertices as given: consecutive pairs are segments.
void emitSegments(const DrawerVertex* points, std::size_t count);

template <std::size_t N> void emitOutline(const DrawerVertex (&points)[N]) {
    emitOutline(points, N);
}

template <std::size_t N> void emitSegments(const DrawerVertex (&points)[N]) {
    emitSegments(points, N);
}

// Angle of step i on the 64-step turn that starts at pi/2, in single precision as the markers
// have always been drawn.
float drawerAngle(int step);

template <class PointAt> void emitArc(int firstStep, int lastStep, PointAt pointAt) {
    for (int step = firstStep; step <= lastStep; ++step) {
        emitVertex(pointAt(drawerAngle(step - 1)));
        emitVertex(pointAt(drawerAngle(step)));
    }
}
