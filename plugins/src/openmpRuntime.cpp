#include "openmpRuntime.h"

#if defined(_WIN32)

// Windows builds leave the runtime DLL to the loader's own reference counting.
void keepOpenMpRuntimeLoaded() {}

#else

#include <dlfcn.h>
#include <omp.h>

void keepOpenMpRuntimeLoaded() {
    // Whichever runtime holds omp_get_max_threads (libgomp, or clang's libomp) is marked never to
    // be unloaded; the plug-in itself still unloads.
    Dl_info runtime{};
    if (dladdr(reinterpret_cast<void*>(&omp_get_max_threads), &runtime) != 0 &&
        runtime.dli_fname != nullptr)
        dlopen(runtime.dli_fname, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
}

#endif
