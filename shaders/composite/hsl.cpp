#include "hsl.h"

#include <algorithm>

namespace quillomar::composite {

namespace {

// The float constants, not the double ones: the hue offsets must round the same way everywhere.
constexpr float kOneThird = 1.0f / 3.0f;
constexpr float kTwoThirds = 2.0f / 3.0f;

float hueToChannel(float p, float q, float t) {
    if (t < 0.0f) {
        t += 1.0f;
    } else if (t > 1.0f) {
        t -= 1.0f;
    }
    if (6.0f * t < 1.0f) {
        return p + (q - p) * 6.0f * t;
    }
    if (2.0f * t < 1.0f) {
        return q;
    }
    if (3.0f * t < 2.0f) {
        return p + (q - p) * (kTwoThirds - t) * 6.0f;
    }
    return p;
}

} // namespace

Hsl rgbToHsl(float r, float g, float b) {
    const float mx = std::max(std::max(r, g), b);
    const float mn = std::min(std::min(r, g), b);
    Hsl out;
    out.l = (mx + mn) * 0.5f;
    if (mx == mn) {
        return out;
    }
    const float d = mx - mn;
    out.s = out.l <= 0.5f ? d / (mx + mn) : d / (2.0f - mx - mn);
    float h;
    if (r == mx) {
        h = (g - b) / d;
    } else if (g == mx) {
        h = (b - r) / d + 2.0f;
    } else {
        h = (r - g) / d + 4.0f;
    }
    h /= 6.0f;
    if (h < 0.0f) {
        h += 1.0f;
    }
    out.h = h;
    return out;
}

Rgba hslToRgb(const Hsl& hsl) {
    if (hsl.s == 0.0f) {
        return {hsl.l, hsl.l, hsl.l, 1.0f};
    }
    const float q = hsl.l <= 0.5f ? hsl.l * (1.0f + hsl.s) : hsl.l + hsl.s - hsl.l * hsl.s;
    const float p = 2.0f * hsl.l - q;
    return {hueToChannel(p, q, hsl.h + kOneThird), hueToChannel(p, q, hsl.h),
            hueToChannel(p, q, hsl.h - kOneThird), 1.0f};
}

} // namespace quillomar::composite
