#pragma once
// The binding table: one cache word per renderer function the library calls, all in one
// contiguous table so that a new module handle clears them in one sweep.
#include <atomic>

namespace quillomar::binding {

enum class Entry : int {
    PhenEval,
    Query,
    TraceTransparent,
    Debug,
    Progress,
    Info,
    NWarning,
    Warning,
    NError,
    Error,
    NFatal,
    Fatal,
    ApiWarning,
    ApiError,
    Count
};

inline constexpr int kEntryCount = static_cast<int>(Entry::Count);

extern std::atomic<void*> cache[kEntryCount];

// Looks the entry's function up in the module handle, reporting a null handle and a failed
// lookup on stderr; stores and returns the result (null when not found).
void* lookUp(Entry entry);

// The resolved address of an entry's function, or null if it cannot be found.
inline void* resolve(Entry entry) {
    void* function = cache[static_cast<int>(entry)].load(std::memory_order_relaxed);
    return function != nullptr ? function : lookUp(entry);
}

template <typename Function> inline Function bound(Entry entry) {
    return reinterpret_cast<Function>(resolve(entry));
}

} // namespace quillomar::binding
