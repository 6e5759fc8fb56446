#include "binding/module_handle.h"
#include "binding/binding.h"
#include "binding/symbol_lookup.h"

#include <cstdint>
#include <cstdio>

namespace quillomar::binding {

std::atomic<void*> cache[kEntryCount] = {};

namespace {

std::atomic<void*> handle{nullptr};

constexpr const char* kEntryNames[kEntryCount] = {
    "mi_phen_eval", "mi_query",    "mi_trace_transparent", "mi_debug",    "mi_progress",
    "mi_info",      "mi_nwarning", "mi_warning",           "mi_nerror",   "mi_error",
    "mi_nfatal",    "mi_fatal",    "mi_api_warning",       "mi_api_error"};

} // namespace

void* moduleHandle() {
    return handle.load(std::memory_order_relaxed);
}

// Concurrent first calls may each look the name up; they all store the same address. A failed
// lookup stores null, so the next call tries (and reports) again.
void* lookUp(Entry entry) {
    void* module = moduleHandle();
    if (module == nullptr) {
        std::fputs("DYNLOAD: dl_handle null\n", stderr);
    }
    const char* name = kEntryNames[static_cast<int>(entry)];
    LookupResult found = lookUpSymbol(module, name);
    cache[static_cast<int>(entry)].store(found.address, std::memory_order_relaxed);
    if (found.address == nullptr) {
        std::fprintf(stderr, "dlsym failed on \"%s\" (handle: %08x error: %d)\n", name,
                     static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(module)), found.error);
    }
    return found.address;
}

} // namespace quillomar::binding

void miSetModuleHandle(void* module) {
    using namespace quillomar::binding;
    handle.store(module, std::memory_order_relaxed);
    for (std::atomic<void*>& word : cache) {
        word.store(nullptr, std::memory_order_relaxed);
    }
}
