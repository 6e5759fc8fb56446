#pragma once
// What a reticle draws, as plain records in viewport pixels: mask bands, frame outlines, guide
// lines and texts, in drawing order. The legacy draw turns them into OpenGL, the Viewport 2.0
// override into draw manager calls; both take every position from here.
#include "reticleRecords.h"
#include "reticleTextLayout.h"

#include <maya/MColor.h>
#include <maya/MString.h>

#include <array>
#include <vector>

struct Point2 {
    double x;
    double y;
};

// Safe frames are drawn stippled: each bit of the pattern covers `factor` pixels.
const unsigned int kSafeFrameStippleFactor = 2;
const unsigned short kSafeFrameStipplePattern = 0x00FF;

// Corners of a quadrilateral in drawing order.
using Quad = std::array<Point2, 4>;

// The ring between `outer` and `inner` as bands: bottom and top, then the left and right sides
// when asked; together they tile the ring.
struct ReticleMask {
    ReticleFrame outer;
    ReticleFrame inner;
    MColor color; // transparency in alpha
    bool withSides = false;
};

// A frame's outline: its four corners as a loop, or only its bottom and top edges.
struct ReticleOutline {
    ReticleFrame frame;
    MColor color;
    bool closed = false;
    bool stippled = false;
};

struct ReticleLine {
    Point2 from;
    Point2 to;
    MColor color;
};

struct ReticleText {
    MString text;
    TextAnchor anchor;
    int size = 0; // 0 small, 1 medium, 2 large
    int align = kAlignLeft;
    MColor color;
};

struct ReticlePicture {
    std::vector<ReticleMask> masks;
    std::vector<ReticleOutline> outlines;
    std::vector<ReticleLine> lines;
    std::vector<ReticleText> texts;
};

// The masks, outlines (safe frames stippled) and guide lines of the frames computed for a draw;
// texts are left to the text overlay.
ReticlePicture reticleFrames(const std::vector<AspectRatioEntry>& entries,
                             const ReticleFrame& window, const FilmbackState& filmback,
                             const DisplaySettings& settings);

// Bottom-left, bottom-right, top-right, top-left.
Quad frameCorners(const ReticleFrame& frame);
// The bands of a mask in drawing order.
std::vector<Quad> maskBands(const ReticleMask& mask);

// Colour with OpenGL's opacity: 1 - the transparency kept in alpha.
MColor opacityColor(const MColor& color);
