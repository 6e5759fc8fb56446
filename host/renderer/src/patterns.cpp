#include "rayhost/patterns.h"
#include "rayhost/network.h"

#include <cmath>
#include <cstring>

namespace rayhost {

namespace {

const char* const kDeclarations = R"(
declare shader
    color "uvRamp" (color "start" default 0 0 0 1, color "end" default 1 1 1 1, integer "axis")
    version 1
end declare
declare shader
    color "uvChecker" (color "color1" default 0 0 0 1, color "color2" default 1 1 1 1,
                       integer "repeats" default 8)
    version 1
end declare
)";

// The renderer's evaluation rule, for its own shaders.
template <typename T> T parameter(miState* state, const T* field) {
    const miFunction* shader = state->shader;
    if (shader->ghost_used == 1) {
        miTag tag;
        std::memcpy(&tag, reinterpret_cast<const char*>(field) + shader->ghost_offs, sizeof tag);
        if (tag != miNULLTAG && tag != static_cast<miTag>(-2)) {
            if (void* value = detail::evaluateAttachment(state, const_cast<T*>(field))) {
                return *static_cast<const T*>(value);
            }
        }
    }
    return *field;
}

miVector textureCoordinates(const miState* state) {
    return state->tex_list != nullptr ? state->tex_list[0] : miVector{0, 0, 0};
}

struct TwoColors {
    miColor first;
    miColor second;
    miInteger number;
};

miBoolean uvRamp(void* result, miState* state, void* parameters) {
    const auto* p = static_cast<const TwoColors*>(parameters);
    const miColor start = parameter(state, &p->first);
    const miColor end = parameter(state, &p->second);
    const miVector uv = textureCoordinates(state);
    const float t = parameter(state, &p->number) == 1 ? uv.y : uv.x;
    *static_cast<miColor*>(result) = {
        start.r + (end.r - start.r) * t, start.g + (end.g - start.g) * t,
        start.b + (end.b - start.b) * t, start.a + (end.a - start.a) * t};
    return miTRUE;
}

miBoolean uvChecker(void* result, miState* state, void* parameters) {
    const auto* p = static_cast<const TwoColors*>(parameters);
    const miVector uv = textureCoordinates(state);
    const float repeats = static_cast<float>(parameter(state, &p->number));
    const long cell = std::lround(std::floor(uv.x * repeats) + std::floor(uv.y * repeats));
    *static_cast<miColor*>(result) =
        cell % 2 == 0 ? parameter(state, &p->first) : parameter(state, &p->second);
    return miTRUE;
}

} // namespace

PatternShaders::PatternShaders() : declarations_(parseDeclarations(kDeclarations, "patterns")) {}

bool PatternShaders::provides(const std::string& shader) const {
    return shader == "uvRamp" || shader == "uvChecker";
}

ShaderKind PatternShaders::kind(const std::string& shader) const {
    for (const ShaderDeclaration& declaration : declarations_) {
        if (declaration.name == shader) {
            return {&declaration, shader == "uvRamp" ? &uvRamp : &uvChecker};
        }
    }
    throw LoadError("no pattern shader \"" + shader + "\"");
}

} // namespace rayhost
