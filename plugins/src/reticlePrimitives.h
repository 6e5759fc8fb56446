#pragma once
// The reticle's OpenGL primitives: flat shapes in viewport pixels at depth -nearClip, drawn over
// everything. Colours carry a transparency in alpha, sent to OpenGL as 1 - transparency.
#include "reticleRecords.h"

struct Point2 {
    double x;
    double y;
};

void drawLine(const Point2& from, const Point2& to, const MColor& color, double nearClip);

// The frame's four corners; closed as a loop, else only the bottom and top edges.
void drawFrameOutline(const ReticleFrame& frame, const MColor& color, bool closed, bool stippled,
                      double nearClip);

// Bands between the outer and inner frames: bottom and top, with the left and right sides too
// when asked; together they tile the ring between the two frames.
void drawMask(const ReticleFrame& outer, const ReticleFrame& inner, const MColor& color,
              bool withSides, double nearClip);
