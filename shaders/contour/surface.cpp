#include "surface.h"

#include "composite/colour.h"

namespace quillomar::contour {

float opacity(const miColor& transparency) {
    const composite::Rgba t{transparency.r, transparency.g, transparency.b, transparency.a};
    return 1.0f - composite::luminance(t);
}

miColor over(const miColor& top, const miColor& bottom) {
    const float ta = top.a;
    const float ua = bottom.a;
    if (ua == 1.0f) {
        auto channel = [ta](float u, float t) { return (1.0f - ta) * u + ta * t; };
        return {channel(bottom.r, top.r), channel(bottom.g, top.g), channel(bottom.b, top.b), 1.0f};
    }
    const float a = (1.0f - ta) * ua + ta;
    if (a == 0.0f) {
        return {0.0f, 0.0f, 0.0f, a};
    }
    auto channel = [ta, ua](float u, float t) { return ua * u * (1.0f - ta) + ta * t; };
    return {channel(bottom.r, top.r), channel(bottom.g, top.g), channel(bottom.b, top.b), a};
}

} // namespace quillomar::contour
