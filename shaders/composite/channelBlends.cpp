// Per-channel blend formulas. Float arithmetic unless a formula notes otherwise; division by a
// zero layer term follows IEEE arithmetic on purpose (no clamping the formula does not ask for).
#include "blend.h"

#include <algorithm>
#include <cmath>

namespace quillomar::composite {

namespace {

float normal(float, float l) {
    return l;
}
float darken(float b, float l) {
    return std::min(b, l);
}
float multiply(float b, float l) {
    return b * l;
}

float colorBurn(float b, float l) {
    if (l == 0.0f) {
        return 0.0f;
    }
    return std::max(0.0f, 1.0f - (1.0f - b) / l);
}

float linearBurn(float b, float l) {
    const float s = b + l;
    return s < 1.0f ? 0.0f : s - 1.0f;
}

float lighten(float b, float l) {
    return std::max(b, l);
}
float screen(float b, float l) {
    return 1.0f - (1.0f - l) * (1.0f - b);
}
float colorDodge(float b, float l) {
    return b / (1.0f - l);
}
float linearDodge(float b, float l) {
    return std::min(1.0f, b + l);
}

float overlay(float b, float l) {
    return b < 0.5f ? 2.0f * b * l : 1.0f - 2.0f * (1.0f - b) * (1.0f - l);
}

float softLight(float b, float l) {
    if (l < 0.5f) {
        return std::pow(b, 2.0f) * (1.0f - 2.0f * l) + 2.0f * b * l;
    }
    return std::sqrt(b) * (2.0f * l - 1.0f) + 2.0f * b * (1.0f - l);
}

float hardLight(float b, float l) {
    return l < 0.5f ? 2.0f * b * l : 1.0f - 2.0f * (1.0f - b) * (1.0f - l);
}

// Double precision in both branches.
float vividLight(float b, float l) {
    const double B = b;
    const double L = l;
    if (L < 0.5) {
        const double d = 2.0 * L;
        return d == 0.0 ? 0.0f : static_cast<float>(std::max(0.0, 1.0 - (1.0 - B) / d));
    }
    return static_cast<float>(B / (1.0 - 2.0 * (L - 0.5)));
}

// Float in the lower branch, double in the upper one.
float linearLight(float b, float l) {
    if (l < 0.5f) {
        const float s = 2.0f * l + b;
        return s < 1.0f ? 0.0f : s - 1.0f;
    }
    return static_cast<float>(std::min(1.0, 2.0 * (double(l) - 0.5) + double(b)));
}

// Double precision throughout.
float pinLight(float b, float l) {
    const double B = b;
    const double L = l;
    return static_cast<float>(L < 0.5 ? std::min(B, 2.0 * L) : std::max(B, 2.0 * (L - 0.5)));
}

// Thresholds the (rounded) vivid light value.
float hardMix(float b, float l) {
    return vividLight(b, l) >= 0.5f ? 1.0f : 0.0f;
}

float difference(float b, float l) {
    return std::fabs(b - l);
}
float exclusion(float b, float l) {
    return l + b - 2.0f * b * l;
}
float linearBurnUnclamped(float b, float l) {
    return b + l - 1.0f;
}

// Scaled to 8-bit steps with a +1 guard instead of a zero test.
float divide(float b, float l) {
    return b * 255.0f * 256.0f / (l * 255.0f + 1.0f) / 255.0f;
}

// Indexed by mode; null where the mode is not per-channel.
constexpr ChannelBlend kChannelBlends[kBlendModeCount] = {
    normal,  darken,     multiply,   colorBurn,           linearBurn,  nullptr,
    lighten, screen,     colorDodge, linearDodge,         nullptr,     linearDodge,
    overlay, softLight,  hardLight,  vividLight,          linearLight, pinLight,
    hardMix, difference, exclusion,  linearBurnUnclamped, divide,      nullptr,
    nullptr, nullptr,    nullptr,
};

} // namespace

ChannelBlend channelBlend(int mode) {
    if (static_cast<unsigned>(mode) >= unsigned(kBlendModeCount)) {
        return nullptr;
    }
    return kChannelBlends[mode];
}

} // namespace quillomar::composite
