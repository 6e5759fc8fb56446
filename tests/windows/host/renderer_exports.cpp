// The renderer functions the shaders call, exported by this program under their own names so
// that the library's binding entries find them through the module handle it is given.
#include "renderer_exports.h"

#include <cstdarg>
#include <cstdio>
#include <map>

namespace renderer {
namespace {

CallCounts counts;
std::atomic<int> messages{0};
std::map<const void*, const void*> attachments;
miColor behind{};
miState childState{};

} // namespace

void answerAttachment(const void* field, const void* value) {
    attachments[field] = value;
}
void forgetAttachments() {
    attachments.clear();
}

void traceBehind(const miColor& colour, miUint childLabel) {
    behind = colour;
    childState = miState{};
    childState.label = childLabel;
}

const CallCounts& calls() {
    return counts;
}
void resetCalls() {
    counts.phenEval = 0;
    counts.query = 0;
    counts.lastQueryCode = -1;
    counts.traceTransparent = 0;
}
int messagesReceived() {
    return messages;
}

} // namespace renderer

using namespace renderer;

extern "C" __declspec(dllexport) void* mi_phen_eval(miState*, void* parm) {
    ++counts.phenEval;
    auto found = attachments.find(parm);
    return found != attachments.end() ? const_cast<void*>(found->second) : nullptr;
}

// Only the primitive index is answered; a query with more arguments is not expected here.
extern "C" __declspec(dllexport) miBoolean
    mi_query(const miQ_type query, miState* state, miTag, void* result, ...) {
    ++counts.query;
    counts.lastQueryCode = static_cast<int>(query);
    if (query != miQ_PRI_INDEX || state == nullptr || result == nullptr) {
        return miFALSE;
    }
    *static_cast<miInteger*>(result) = static_cast<miInteger>(state->pri_idx);
    return miTRUE;
}

extern "C" __declspec(dllexport) miBoolean mi_trace_transparent(miColor* result, miState* state) {
    ++counts.traceTransparent;
    *result = behind;
    state->child = &childState;
    return miTRUE;
}

// The message functions are counted (the shaders report nothing through them) and printed to
// the test log.
#define QUILLOMAR_HOST_MESSAGE(name)                                                               \
    extern "C" __declspec(dllexport) void name(const char* message, ...) {                         \
        va_list arguments;                                                                         \
        ++messages;                                                                                \
        va_start(arguments, message);                                                              \
        std::printf(#name ": ");                                                                   \
        std::vprintf(message, arguments);                                                          \
        std::printf("\n");                                                                         \
        va_end(arguments);                                                                         \
    }
#define QUILLOMAR_HOST_NUMBERED_MESSAGE(name)                                                      \
    extern "C" __declspec(dllexport) void name(const int number, const char* message, ...) {       \
        va_list arguments;                                                                         \
        ++messages;                                                                                \
        va_start(arguments, message);                                                              \
        std::printf(#name " %d: ", number);                                                        \
        std::vprintf(message, arguments);                                                          \
        std::printf("\n");                                                                         \
        va_end(arguments);                                                                         \
    }

QUILLOMAR_HOST_MESSAGE(mi_debug)
QUILLOMAR_HOST_MESSAGE(mi_progress)
QUILLOMAR_HOST_MESSAGE(mi_info)
QUILLOMAR_HOST_NUMBERED_MESSAGE(mi_nwarning)
QUILLOMAR_HOST_MESSAGE(mi_warning)
QUILLOMAR_HOST_NUMBERED_MESSAGE(mi_nerror)
QUILLOMAR_HOST_MESSAGE(mi_error)
QUILLOMAR_HOST_NUMBERED_MESSAGE(mi_nfatal)
QUILLOMAR_HOST_MESSAGE(mi_fatal)
QUILLOMAR_HOST_MESSAGE(mi_api_warning)
QUILLOMAR_HOST_MESSAGE(mi_api_error)
