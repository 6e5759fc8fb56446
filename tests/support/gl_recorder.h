#pragma once
// Records the OpenGL and GLUT calls a locator makes, batch by batch. The test executable itself
// defines the recorded entry points (and exports them), so calls from any module of the process,
// a dlopen'ed plug-in included, reach the recorder first and are then forwarded to the real
// function. Link the `quillomar_gl_recorder` object library to use it. Not thread-safe: OpenGL
// drawing happens on one thread.
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace glrec {

// The OpenGL state that decides how a primitive or a bitmap lands, read right before the call.
struct DrawState {
    bool blend = false;
    int blendSrc = 0;
    int blendDst = 0;
    bool depthTest = false;
    int depthFunc = 0;
    bool depthMask = false;
    double depthClear = 0;
    float lineWidth = 0;
    float pointSize = 0;
};

struct Call {
    std::string name;           // "glBegin", "glVertex3f", "glutBitmapCharacter", ...
    std::vector<double> args;   // numeric arguments in order; GLUT fonts are left out
    const void* font = nullptr; // the font of glutBitmapCharacter
    // For glBegin and glutBitmapCharacter when the recorder reads the draw state.
    std::optional<DrawState> state;
};

struct Batch {
    unsigned mode = 0; // the glBegin mode
    std::vector<std::array<double, 3>> vertices;
};

// glBegin/glEnd pairs with their vertices (glVertex2/3 f/d) among `calls`, in order.
std::vector<Batch> groupBatches(const std::vector<Call>& calls);

// Records while it lives (only one at a time); calls made before or after are not kept.
class Recorder {
public:
    enum Detail { kCalls, kCallsWithDrawState }; // the latter needs a current GL context
    explicit Recorder(Detail detail = kCalls);
    ~Recorder();
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    void stop();
    bool readsDrawState() const { return detail_ == kCallsWithDrawState; }
    const std::vector<Call>& calls() const { return calls_; }
    int count(const std::string& name) const;
    std::vector<Batch> batches() const { return groupBatches(calls_); }
    // The characters passed to glutBitmapCharacter, in order.
    std::string bitmapText() const;

    void add(Call call);

private:
    std::vector<Call> calls_;
    Detail detail_;
    bool active_ = true;
};

// The recorder calls are currently going to, or null.
Recorder* activeRecorder();

// The current context's draw state (not callable between glBegin and glEnd).
DrawState readDrawState();

} // namespace glrec
