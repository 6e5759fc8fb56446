#pragma once
// Calls of shaders whose calling convention is not (result, state, parameters), such as the
// contour functions. While a frame lives, the state's shader record is the instance's, as the
// renderer sets it for every shader call, so the shader's parameters follow the evaluation
// rule; memory of evaluated attachments lives as long as the frame.
#include "rayhost/call_memory.h"
#include "rayhost/network.h"

#include <shader.h>

namespace rayhost {

class ShaderFrame {
public:
    ShaderFrame(const ShaderNetwork& network, InstanceId instance, miState* state)
        : state_(state), caller_(state->shader), record_(network.record(instance)),
          function_(network.kind(instance).function) {
        state->shader = &record_;
    }
    ~ShaderFrame() { state_->shader = caller_; }
    ShaderFrame(const ShaderFrame&) = delete;
    ShaderFrame& operator=(const ShaderFrame&) = delete;

    void* parameters() const { return record_.parameters; }
    // The exported function, as the signature the renderer knows it by.
    template <typename Function> Function function() const {
        return fromShaderFunction<Function>(function_);
    }

private:
    CallScope scope_;
    miState* state_;
    decltype(miState::shader) caller_;
    const miFunction& record_;
    ShaderFunction function_;
};

} // namespace rayhost
