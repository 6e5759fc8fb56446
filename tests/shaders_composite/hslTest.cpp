// Hue-saturation-lightness conversions and the four modes built on them.
#include "composite/blend.h"
#include "composite/hsl.h"

#include <gtest/gtest.h>

namespace {

using quillomar::composite::blend;
using quillomar::composite::Hsl;
using quillomar::composite::hslToRgb;
using quillomar::composite::Rgba;
using quillomar::composite::rgbToHsl;

constexpr float kTolerance = 1e-6f;

void expectRgb(const Rgba& actual, float r, float g, float b) {
    EXPECT_NEAR(actual.r, r, kTolerance);
    EXPECT_NEAR(actual.g, g, kTolerance);
    EXPECT_NEAR(actual.b, b, kTolerance);
    EXPECT_EQ(actual.a, 1.0f);
}

TEST(Hsl, KnownColours) {
    struct Case {
        float r, g, b, h, s, l;
    };
    const Case cases[] = {
        {1, 0, 0, 0, 1, 0.5f},
        {0, 1, 0, 1.0f / 3, 1, 0.5f},
        {0, 0, 1, 2.0f / 3, 1, 0.5f},
        {1, 0, 1, 5.0f / 6, 1, 0.5f}, // negative hue wraps around
        {0.7f, 0.7f, 0.7f, 0, 0, 0.7f},
        {0.2f, 0.4f, 0.6f, 7.0f / 12, 0.5f, 0.4f},
        {0.9f, 0.8f, 0.6f, 1.0f / 9, 0.6f, 0.75f}, // lighter than mid-grey
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.r << " " << c.g << " " << c.b);
        const Hsl hsl = rgbToHsl(c.r, c.g, c.b);
        EXPECT_NEAR(hsl.h, c.h, kTolerance);
        EXPECT_NEAR(hsl.s, c.s, kTolerance);
        EXPECT_NEAR(hsl.l, c.l, kTolerance);
        expectRgb(hslToRgb(hsl), c.r, c.g, c.b);
    }
}

TEST(Hsl, ModesTakeEachComponentFromTheRightColour) {
    const Rgba base{0.2f, 0.4f, 0.6f, 1.0f}; // h 7/12, s 0.5, l 0.4
    const Rgba red{1.0f, 0.0f, 0.0f, 1.0f};  // h 0, s 1, l 0.5
    const Rgba grey{0.5f, 0.5f, 0.5f, 1.0f}; // s 0, l 0.5
    expectRgb(blend(23, base, red, 1.0f), 0.6f, 0.2f, 0.2f);
    expectRgb(blend(24, base, grey, 1.0f), 0.4f, 0.4f, 0.4f);
    expectRgb(blend(25, base, grey, 1.0f), 0.25f, 0.5f, 0.75f);
    expectRgb(blend(26, base, red, 1.0f), 0.8f, 0.0f, 0.0f);
    // Mixed by weight like the per-channel modes.
    expectRgb(blend(26, base, red, 0.5f), 0.5f, 0.2f, 0.3f);
}

TEST(Hsl, SaturationOfTheSameColourGivesItBack) {
    const Rgba colours[] = {
        {0.2f, 0.4f, 0.6f, 1.0f},  {0.9f, 0.8f, 0.6f, 1.0f}, {0.95f, 0.55f, 0.7f, 1.0f},
        {0.6f, 1.0f, 0.75f, 1.0f}, {0.5f, 0.5f, 0.5f, 1.0f}, {1.0f, 1.0f, 1.0f, 1.0f},
    };
    for (const Rgba& c : colours) {
        SCOPED_TRACE(testing::Message() << c.r << " " << c.g << " " << c.b);
        expectRgb(blend(24, c, c, 1.0f), c.r, c.g, c.b);
    }
}

} // namespace
