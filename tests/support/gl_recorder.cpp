#include "gl_recorder.h"

#include <GL/gl.h>

#include <algorithm>

namespace glrec {
namespace {
Recorder* current = nullptr;
}

Recorder* activeRecorder() {
    return current;
}

Recorder::Recorder(Detail detail) : detail_(detail) {
    if (current)
        current->stop();
    current = this;
}

Recorder::~Recorder() {
    stop();
}

void Recorder::stop() {
    active_ = false;
    if (current == this)
        current = nullptr;
}

void Recorder::add(Call call) {
    if (active_)
        calls_.push_back(std::move(call));
}

int Recorder::count(const std::string& name) const {
    return static_cast<int>(
        std::count_if(calls_.begin(), calls_.end(), [&](const Call& c) { return c.name == name; }));
}

std::vector<Batch> groupBatches(const std::vector<Call>& calls) {
    std::vector<Batch> result;
    bool open = false;
    for (const Call& call : calls) {
        if (call.name == "glBegin") {
            result.push_back(Batch{static_cast<unsigned>(call.args.at(0)), {}});
            open = true;
        } else if (call.name == "glEnd") {
            open = false;
        } else if (open && call.name.rfind("glVertex", 0) == 0) {
            std::array<double, 3> v{0, 0, 0};
            std::copy_n(call.args.begin(), std::min<std::size_t>(3, call.args.size()), v.begin());
            result.back().vertices.push_back(v);
        }
    }
    return result;
}

std::string Recorder::bitmapText() const {
    std::string text;
    for (const Call& call : calls_)
        if (call.name == "glutBitmapCharacter")
            text += static_cast<char>(static_cast<int>(call.args.at(0)));
    return text;
}

DrawState readDrawState() {
    DrawState state;
    GLint value = 0;
    GLboolean flag = GL_FALSE;
    state.blend = glIsEnabled(GL_BLEND);
    glGetIntegerv(GL_BLEND_SRC, &value);
    state.blendSrc = value;
    glGetIntegerv(GL_BLEND_DST, &value);
    state.blendDst = value;
    state.depthTest = glIsEnabled(GL_DEPTH_TEST);
    glGetIntegerv(GL_DEPTH_FUNC, &value);
    state.depthFunc = value;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &flag);
    state.depthMask = flag == GL_TRUE;
    glGetDoublev(GL_DEPTH_CLEAR_VALUE, &state.depthClear);
    glGetFloatv(GL_LINE_WIDTH, &state.lineWidth);
    glGetFloatv(GL_POINT_SIZE, &state.pointSize);
    return state;
}

} // namespace glrec
