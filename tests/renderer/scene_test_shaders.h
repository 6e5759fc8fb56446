#pragma once
// Material and contour shaders written in the tests, so the ray caster and the contour pass can
// be checked on their own: a flat material that can look through its surface, a store that
// records what the renderer hands it, a contrast on material changes, and a contour shader
// with its own colour and width.
#include <rayhost/declarations.h>
#include <rayhost/shader_library.h>

#include <shader.h>

#include <atomic>
#include <string>
#include <vector>

namespace scenetest {

inline const std::vector<rayhost::ShaderDeclaration>& declarations() {
    static const std::vector<rayhost::ShaderDeclaration> parsed = rayhost::parseDeclarations(R"(
        declare shader color "flat" (color "color", boolean "seeThrough") version 1
            apply material end declare
        declare shader color "recordingStore" () version 1 apply contour end declare
        declare shader boolean "materialContrast" (integer "maxLevel" default 1) version 1
            apply contour end declare
        declare shader color "fixedLine" (color "color", scalar "width") version 1
            apply contour end declare
    )");
    return parsed;
}

// The material each render thread number shaded last.
inline std::atomic<miTag> lastMaterial[256];

struct FlatParameters {
    miColor color;
    miBoolean seeThrough;
};

// Its colour; seeing through, half its colour and half what lies behind.
inline miBoolean flat(void* result, miState* state, void* parameters) {
    const auto* p = static_cast<const FlatParameters*>(parameters);
    miColor color = p->color;
    if (p->seeThrough) {
        miColor behind{};
        mi_trace_transparent(&behind, state);
        color = {(color.r + behind.r) / 2, (color.g + behind.g) / 2, (color.b + behind.b) / 2, 1};
    }
    // After the trace, which shades what lies behind on this same thread.
    lastMaterial[state->thread] = state->material;
    *static_cast<miColor*>(result) = color;
    return miTRUE;
}

// What the recording store keeps of a sample.
struct Info {
    float z;
    miTag material;
    miTag instance;
    miUint label;
    int index; // mi_query 159
    int level; // states up the parent chain
    int thread;
    miTag materialShadedLast; // on this thread, when the store ran
    miColor color;
    miVector normal;
    miVector normalGeom;
    int type;
    float contrastRed; // of the options
};

inline miBoolean recordingStore(void* info, int* size, miState* state, miColor* color) {
    Info& out = *static_cast<Info*>(info);
    out.z = state->point.z;
    out.material = state->material;
    out.instance = state->instance;
    out.label = state->label;
    mi_query(miQ_PRI_INDEX, state, 0, &out.index);
    out.level = 0;
    for (const miState* s = state; s != nullptr; s = s->parent) {
        ++out.level;
    }
    out.thread = state->thread;
    out.materialShadedLast = lastMaterial[state->thread];
    out.color = *color;
    out.normal = state->normal;
    out.normalGeom = state->normal_geom;
    out.type = state->type;
    out.contrastRed = state->options->contrast.r;
    *size = sizeof(Info);
    return miTRUE;
}

inline miBoolean materialContrast(void* info1, void* info2, int level, miState*, void* parameters) {
    const int maxLevel = *static_cast<const miInteger*>(parameters);
    if (level > maxLevel) {
        return miFALSE;
    }
    if (info1 == nullptr || info2 == nullptr) {
        return miTRUE;
    }
    return static_cast<const Info*>(info1)->material != static_cast<const Info*>(info2)->material
               ? miTRUE
               : miFALSE;
}

struct LineParameters {
    miColor color;
    miScalar width;
};

inline miBoolean fixedLine(miContour_endpoint* result, void*, void*, miState*, void* parameters) {
    const auto* p = static_cast<const LineParameters*>(parameters);
    result->color = p->color;
    result->width = p->width;
    return miTRUE;
}

inline rayhost::ShaderKind kind(const std::string& name) {
    const std::pair<const char*, rayhost::ShaderFunction> functions[] = {
        {"flat", &flat},
        {"recordingStore", rayhost::asShaderFunction(&recordingStore)},
        {"materialContrast", rayhost::asShaderFunction(&materialContrast)},
        {"fixedLine", rayhost::asShaderFunction(&fixedLine)},
    };
    for (const rayhost::ShaderDeclaration& declaration : declarations()) {
        for (const auto& [shader, function] : functions) {
            if (declaration.name == name && name == shader) {
                return {&declaration, function};
            }
        }
    }
    return {};
}

} // namespace scenetest
