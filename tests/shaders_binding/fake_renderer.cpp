// Built twice: FAKE_IDENTITY 1 exports every function; 2 lacks mi_trace_transparent.
#include "fake_renderer.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#define FAKE_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

FakeRendererRecord record;

struct Identify {
    Identify() {
        record.identity = FAKE_IDENTITY;
        record.value = 100.0f * FAKE_IDENTITY;
    }
} identify;

void keep(const char* function, int number, const char* format, va_list arguments) {
    record.messageFunction = function;
    record.messageNumber = number;
    std::snprintf(record.messageFormat, sizeof record.messageFormat, "%s", format);
    std::vsnprintf(record.messageText, sizeof record.messageText, format, arguments);
    ++record.messageCalls;
}

} // namespace

FAKE_EXPORT FakeRendererRecord* fakeRendererRecord() {
    return &record;
}

FAKE_EXPORT void* mi_phen_eval(miState*, void* parameter) {
    record.lastParameter = parameter;
    ++record.phenEvalCalls;
    return &record.value;
}

// Reads the extra arguments the real renderer reads for each code.
FAKE_EXPORT miBoolean mi_query(const miQ_type query, miState* state, miTag tag, void* result, ...) {
    record.queryCode = query;
    record.queryState = state;
    record.queryTag = tag;
    record.queryResult = result;
    va_list extra;
    va_start(extra, result);
    switch (static_cast<int>(query)) {
    case 15:
    case 152:
    case 163:
    case 171:
    case 172:
        record.queryInt = va_arg(extra, int);
        break;
    case 127:
        record.queryPointer = va_arg(extra, void*);
        break;
    case 165:
        record.queryPointer = va_arg(extra, void*);
        record.queryInt = va_arg(extra, int);
        break;
    default:
        break;
    }
    va_end(extra);
    return miTRUE;
}

#if FAKE_IDENTITY == 1
FAKE_EXPORT miBoolean mi_trace_transparent(miColor* result, miState*) {
    *result = miColor{1, 2, 3, 4};
    return miTRUE;
}
#endif

#define FAKE_MESSAGE(name)                                                                         \
    FAKE_EXPORT void name(const char* format, ...) {                                               \
        va_list arguments;                                                                         \
        va_start(arguments, format);                                                               \
        keep(#name, 0, format, arguments);                                                         \
        va_end(arguments);                                                                         \
    }
#define FAKE_NUMBERED_MESSAGE(name)                                                                \
    FAKE_EXPORT void name(const int number, const char* format, ...) {                             \
        va_list arguments;                                                                         \
        va_start(arguments, format);                                                               \
        keep(#name, number, format, arguments);                                                    \
        va_end(arguments);                                                                         \
    }

FAKE_MESSAGE(mi_debug)
FAKE_MESSAGE(mi_progress)
FAKE_MESSAGE(mi_info)
FAKE_NUMBERED_MESSAGE(mi_nwarning)
FAKE_MESSAGE(mi_warning)
FAKE_NUMBERED_MESSAGE(mi_nerror)
FAKE_MESSAGE(mi_error)
FAKE_NUMBERED_MESSAGE(mi_nfatal)
FAKE_MESSAGE(mi_fatal)
FAKE_MESSAGE(mi_api_warning)
FAKE_MESSAGE(mi_api_error)
