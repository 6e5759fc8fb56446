// contourContrast: whether a contour lies between two neighbouring samples, with the contrast
// limits of the sample in front where its material overrides them.
#include "binding/evaluate.h"
#include "binding/export.h"
#include "contrast.h"

#include <limits>

namespace {

using quillomar::evaluatedValue;
using quillomar::contour::ContourInfo;
using quillomar::contour::ContrastParameters;

ContrastParameters readParameters(miState* state, const ContrastParameters* p) {
    ContrastParameters read;
    read.depthDelta = evaluatedValue(state, &p->depthDelta);
    read.angleDelta = evaluatedValue(state, &p->angleDelta);
    read.diffMaterial = evaluatedValue(state, &p->diffMaterial);
    read.diffLabel = evaluatedValue(state, &p->diffLabel);
    read.diffIndex = evaluatedValue(state, &p->diffIndex);
    read.diffInstance = evaluatedValue(state, &p->diffInstance);
    read.colorContrast = evaluatedValue(state, &p->colorContrast);
    read.minLevel = evaluatedValue(state, &p->minLevel);
    read.maxLevel = evaluatedValue(state, &p->maxLevel);
    return read;
}

// The renderer's colour contrast; without options no colour difference counts.
miColor contrastThreshold(const miState* state) {
    if (state->options != nullptr) {
        return state->options->contrast;
    }
    const float never = std::numeric_limits<float>::infinity();
    return {never, never, never, never};
}

} // namespace

QUILLOMAR_SHADER_VERSION(contourContrast)

QUILLOMAR_EXPORT miBoolean contourContrast(ContourInfo* info1, ContourInfo* info2, int level,
                                           miState* state, ContrastParameters* parameters) {
    const bool contour = quillomar::contour::contourBetween(
        info1, info2, level, readParameters(state, parameters), contrastThreshold(state));
    return contour ? miTRUE : miFALSE;
}
