#pragma once
// Red-green-blue to hue-saturation-lightness and back, written once for a float and for Lanes.
// Both sides of every test are computed and one is selected: with Lanes, rgbToHsl converts up to
// four colours at once (one per lane) and hslToRgb computes red, green and blue at once.
#include "lanes.h"

namespace quillomar::composite::formulas {

// The float constants, not the double ones: the hue offsets must round the same way everywhere.
constexpr float kOneThird = 1.0f / 3.0f;
constexpr float kTwoThirds = 2.0f / 3.0f;

template <typename T> struct HslOf { T h, s, l; };

template <typename T> HslOf<T> toHsl(T r, T g, T b) {
    const T mx = larger(larger(r, g), b);
    const T mn = smaller(smaller(r, g), b);
    const T l = (mx + mn) * 0.5f;
    const T d = mx - mn;
    const T s = d / select(l <= 0.5f, mx + mn, 2.0f - mx - mn);
    const auto redLargest = r == mx;
    const auto greenLargest = g == mx;
    const T q = select(redLargest, g - b, select(greenLargest, b - r, r - g)) / d;
    T h = select(redLargest, q, q + select(greenLargest, T(2.0f), T(4.0f)));
    h = h / 6.0f;
    h = select(h < 0.0f, h + 1.0f, h);
    const auto grey = mx == mn;
    return {select(grey, T(0.0f), h), select(grey, T(0.0f), s), l};
}

// Of the four cases, in this order: 6t < 1, 2t < 1, 3t < 2, otherwise. The first case implies
// the second, so the slowest value (the third case's) is chosen last, after the others.
template <typename T> T hueToChannel(T p, T q, T t) {
    t = select(t < 0.0f, t + 1.0f, select(t > 1.0f, t - 1.0f, t));
    const auto belowHalf = 2.0f * t < 1.0f;
    const T early = select(6.0f * t < 1.0f, p + (q - p) * 6.0f * t, select(belowHalf, q, p));
    return select(butNot(3.0f * t < 2.0f, belowHalf), p + (q - p) * (kTwoThirds - t) * 6.0f, early);
}

// The two values hueToChannel interpolates between.
template <typename T> struct HueRange { T p, q; };

template <typename T> HueRange<T> hueRange(T s, T l) {
    const T q = select(l <= 0.5f, l * (1.0f + s), l + s - l * s);
    return {2.0f * l - q, q};
}

// Red, green and blue in the first three lanes, from h, s and l given in every lane. The hue
// offsets are added as (+1/3, -0, -1/3): adding -0 leaves every value as it is, and adding -1/3
// is subtracting 1/3.
inline Lanes hslToRgbLanes(Lanes h, Lanes s, Lanes l) {
    const HueRange<Lanes> range = hueRange(s, l);
    const Lanes rgb =
        hueToChannel(range.p, range.q, h + Lanes(kOneThird, -0.0f, -kOneThird, -0.0f));
    return select(s == 0.0f, l, rgb);
}

} // namespace quillomar::composite::formulas
