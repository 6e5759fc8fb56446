// The renderer functions shader libraries find by name in this module.
#include "rayhost/network.h"
#include "rayhost/transparency.h"

#include <shader.h>

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <string>

#define RAYHOST_EXPORT extern "C" __attribute__((visibility("default")))

RAYHOST_EXPORT void* mi_phen_eval(miState* state, void* parm) {
    return rayhost::detail::evaluateAttachment(state, parm);
}

namespace {

// Each unanswered query code is reported once, not per sample.
void reportUnansweredQuery(int code) {
    static std::atomic<bool> reported[512];
    const bool first = code < 0 || code >= 512 || !reported[code].exchange(true);
    if (first) {
        std::fprintf(stderr, "mi_query: query code %d is not answered by this renderer\n", code);
    }
}

// One write per message, so lines from several render threads do not interleave.
void writeMessage(const char* level, const char* format, va_list arguments) {
    va_list copy;
    va_copy(copy, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string line(level);
    if (length > 0) {
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        std::vsnprintf(text.data(), text.size(), format, arguments);
        text.pop_back();
        line += text;
    }
    if (line.empty() || line.back() != '\n') {
        line += '\n';
    }
    std::fputs(line.c_str(), stderr);
}

} // namespace

// Only the primitive index is answered; other codes write nothing and return false.
RAYHOST_EXPORT miBoolean mi_query(const miQ_type query, miState* state, miTag, void* result, ...) {
    if (query == miQ_PRI_INDEX && state != nullptr && result != nullptr) {
        const int index = static_cast<int>(state->pri_idx);
        *static_cast<int*>(result) = index;
        return miTRUE;
    }
    reportUnansweredQuery(static_cast<int>(query));
    return miFALSE;
}

RAYHOST_EXPORT miBoolean mi_trace_transparent(miColor* result, miState* state) {
    return rayhost::traceTransparent(result, state);
}

// A fatal message ends the render: the renderer stops the process after reporting it.
[[noreturn]] static void endRender() {
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}

#define RAYHOST_MESSAGE(name, level, then)                                                         \
    RAYHOST_EXPORT void name(const char* message, ...) {                                           \
        va_list arguments;                                                                         \
        va_start(arguments, message);                                                              \
        writeMessage(level, message, arguments);                                                   \
        va_end(arguments);                                                                         \
        then;                                                                                      \
    }

#define RAYHOST_NUMBERED_MESSAGE(name, level, then)                                                \
    RAYHOST_EXPORT void name(const int number, const char* message, ...) {                         \
        const std::string prefix = std::string(level) + std::to_string(number) + ": ";             \
        va_list arguments;                                                                         \
        va_start(arguments, message);                                                              \
        writeMessage(prefix.c_str(), message, arguments);                                          \
        va_end(arguments);                                                                         \
        then;                                                                                      \
    }

RAYHOST_MESSAGE(mi_debug, "debug: ", )
RAYHOST_MESSAGE(mi_progress, "progress: ", )
RAYHOST_MESSAGE(mi_info, "info: ", )
RAYHOST_NUMBERED_MESSAGE(mi_nwarning, "warning ", )
RAYHOST_MESSAGE(mi_warning, "warning: ", )
RAYHOST_NUMBERED_MESSAGE(mi_nerror, "error ", )
RAYHOST_MESSAGE(mi_error, "error: ", )
RAYHOST_NUMBERED_MESSAGE(mi_nfatal, "fatal ", endRender())
RAYHOST_MESSAGE(mi_fatal, "fatal: ", endRender())
RAYHOST_MESSAGE(mi_api_warning, "api warning: ", )
RAYHOST_MESSAGE(mi_api_error, "api error: ", )
