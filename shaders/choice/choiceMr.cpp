// choiceMr: one selector picks the element at the same position from each of five arrays.
#include "binding/evaluate.h"
#include "binding/export.h"
#include "binding/parameter_block.h"

#include <cstring>

namespace {

struct ChoiceParameters {
    miInteger selector;
    miInteger i_colors;
    miInteger n_colors;
    miColor colors[1];
    miInteger i_vectors;
    miInteger n_vectors;
    miVector vectors[1];
    miInteger i_values1;
    miInteger n_values1;
    miUint values1[1];
    miInteger i_values2;
    miInteger n_values2;
    miUint values2[1];
    miInteger i_values3;
    miInteger n_values3;
    miUint values3[1];
};

struct ChoiceResult {
    miColor outColor;
    miVector outVector;
    miUint outValue1;
    miUint outValue2;
    miUint outValue3;
};

// Whether `position` of an array's storage lies inside the parameter block.
template <typename T>
bool inBlock(const miState* state, const ChoiceParameters* parameters, const T* storage,
             long long position) {
    if (position < 0) {
        return false;
    }
    const long long capacity = quillomar::storageCapacity(state, parameters, storage);
    return capacity == quillomar::kUnknownCapacity || position < capacity;
}

// The picked element of one array, read through the evaluation rule, or zero when the selector
// lies outside the array: the storage past the count (or before the start) is not the array's.
template <typename T>
T pick(miState* state, const ChoiceParameters* parameters, const miInteger* start,
       const miInteger* count, const T* storage, miInteger selector) {
    T value;
    std::memset(&value, 0, sizeof value);
    const miInteger first = quillomar::evaluatedValue(state, start);
    const miInteger size = quillomar::evaluatedValue(state, count);
    const long long position = static_cast<long long>(first) + selector;
    if (selector < 0 || selector >= size || !inBlock(state, parameters, storage, position)) {
        return value;
    }
    std::memcpy(&value, quillomar::evaluated(state, storage + position), sizeof value);
    return value;
}

} // namespace

QUILLOMAR_SHADER_VERSION(choiceMr)

QUILLOMAR_EXPORT miBoolean choiceMr(ChoiceResult* result, miState* state,
                                    ChoiceParameters* parameters) {
    const ChoiceParameters* p = parameters;
    const miInteger selector = quillomar::evaluatedValue(state, &p->selector);
    result->outColor = pick(state, p, &p->i_colors, &p->n_colors, p->colors, selector);
    result->outVector = pick(state, p, &p->i_vectors, &p->n_vectors, p->vectors, selector);
    result->outValue1 = pick(state, p, &p->i_values1, &p->n_values1, p->values1, selector);
    result->outValue2 = pick(state, p, &p->i_values2, &p->n_values2, p->values2, selector);
    result->outValue3 = pick(state, p, &p->i_values3, &p->n_values3, p->values3, selector);
    return miTRUE;
}
