#pragma once
// Text labels drawn into an image with a small built-in stroke font.
#include "image_io.h"

#include <string>

namespace blendchart {

struct Rgb8 {
    unsigned char r, g, b;
};

// Width in pixels of `text` at `scale`.
int labelWidth(const std::string& text, float scale);

// Draws `text` with its top-left corner at (x, y), `scale` pixels per font unit; pixels outside
// the image are skipped.
void drawLabel(quillomar::Image& image, int x, int y, const std::string& text, float scale,
               Rgb8 colour);

} // namespace blendchart
