// Dispatch of the blend modes and the weighted mix into the running colour.
#include "blend.h"

#include "hsl.h"

namespace quillomar::composite {

namespace {

float mix(float base, float value, float w) {
    return value * w + (1.0f - w) * base;
}

Rgba mixed(const Rgba& base, const Rgba& value, float w) {
    return {mix(base.r, value.r, w), mix(base.g, value.g, w), mix(base.b, value.b, w), 1.0f};
}

Rgba opaque(const Rgba& c) {
    return {c.r, c.g, c.b, 1.0f};
}

Rgba perChannel(ChannelBlend f, const Rgba& base, const Rgba& layer, float w) {
    return {mix(base.r, f(base.r, layer.r), w), mix(base.g, f(base.g, layer.g), w),
            mix(base.b, f(base.b, layer.b), w), 1.0f};
}

// Modes 23 to 26: hue, saturation and lightness each taken from the base or the layer.
Rgba hslCombined(int mode, const Rgba& base, const Rgba& layer, float w) {
    const Hsl b = rgbToHsl(base.r, base.g, base.b);
    const Hsl l = rgbToHsl(layer.r, layer.g, layer.b);
    Hsl x;
    switch (mode) {
    case kHue:
        x = {l.h, b.s, b.l};
        break;
    case kSaturation:
        x = {b.h, l.s, b.l};
        break;
    case kLuminosity:
        x = {b.h, b.s, l.l};
        break;
    default: // kColor
        x = {l.h, l.s, b.l};
        break;
    }
    return mixed(base, hslToRgb(x), w);
}

} // namespace

Rgba blend(int mode, const Rgba& base, const Rgba& layer, float w) {
    if (const ChannelBlend f = channelBlend(mode)) {
        return perChannel(f, base, layer, w);
    }
    switch (mode) {
    case kDarkerColor: // a tie keeps the base
        return opaque(luminance(base) > luminance(layer) ? layer : base);
    case kLighterColor: // a tie takes the layer
        return opaque(luminance(base) > luminance(layer) ? base : layer);
    case kHue:
    case kSaturation:
    case kLuminosity:
    case kColor:
        return hslCombined(mode, base, layer, w);
    default: // unknown modes, negative ones included
        return opaque(base);
    }
}

} // namespace quillomar::composite
