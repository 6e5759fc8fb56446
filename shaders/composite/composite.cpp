// composite: a stack of coloured layers over a base colour. Reads its parameters through the
// renderer's evaluation rule and leaves the arithmetic to the blend functions.
#include "binding/evaluate.h"
#include "binding/export.h"
#include "binding/parameter_block.h"
#include "blend.h"

#include <algorithm>

namespace {

using quillomar::evaluated;
using quillomar::evaluatedValue;
using quillomar::composite::Rgba;

struct CompositeLayer {
    miInteger blendMode;
    miColor color;
    miScalar opacity;
    miColor mask;
};

struct CompositeParameters {
    miColor baseColor;
    miInteger i_layers;
    miInteger n_layers;
    CompositeLayer layers[1];
};

Rgba toRgba(const miColor& c) {
    return {c.r, c.g, c.b, c.a};
}

// Positions [first, last) of the storage that the stack may read.
struct StorageRange {
    long long first;
    long long last;
};

StorageRange layerRange(const miState* state, const CompositeParameters* parameters,
                        miInteger start, miInteger count) {
    StorageRange range{std::max<long long>(start, 0),
                       static_cast<long long>(start) + std::max<miInteger>(count, 0)};
    const long long capacity = quillomar::storageCapacity(state, parameters, parameters->layers);
    if (capacity != quillomar::kUnknownCapacity) {
        range.last = std::min(range.last, capacity);
    }
    return range;
}

// Weight and colour of one layer record, each field through the evaluation rule.
Rgba blendLayer(miState* state, const CompositeLayer* layer, const Rgba& running) {
    const miInteger mode = evaluatedValue(state, &layer->blendMode);
    const Rgba color = toRgba(evaluatedValue(state, &layer->color));
    const miScalar opacity = evaluatedValue(state, &layer->opacity);
    const Rgba mask = toRgba(evaluatedValue(state, &layer->mask));
    const float w = quillomar::composite::luminance(mask) * opacity;
    return quillomar::composite::blend(mode, running, color, w);
}

} // namespace

QUILLOMAR_SHADER_VERSION(composite)

QUILLOMAR_EXPORT miBoolean composite(miColor* result, miState* state,
                                     CompositeParameters* parameters) {
    const miColor base = evaluatedValue(state, &parameters->baseColor);
    const miInteger start = evaluatedValue(state, &parameters->i_layers);
    const miInteger count = evaluatedValue(state, &parameters->n_layers);
    Rgba running = toRgba(base);
    const StorageRange range = layerRange(state, parameters, start, count);
    for (long long position = range.first; position < range.last; ++position) {
        running = blendLayer(state, evaluated(state, parameters->layers + position), running);
    }
    *result = {running.r, running.g, running.b, running.a};
    return miTRUE;
}
