// choiceMr: one selector picks the element at the same position from each of five arrays.
#include "binding/evaluate.h"
#include "binding/export.h"

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

// The picked element of one array, read through the evaluation rule, or zero when the selector
// lies outside the array: the storage past the count (or before the start) is not the array's.
template <typename T>
T pick(miState* state, const miInteger* start, const miInteger* count, const T* storage,
       miInteger selector) {
    T value;
    std::memset(&value, 0, sizeof value);
    const miInteger first = quillomar::evaluatedValue(state, start);
    const miInteger size = quillomar::evaluatedValue(state, count);
    if (selector < 0 || selector >= size) {
        return value;
    }
    std::memcpy(&value, quillomar::evaluated(state, storage + first + selector), sizeof value);
    return value;
}

} // namespace

QUILLOMAR_SHADER_VERSION(choiceMr)

QUILLOMAR_EXPORT miBoolean choiceMr(ChoiceResult* result, miState* state,
                                    ChoiceParameters* parameters) {
    const ChoiceParameters* p = parameters;
    const miInteger selector = quillomar::evaluatedValue(state, &p->selector);
    result->outColor = pick(state, &p->i_colors, &p->n_colors, p->colors, selector);
    result->outVector = pick(state, &p->i_vectors, &p->n_vectors, p->vectors, selector);
    result->outValue1 = pick(state, &p->i_values1, &p->n_values1, p->values1, selector);
    result->outValue2 = pick(state, &p->i_values2, &p->n_values2, p->values2, selector);
    result->outValue3 = pick(state, &p->i_values3, &p->n_values3, p->values3, selector);
    return miTRUE;
}
