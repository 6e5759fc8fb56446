#pragma once
// Shaders written in the tests, run by the stand-in renderer next to the library's shaders.
#include <rayhost/declarations.h>
#include <rayhost/shader_library.h>

#include <atomic>
#include <cstring>
#include <map>
#include <mutex>
#include <set>
#include <thread>
#include <string>
#include <vector>

namespace testshaders {

// Declarations for the shaders below; kept alive for the whole test program.
inline const std::vector<rayhost::ShaderDeclaration>& declarations() {
    static const std::vector<rayhost::ShaderDeclaration> parsed = rayhost::parseDeclarations(R"(
        declare shader color "countedColor" (color "value") version 1 end declare
        declare shader color "threadColor" () version 1 end declare
        declare shader struct { scalar "scalar", integer "integer", boolean "boolean" }
            "countedNumbers" (scalar "scalar", integer "integer", boolean "boolean")
            version 1 end declare
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

// Returns its three parameters (read in place) and counts its calls with countedColor's.
inline miBoolean countedNumbers(void* result, miState*, void* parameters) {
    ++countedCalls;
    std::memcpy(result, parameters, 3 * sizeof(miInteger));
    return miTRUE;
}

// Which render thread numbers each system thread ran under.
inline std::mutex threadsSeenLock;
inline std::map<std::thread::id, std::set<int>> threadsSeen;

// Records the state's thread number; returns it as grey level thread / 10.
inline miBoolean threadColor(void* result, miState* state, void*) {
    {
        std::lock_guard<std::mutex> lock(threadsSeenLock);
        threadsSeen[std::this_thread::get_id()].insert(state->thread);
    }
    const float grey = static_cast<float>(state->thread) / 10.0f;
    *static_cast<miColor*>(result) = {grey, grey, grey, 1.0f};
    return miTRUE;
}

inline rayhost::ShaderKind kind(const std::string& name) {
    for (const rayhost::ShaderDeclaration& declaration : declarations()) {
        if (declaration.name == name) {
            return {&declaration, name == "countedColor"     ? &countedColor
                                  : name == "countedNumbers" ? &countedNumbers
                                                             : &threadColor};
        }
    }
    return {};
}

} // namespace testshaders
