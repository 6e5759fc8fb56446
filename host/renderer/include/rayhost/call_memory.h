#pragma once
// Per-thread memory for what the renderer hands out during one sample's shader calls
// (evaluated attachment values, states of continued rays); released when the outermost call on
// the thread returns.
#include <shader.h>

#include <cstddef>

namespace rayhost {

class CallScope {
public:
    CallScope();
    ~CallScope();
    CallScope(const CallScope&) = delete;
    CallScope& operator=(const CallScope&) = delete;
};

// Zeroed, suitably aligned memory valid until the outermost CallScope on this thread ends.
void* callMemory(std::size_t bytes);

} // namespace rayhost
