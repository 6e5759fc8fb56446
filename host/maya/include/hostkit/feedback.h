#pragma once
// OpenGL feedback records (GL_3D_COLOR, RGBA): what a draw would have rasterised, in window
// coordinates, without rasterising it. Tests use them for exact vertex and raster positions.
#include <cstddef>
#include <string>
#include <vector>

namespace hostkit {

struct FeedbackVertex {
    float x = 0, y = 0, z = 0; // window coordinates: pixels from the bottom-left, depth 0..1
    float r = 0, g = 0, b = 0, a = 0;
};

struct FeedbackRecord {
    enum Kind { kPoint, kLine, kPolygon, kBitmap, kDrawPixel, kCopyPixel, kPassThrough };
    Kind kind = kPoint;
    bool lineReset = false; // a line that starts a new strip or loop (GL_LINE_RESET_TOKEN)
    std::vector<FeedbackVertex> vertices;
    float passThrough = 0; // the value given to glPassThrough
};

// Parses `count` floats of a GL_3D_COLOR feedback buffer in RGBA mode. Throws
// std::runtime_error on an unknown token or a record cut short.
std::vector<FeedbackRecord> parseFeedback(const float* data, std::size_t count);

const char* feedbackKindName(FeedbackRecord::Kind kind);

} // namespace hostkit
