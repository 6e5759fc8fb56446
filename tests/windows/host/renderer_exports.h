#pragma once
// The renderer's side of the functions shaderHost exports under their renderer names, with a
// record of the calls the shader library made.
#include <shader.h>

#include <atomic>

namespace renderer {

// Atomic, since shaders may run on several threads at once.
struct CallCounts {
    std::atomic<int> phenEval{0};
    std::atomic<int> query{0};
    std::atomic<int> lastQueryCode{-1};
    std::atomic<int> traceTransparent{0};
};

// mi_phen_eval answers `value` for the attached parameter `field`.
void answerAttachment(const void* field, const void* value);
void forgetAttachments();

// mi_trace_transparent yields `colour` and leaves a child state with label `childLabel`.
void traceBehind(const miColor& colour, miUint childLabel);

// Calls made since the last reset.
const CallCounts& calls();
void resetCalls();

// Calls of any message function since the program started.
int messagesReceived();

} // namespace renderer
