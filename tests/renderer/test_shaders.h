#pragma once
// Shaders written in the tests, run by the stand-in renderer next to the library's shaders.
#include <rayhost/declarations.h>
#include <rayhost/shader_library.h>

#include <atomic>
#include <string>
#include <vector>

namespace testshaders {

// Declarations for the shaders below; kept alive for the whole test program.
inline const std::vector<rayhost::ShaderDeclaration>& declarations() {
    static const std::vector<rayhost::ShaderDeclaration> parsed = rayhost::parseDeclarations(R"(
        declare shader color "countedColor" (color "value") version 1 end declare
        declare shader integer "threadNumber" () version 1 end declare
    )");
    return parsed;
}

inline std::atomic<int> countedCalls{0};

// Returns its colour parameter (read in place) and counts its calls.
inline miBoolean countedColor(void* result, miState*, void* parameters) {
    ++countedCalls;
    *static_cast<miColor*>(result) = *static_cast<const miColor*>(parameters);
    return miTRUE;
}

// Returns the state's thread number.
inline miBoolean threadNumber(void* result, miState* state, void*) {
    *static_cast<miInteger*>(result) = state->thread;
    return miTRUE;
}

inline rayhost::ShaderKind kind(const std::string& name) {
    for (const rayhost::ShaderDeclaration& declaration : declarations()) {
        if (declaration.name == name) {
            return {&declaration, name == "countedColor" ? &countedColor : &threadNumber};
        }
    }
    return {};
}

} // namespace testshaders
