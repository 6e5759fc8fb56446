#pragma once
// A choiceMr instance with three known elements in each of its five arrays, the one shader both
// test hosts drive: its selector can be attached, which makes the shader call mi_phen_eval.
#include "parameter_block.h"
#include "shader_library.h"

struct ChoiceResult {
    miColor outColor;
    miVector outVector;
    miUint outValue1;
    miUint outValue2;
    miUint outValue3;
};

class ChoiceInstance {
public:
    explicit ChoiceInstance(miInteger selector);

    // Marks the selector as the output of another shader.
    void attachSelector();
    const miInteger* selectorField();

    // Runs choiceMr on a fresh render state; false when the library does not export it or it
    // does not return true.
    bool run(const ShaderLibrary& library, ChoiceResult& result);

    // Whether `result` holds element `position` of every array.
    static bool picked(const ChoiceResult& result, int position);

private:
    ParameterBlock block;
};
