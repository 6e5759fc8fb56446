// Binding entries for the renderer's message functions. Each formats the caller's message
// itself and hands the renderer "%s" and the text, so the renderer never walks our va_list.
#include "binding/binding.h"
#include "binding/export.h"

#include <cstdarg>
#include <cstdio>

using quillomar::binding::bound;
using quillomar::binding::Entry;

namespace {

constexpr int kMessageBufferSize = 1024;

using MessageFunction = void (*)(const char*, ...);
using NumberedMessageFunction = void (*)(const int, const char*, ...);

// At most kMessageBufferSize - 1 characters, always terminated.
void format(char (&text)[kMessageBufferSize], const char* message, va_list arguments) {
#ifdef _WIN32
    _vsnprintf(text, kMessageBufferSize - 1, message, arguments);
#else
    std::vsnprintf(text, kMessageBufferSize, message, arguments);
#endif
    text[kMessageBufferSize - 1] = '\0';
}

void send(Entry entry, const char* message, va_list arguments) {
    MessageFunction function = bound<MessageFunction>(entry);
    if (function == nullptr) {
        return;
    }
    char text[kMessageBufferSize];
    format(text, message, arguments);
    function("%s", text);
}

void sendNumbered(Entry entry, int number, const char* message, va_list arguments) {
    NumberedMessageFunction function = bound<NumberedMessageFunction>(entry);
    if (function == nullptr) {
        return;
    }
    char text[kMessageBufferSize];
    format(text, message, arguments);
    function(number, "%s", text);
}

} // namespace

#define QUILLOMAR_MESSAGE_ENTRY(name, entry)                                                       \
    QUILLOMAR_BINDING_ENTRY void name(const char* message, ...) {                                  \
        va_list arguments;                                                                         \
        va_start(arguments, message);                                                              \
        send(entry, message, arguments);                                                           \
        va_end(arguments);                                                                         \
    }

#define QUILLOMAR_NUMBERED_MESSAGE_ENTRY(name, entry)                                              \
    QUILLOMAR_BINDING_ENTRY void name(const int number, const char* message, ...) {                \
        va_list arguments;                                                                         \
        va_start(arguments, message);                                                              \
        sendNumbered(entry, number, message, arguments);                                           \
        va_end(arguments);                                                                         \
    }

QUILLOMAR_MESSAGE_ENTRY(mi_debug, Entry::Debug)
QUILLOMAR_MESSAGE_ENTRY(mi_progress, Entry::Progress)
QUILLOMAR_MESSAGE_ENTRY(mi_info, Entry::Info)
QUILLOMAR_NUMBERED_MESSAGE_ENTRY(mi_nwarning, Entry::NWarning)
QUILLOMAR_MESSAGE_ENTRY(mi_warning, Entry::Warning)
QUILLOMAR_NUMBERED_MESSAGE_ENTRY(mi_nerror, Entry::NError)
QUILLOMAR_MESSAGE_ENTRY(mi_error, Entry::Error)
QUILLOMAR_NUMBERED_MESSAGE_ENTRY(mi_nfatal, Entry::NFatal)
QUILLOMAR_MESSAGE_ENTRY(mi_fatal, Entry::Fatal)
QUILLOMAR_MESSAGE_ENTRY(mi_api_warning, Entry::ApiWarning)
QUILLOMAR_MESSAGE_ENTRY(mi_api_error, Entry::ApiError)
