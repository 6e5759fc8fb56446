#include "chart.h"

#include <algorithm>
#include <cmath>

namespace blendchart {

namespace {

const char* const kModeNames[kModeCount] = {
    "normal",         "darken",
    "multiply",       "colour burn",
    "linear burn",    "darker colour",
    "lighten",        "screen",
    "colour dodge",   "linear dodge",
    "lighter colour", "add",
    "overlay",        "soft light",
    "hard light",     "vivid light",
    "linear light",   "pin light",
    "hard mix",       "difference",
    "exclusion",      "linear burn unclamped",
    "divide",         "hue",
    "saturation",     "luminosity",
    "colour",
};

Colour lerp(const Colour& a, const Colour& b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

} // namespace

const char* modeName(int mode) {
    return mode >= 0 && mode < kModeCount ? kModeNames[mode] : "unknown";
}

Colour baseGradient(float u) {
    const Colour dark{0.04f, 0.08f, 0.25f};
    const Colour teal{0.15f, 0.55f, 0.6f};
    const Colour cream{1.0f, 0.95f, 0.82f};
    u = std::clamp(u, 0.0f, 1.0f);
    return u < 0.5f ? lerp(dark, teal, u * 2.0f) : lerp(teal, cream, u * 2.0f - 1.0f);
}

Colour layerGradient(float v) {
    // Hue sweep through red, yellow, green, cyan, blue and magenta, fading to mid-grey at the
    // bottom so the modes' behaviour on an unsaturated layer shows too.
    const float hue = std::clamp(v / 0.8f, 0.0f, 1.0f) * 5.0f;
    auto channel = [hue](float offset) {
        const float k = std::fmod(hue + offset, 6.0f);
        return 1.0f - std::clamp(std::min(k, 4.0f - k), 0.0f, 1.0f);
    };
    const Colour saturated{channel(5.0f), channel(3.0f), channel(1.0f)};
    const float fade = std::clamp((v - 0.8f) / 0.2f, 0.0f, 1.0f);
    return lerp(saturated, {0.5f, 0.5f, 0.5f}, fade);
}

Rect ChartLayout::swatch(int cell) const {
    const int column = cell % columns;
    const int row = cell / columns;
    return {gap + column * (swatchWidth + gap), gap + row * (swatchHeight + labelHeight + gap),
            swatchWidth, swatchHeight};
}

} // namespace blendchart
