#pragma once
// The platform's lookup of an exported function by name in a loaded module.

namespace quillomar::binding {

struct LookupResult {
    void* address;
    int error; // the platform's last error code when address is null
};

LookupResult lookUpSymbol(void* module, const char* name);

} // namespace quillomar::binding
