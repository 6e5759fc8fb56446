#pragma once
// The flat surface of contourMltShader, on plain values: its opacity and the over operation.
#include <shader.h>

namespace quillomar::contour {

// 1 - luminance(transparency), unclamped.
float opacity(const miColor& transparency);

// Top laid over bottom. Over an opaque bottom the result is opaque; otherwise its alpha is
// (1 - top alpha) * bottom alpha + top alpha and its channels are weighted by the alphas but not
// divided by the result's alpha (transparent black where that alpha is 0).
miColor over(const miColor& top, const miColor& bottom);

} // namespace quillomar::contour
