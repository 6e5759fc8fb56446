#pragma once
// Plain colour values for the blend math, independent of the renderer's types so the math can be
// tested and measured on its own.

namespace quillomar::composite {

struct Rgba {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
    float a = 0.0f;
};

// 0.299 red + 0.587 green + 0.114 blue, summed in double in a fixed order and rounded to float,
// so that the whole-colour modes compare the same numbers on every compiler.
float luminance(const Rgba& c);

} // namespace quillomar::composite
