#pragma once
// The per-channel blend formulas f(B, L), written once for a float and for Lanes (red, green and
// blue at once). Float arithmetic unless a formula notes otherwise; both sides of a test are
// computed and one is selected, which gives the same value as branching. Division by a zero layer
// term follows IEEE arithmetic on purpose (no clamping the formula does not ask for).
#include "lanes.h"

#include <algorithm>
#include <cmath>

namespace quillomar::composite::formulas {

template <typename T> T normal(T, T l) {
    return l;
}
template <typename T> T darken(T b, T l) {
    return smaller(b, l);
}
template <typename T> T multiply(T b, T l) {
    return b * l;
}

template <typename T> T colorBurn(T b, T l) {
    return select(l == T(0.0f), T(0.0f), larger(T(0.0f), 1.0f - (1.0f - b) / l));
}

template <typename T> T linearBurn(T b, T l) {
    const T s = b + l;
    return select(s < 1.0f, T(0.0f), s - 1.0f);
}

template <typename T> T lighten(T b, T l) {
    return larger(b, l);
}
template <typename T> T screen(T b, T l) {
    return 1.0f - (1.0f - l) * (1.0f - b);
}
template <typename T> T colorDodge(T b, T l) {
    return b / (1.0f - l);
}
template <typename T> T linearDodge(T b, T l) {
    return smaller(T(1.0f), b + l);
}

template <typename T> T overlay(T b, T l) {
    return select(b < 0.5f, 2.0f * b * l, 1.0f - 2.0f * (1.0f - b) * (1.0f - l));
}

// B^2 is powf(B, 2): the exactly rounded square, which is what B * B gives.
template <typename T> T softLight(T b, T l) {
    return select(l < 0.5f, b * b * (1.0f - 2.0f * l) + 2.0f * b * l,
                  squareRoot(b) * (2.0f * l - 1.0f) + 2.0f * b * (1.0f - l));
}

template <typename T> T hardLight(T b, T l) {
    return select(l < 0.5f, 2.0f * b * l, 1.0f - 2.0f * (1.0f - b) * (1.0f - l));
}

// Double precision in both branches.
inline float vividLight(float b, float l) {
    const double B = b;
    const double L = l;
    if (L < 0.5) {
        const double d = 2.0 * L;
        return d == 0.0 ? 0.0f : static_cast<float>(std::max(0.0, 1.0 - (1.0 - B) / d));
    }
    return static_cast<float>(B / (1.0 - 2.0 * (L - 0.5)));
}

// Float in the lower branch, double in the upper one.
inline float linearLight(float b, float l) {
    if (l < 0.5f) {
        const float s = 2.0f * l + b;
        return s < 1.0f ? 0.0f : s - 1.0f;
    }
    return static_cast<float>(std::min(1.0, 2.0 * (double(l) - 0.5) + double(b)));
}

// Double precision throughout.
inline float pinLight(float b, float l) {
    const double B = b;
    const double L = l;
    return static_cast<float>(L < 0.5 ? std::min(B, 2.0 * L) : std::max(B, 2.0 * (L - 0.5)));
}

// Thresholds the (rounded) vivid light value.
inline float hardMix(float b, float l) {
    return vividLight(b, l) >= 0.5f ? 1.0f : 0.0f;
}

template <typename T> T difference(T b, T l) {
    return absolute(b - l);
}
template <typename T> T exclusion(T b, T l) {
    return l + b - 2.0f * b * l;
}
template <typename T> T linearBurnUnclamped(T b, T l) {
    return b + l - 1.0f;
}

// Scaled to 8-bit steps with a +1 guard instead of a zero test.
template <typename T> T divide(T b, T l) {
    return b * 255.0f * 256.0f / (l * 255.0f + 1.0f) / 255.0f;
}

} // namespace quillomar::composite::formulas
