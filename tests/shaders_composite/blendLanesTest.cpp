// The blend computes red, green and blue at once in SSE lanes, with both sides of every test
// computed and one selected. It must give bit for bit what the scalar formulas give, channel by
// channel: checked on random colours in and around 0..1, on the values where branches switch,
// and on zeros, infinities and values that are not numbers.
#include "composite/blend.h"
#include "composite/hsl.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

namespace {

using quillomar::composite::blend;
using quillomar::composite::channelBlend;
using quillomar::composite::Hsl;
using quillomar::composite::hslToRgb;
using quillomar::composite::kBlendModeCount;
using quillomar::composite::Rgba;
using quillomar::composite::rgbToHsl;

// The same bits, or both not a number (whose sign and payload C++ leaves to the compiler).
bool sameValue(float a, float b) {
    return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b));
}

float mixed(float base, float value, float w) {
    return value * w + (1.0f - w) * base;
}

// What the scalar conversions give for modes 23 to 26.
Rgba scalarHslMode(int mode, const Rgba& base, const Rgba& layer, float w) {
    const Hsl b = rgbToHsl(base.r, base.g, base.b);
    const Hsl l = rgbToHsl(layer.r, layer.g, layer.b);
    const Hsl x = mode == 23   ? Hsl{l.h, b.s, b.l}
                  : mode == 24 ? Hsl{b.h, l.s, b.l}
                  : mode == 25 ? Hsl{b.h, b.s, l.l}
                               : Hsl{l.h, l.s, b.l};
    const Rgba c = hslToRgb(x);
    return {mixed(base.r, c.r, w), mixed(base.g, c.g, w), mixed(base.b, c.b, w), 1.0f};
}

class ChannelValues {
public:
    ChannelValues() : random_(29) {}

    // Mostly 0..1, some beyond it, some exact sixteenths, some special values.
    float next() {
        static const float kSpecial[] = {0.0f,
                                         -0.0f,
                                         0.5f,
                                         1.0f,
                                         0.25f,
                                         0.75f,
                                         1.0f / 3.0f,
                                         2.0f / 3.0f,
                                         1.0f / 6.0f,
                                         0.49999997f,
                                         0.50000006f,
                                         0.99999994f,
                                         1.0000001f,
                                         -0.25f,
                                         1.5f,
                                         1e-40f,
                                         -1e-40f,
                                         1e-30f,
                                         std::numeric_limits<float>::infinity(),
                                         -std::numeric_limits<float>::infinity(),
                                         std::numeric_limits<float>::quiet_NaN()};
        const int kind = std::uniform_int_distribution<int>(0, 9)(random_);
        if (kind < 5) {
            return std::uniform_real_distribution<float>(0.0f, 1.0f)(random_);
        }
        if (kind < 7) {
            return std::uniform_real_distribution<float>(-0.5f, 1.5f)(random_);
        }
        if (kind < 8) {
            return std::uniform_int_distribution<int>(0, 16)(random_) / 16.0f;
        }
        return kSpecial[std::uniform_int_distribution<std::size_t>(0, std::size(kSpecial) -
                                                                          1)(random_)];
    }
    Rgba colour() { return {next(), next(), next(), next()}; }

private:
    std::mt19937 random_;
};

TEST(BlendLanes, EveryModeGivesWhatTheScalarFormulasGive) {
    ChannelValues values;
    int mismatches = 0;
    for (int i = 0; i < 200000 && mismatches < 10; ++i) {
        const Rgba base = values.colour();
        const Rgba layer = values.colour();
        const float w = i % 2 == 0 ? 1.0f : values.next();
        for (int mode = 0; mode < kBlendModeCount; ++mode) {
            Rgba expected;
            if (const auto f = channelBlend(mode)) {
                expected = {mixed(base.r, f(base.r, layer.r), w),
                            mixed(base.g, f(base.g, layer.g), w),
                            mixed(base.b, f(base.b, layer.b), w), 1.0f};
            } else if (mode >= 23) {
                expected = scalarHslMode(mode, base, layer, w);
            } else {
                continue; // modes 5 and 10 pick a whole colour: tested on their own
            }
            const Rgba out = blend(mode, base, layer, w);
            if (!sameValue(out.r, expected.r) || !sameValue(out.g, expected.g) ||
                !sameValue(out.b, expected.b) || out.a != 1.0f) {
                ++mismatches;
                ADD_FAILURE() << "mode " << mode << std::hexfloat << " B " << base.r << " "
                              << base.g << " " << base.b << " L " << layer.r << " " << layer.g
                              << " " << layer.b << " w " << w << ": " << out.r << " " << out.g
                              << " " << out.b << " instead of " << expected.r << " " << expected.g
                              << " " << expected.b;
            }
        }
    }
}

TEST(BlendLanes, HslConversionsAgreeWithTheLanesOnGreysAndHueWraps) {
    // Greys (hue and saturation 0), a negative red hue that wraps, and hues at the thirds.
    const Rgba colours[] = {{0.0f, 0.0f, 0.0f, 1.0f}, {1.0f, 1.0f, 1.0f, 1.0f},
                            {0.4f, 0.4f, 0.4f, 1.0f}, {1.0f, 0.0f, 0.5f, 1.0f},
                            {0.0f, 1.0f, 0.0f, 1.0f}, {0.0f, 0.0f, 1.0f, 1.0f},
                            {0.9f, 0.8f, 0.6f, 1.0f}, {0.2f, 0.2f, 0.6f, 1.0f}};
    for (const Rgba& base : colours) {
        for (const Rgba& layer : colours) {
            for (int mode = 23; mode <= 26; ++mode) {
                const Rgba expected = scalarHslMode(mode, base, layer, 0.75f);
                const Rgba out = blend(mode, base, layer, 0.75f);
                EXPECT_TRUE(sameValue(out.r, expected.r) && sameValue(out.g, expected.g) &&
                            sameValue(out.b, expected.b))
                    << "mode " << mode << " B " << base.r << " " << base.g << " " << base.b << " L "
                    << layer.r << " " << layer.g << " " << layer.b;
            }
        }
    }
}

} // namespace
