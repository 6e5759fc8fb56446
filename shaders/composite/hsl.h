#pragma once
// Conversions between red-green-blue and hue-saturation-lightness, all components in 0..1, in
// 32-bit float arithmetic.
#include "colour.h"

namespace quillomar::composite {

struct Hsl {
    float h = 0.0f;
    float s = 0.0f;
    float l = 0.0f;
};

Hsl rgbToHsl(float r, float g, float b);

// Alpha of the result is 1.
Rgba hslToRgb(const Hsl& hsl);

} // namespace quillomar::composite
