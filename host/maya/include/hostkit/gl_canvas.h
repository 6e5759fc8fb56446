#pragma once
// An offscreen OpenGL drawing surface of a fixed size: a framebuffer object (RGBA8 colour,
// depth 24 / stencil 8) in the process's one compatibility context. The viewport draws into one;
// tests may use one directly to draw, read back pixels and capture feedback.
#include <hostkit/feedback.h>

#include <image_io.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace hostkit {

// No X display, no GLX, or no usable framebuffer.
class GlError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The OpenGL state a locator's draw must leave as it found it.
struct GlState {
    int attribStackDepth = 0;
    int clientAttribStackDepth = 0;
    int modelViewStackDepth = 0;
    int projectionStackDepth = 0;
    int matrixMode = 0;
    bool blend = false;
    bool depthTest = false;
    bool depthMask = false;
    bool lineStipple = false;
    bool lighting = false;
    int depthFunc = 0;
    int blendSrc = 0;
    int blendDst = 0;
    int lineStipplePattern = 0;
    int lineStippleRepeat = 0;
    float lineWidth = 0;
    float pointSize = 0;

    bool operator==(const GlState& other) const;
    bool operator!=(const GlState& other) const { return !(*this == other); }
    std::string describe() const;
};

class GlCanvas {
public:
    // Throws GlError when there is no OpenGL, or std::invalid_argument for a size below 1 x 1.
    GlCanvas(int width, int height);
    ~GlCanvas();
    GlCanvas(const GlCanvas&) = delete;
    GlCanvas& operator=(const GlCanvas&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }

    // Makes the context current with this canvas's framebuffer bound and the GL viewport set
    // to the whole canvas.
    void makeCurrent();
    void clear(float red, float green, float blue, float alpha = 1.0f);
    // The pixels, top row first.
    quillomar::Image image();
    // Runs `draw` in feedback mode (GL_3D_COLOR) and returns what it would have drawn; the
    // buffer grows and `draw` runs again while it overflows. Nothing reaches the pixels.
    std::vector<FeedbackRecord> capture(const std::function<void()>& draw);
    GlState state();

private:
    void release();

    int width_;
    int height_;
    unsigned framebuffer_ = 0;
    unsigned colorBuffer_ = 0;
    unsigned depthBuffer_ = 0;
};

} // namespace hostkit
