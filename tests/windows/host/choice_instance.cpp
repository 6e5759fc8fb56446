#include "choice_instance.h"

#include <cstring>

namespace {

// The declared layout: each array is a start index, a count and its first element slot.
struct ChoiceDeclared {
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

const std::vector<miColor> kColors = {
    {0.1f, 0.2f, 0.3f, 0.4f}, {0.5f, 0.6f, 0.7f, 0.8f}, {0.9f, 1.0f, 0.25f, 0.75f}};
const std::vector<miVector> kVectors = {{1, 2, 3}, {-4, -5, -6}, {7.5f, 8.5f, 9.5f}};
const std::vector<miUint> kValues1 = {10, 11, 12};
const std::vector<miUint> kValues2 = {0x3f800000u, 0x40000000u, 0xbf800000u}; // 1, 2, -1
const std::vector<miUint> kValues3 = {0xffffffffu, 0u, 0x80000000u};

constexpr std::size_t kStorage = 3 * (sizeof(miColor) + sizeof(miVector) + 3 * sizeof(miUint)) +
                                 5 * sizeof(miColor); // with alignment padding

template <typename T> bool same(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

ChoiceInstance::ChoiceInstance(miInteger selector) : block(sizeof(ChoiceDeclared), kStorage) {
    ChoiceDeclared& p = block.fields<ChoiceDeclared>();
    p.selector = selector;
    p.i_colors = block.append(p.colors, kColors);
    p.i_vectors = block.append(p.vectors, kVectors);
    p.i_values1 = block.append(p.values1, kValues1);
    p.i_values2 = block.append(p.values2, kValues2);
    p.i_values3 = block.append(p.values3, kValues3);
    p.n_colors = p.n_vectors = p.n_values1 = p.n_values2 = p.n_values3 = 3;
}

void ChoiceInstance::attachSelector() {
    block.attach(selectorField());
}

const miInteger* ChoiceInstance::selectorField() {
    return &block.fields<ChoiceDeclared>().selector;
}

bool ChoiceInstance::run(const ShaderLibrary& library, ChoiceResult& result) {
    using Shader = miBoolean (*)(ChoiceResult*, miState*, void*);
    auto choiceMr = library.function<Shader>("choiceMr");
    if (choiceMr == nullptr) {
        return false;
    }
    miState state{};
    state.shader = &block.record();
    std::memset(&result, 0, sizeof result);
    return choiceMr(&result, &state, &block.fields<ChoiceDeclared>()) == miTRUE;
}

bool ChoiceInstance::picked(const ChoiceResult& result, int position) {
    const std::size_t k = static_cast<std::size_t>(position);
    return same(result.outColor, kColors[k]) && same(result.outVector, kVectors[k]) &&
           result.outValue1 == kValues1[k] && result.outValue2 == kValues2[k] &&
           result.outValue3 == kValues3[k];
}
