#include "hsl.h"

#include "hslFormulas.h"

namespace quillomar::composite {

using namespace formulas;

Hsl rgbToHsl(float r, float g, float b) {
    const HslOf<float> hsl = toHsl(r, g, b);
    return {hsl.h, hsl.s, hsl.l};
}

Rgba hslToRgb(const Hsl& hsl) {
    if (hsl.s == 0.0f) {
        return {hsl.l, hsl.l, hsl.l, 1.0f};
    }
    const HueRange<float> range = hueRange(hsl.s, hsl.l);
    return {hueToChannel(range.p, range.q, hsl.h + kOneThird),
            hueToChannel(range.p, range.q, hsl.h),
            hueToChannel(range.p, range.q, hsl.h - kOneThird), 1.0f};
}

} // namespace quillomar::composite
