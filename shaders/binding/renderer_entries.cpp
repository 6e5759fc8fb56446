// Binding entries for the renderer functions the shaders call, under the functions' own names
// and signatures. A function that cannot be found gives a false or null result.
#include "binding/binding.h"
#include "binding/export.h"

#include <cstdarg>

using quillomar::binding::bound;
using quillomar::binding::Entry;

namespace {

using PhenEvalFunction = void* (*)(miState*, void*);
using QueryFunction = miBoolean (*)(const miQ_type, miState*, miTag, void*, ...);
using TraceTransparentFunction = miBoolean (*)(miColor*, miState*);

} // namespace

QUILLOMAR_BINDING_ENTRY void* mi_phen_eval(miState* state, void* parm) {
    PhenEvalFunction function = bound<PhenEvalFunction>(Entry::PhenEval);
    return function != nullptr ? function(state, parm) : nullptr;
}

// The renderer reads as many extra arguments as the code needs, so forward exactly those.
QUILLOMAR_BINDING_ENTRY miBoolean mi_query(const miQ_type query, miState* state, miTag tag,
                                           void* result, ...) {
    QueryFunction function = bound<QueryFunction>(Entry::Query);
    if (function == nullptr) {
        return miFALSE;
    }
    va_list extra;
    va_start(extra, result);
    miBoolean answer;
    switch (static_cast<int>(query)) {
    case 15:
    case 152:
    case 163:
    case 171:
    case 172:
        answer = function(query, state, tag, result, va_arg(extra, int));
        break;
    case 127:
        answer = function(query, state, tag, result, va_arg(extra, void*));
        break;
    case 165: {
        void* pointer = va_arg(extra, void*);
        int number = va_arg(extra, int);
        answer = function(query, state, tag, result, pointer, number);
        break;
    }
    default:
        answer = function(query, state, tag, result);
        break;
    }
    va_end(extra);
    return answer;
}

QUILLOMAR_BINDING_ENTRY miBoolean mi_trace_transparent(miColor* result, miState* state) {
    TraceTransparentFunction function = bound<TraceTransparentFunction>(Entry::TraceTransparent);
    return function != nullptr ? function(result, state) : miFALSE;
}
