#include "rayhost/transparency.h"
#include "rayhost/call_memory.h"

#include <memory>

namespace rayhost {

namespace {

TransparencyTracer& installed() {
    static TransparencyTracer tracer;
    return tracer;
}

// The surfaces a state's ray has passed: one per state up its parent chain.
std::size_t surfacesPassed(const miState* state) {
    std::size_t depth = 0;
    for (const miState* s = state; s->parent != nullptr; s = s->parent) {
        ++depth;
    }
    return depth;
}

} // namespace

void setTransparencyTracer(TransparencyTracer tracer) {
    installed() = std::move(tracer);
}

TracerScope::TracerScope(TransparencyTracer tracer) : previous_(std::move(installed())) {
    installed() = std::move(tracer);
}

TracerScope::~TracerScope() {
    installed() = std::move(previous_);
}

miBoolean traceTransparent(miColor* result, miState* state) {
    if (installed()) {
        return installed()(result, state);
    }
    *result = miColor{0, 0, 0, 0};
    state->child = nullptr;
    return miFALSE;
}

TransparencyTracer surfaceStack(const ShaderNetwork& network, std::vector<Surface> behind,
                                miColor background) {
    for (const Surface& surface : behind) {
        if (network.resultType(surface.material, "").kind != ValueKind::Color) {
            throw NetworkError("a surface's material must return a color");
        }
    }
    auto surfaces = std::make_shared<const std::vector<Surface>>(std::move(behind));
    return [&network, surfaces, background](miColor* result, miState* state) -> miBoolean {
        const std::size_t next = surfacesPassed(state);
        if (next >= surfaces->size()) {
            *result = background;
            state->child = nullptr;
            return miFALSE;
        }
        const Surface& surface = (*surfaces)[next];
        auto* child = static_cast<miState*>(callMemory(sizeof(miState)));
        *child = *state;
        child->type = miRAY_TRANSPARENT;
        child->parent = state;
        child->child = nullptr;
        child->label = surface.label;
        child->material = surface.materialTag;
        child->instance = surface.instanceTag;
        child->pri_idx = surface.primitive;
        child->point.z = surface.depth;
        child->dist = state->dist + (state->point.z - surface.depth);
        state->child = child;
        network.call(surface.material, result, child);
        return miTRUE;
    };
}

} // namespace rayhost
