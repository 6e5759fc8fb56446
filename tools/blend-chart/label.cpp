#include "label.h"

// The font header defines all its helpers static; not every one is used here.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#endif
#include <stb/stb_easy_font.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

#include <algorithm>
#include <cmath>
#include <vector>

namespace blendchart {

namespace {

// The font emits axis-aligned quads, four vertices of 16 bytes each (x, y, z, colour).
struct FontVertex {
    float x, y, z;
    unsigned char colour[4];
};

void fillRect(quillomar::Image& image, float x0, float y0, float x1, float y1, Rgb8 colour) {
    const int left = std::max(0, int(std::lround(x0)));
    const int top = std::max(0, int(std::lround(y0)));
    const int right = std::min(image.width, int(std::lround(x1)));
    const int bottom = std::min(image.height, int(std::lround(y1)));
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            std::uint8_t* p = image.pixel(x, y);
            p[0] = colour.r;
            p[1] = colour.g;
            p[2] = colour.b;
            p[3] = 255;
        }
    }
}

} // namespace

int labelWidth(const std::string& text, float scale) {
    std::string copy = text;
    return int(std::ceil(stb_easy_font_width(copy.data()) * scale));
}

void drawLabel(quillomar::Image& image, int x, int y, const std::string& text, float scale,
               Rgb8 colour) {
    std::string copy = text;
    // Generous: the font uses well under 40 quads per character.
    std::vector<FontVertex> vertices(copy.size() * 40 * 4 + 4);
    unsigned char white[4] = {255, 255, 255, 255};
    const int quads = stb_easy_font_print(0.0f, 0.0f, copy.data(), white, vertices.data(),
                                          int(vertices.size() * sizeof(FontVertex)));
    for (int q = 0; q < quads; ++q) {
        const FontVertex& a = vertices[std::size_t(q) * 4];
        const FontVertex& c = vertices[std::size_t(q) * 4 + 2];
        fillRect(image, x + a.x * scale, y + a.y * scale, x + c.x * scale, y + c.y * scale, colour);
    }
}

} // namespace blendchart
