// The renderer side of the binding benchmark: one cheap exported renderer function.
#include <shader.h>

extern "C" __attribute__((visibility("default"))) miBoolean mi_trace_transparent(miColor* result,
                                                                                 miState*) {
    result->a += 1.0f;
    return miTRUE;
}
