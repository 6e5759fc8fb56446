#include "binding/symbol_lookup.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <dlfcn.h>
#endif

namespace quillomar::binding {

#ifdef _WIN32

LookupResult lookUpSymbol(void* module, const char* name) {
    FARPROC address = GetProcAddress(static_cast<HMODULE>(module), name);
    if (address == nullptr) {
        return {nullptr, static_cast<int>(GetLastError())};
    }
    return {reinterpret_cast<void*>(address), 0};
}

#else

// dlsym has no error number, only a message. A null handle would mean the global scope here
// (unlike the module lookup on Windows, which fails), so it is refused with EINVAL; a name the
// module does not export gives ENOENT.
LookupResult lookUpSymbol(void* module, const char* name) {
    if (module == nullptr) {
        return {nullptr, EINVAL};
    }
    dlerror();
    void* address = dlsym(module, name);
    if (address == nullptr) {
        return {nullptr, dlerror() != nullptr ? ENOENT : 0};
    }
    return {address, 0};
}

#endif

} // namespace quillomar::binding
