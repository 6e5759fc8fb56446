// contourMltShader's surface on plain values: opacity from the transparency's luminance and the
// over operation on its two branches.
#include "contour/surface.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using quillomar::contour::opacity;
using quillomar::contour::over;

void expectColour(const miColor& actual, const miColor& expected) {
    EXPECT_FLOAT_EQ(actual.r, expected.r);
    EXPECT_FLOAT_EQ(actual.g, expected.g);
    EXPECT_FLOAT_EQ(actual.b, expected.b);
    EXPECT_FLOAT_EQ(actual.a, expected.a);
}

TEST(ContourSurface, OpacityIsOneMinusLuminanceUnclamped) {
    EXPECT_EQ(opacity({0, 0, 0, 0}), 1.0f);
    EXPECT_EQ(opacity({1, 1, 1, 0}), 0.0f);
    EXPECT_FLOAT_EQ(opacity({1, 0, 0, 0.5f}), 1.0f - 0.299f);
    EXPECT_FLOAT_EQ(opacity({0, 1, 0, 0}), 1.0f - 0.587f);
    EXPECT_FLOAT_EQ(opacity({0, 0, 1, 0}), 1.0f - 0.114f);
    EXPECT_FLOAT_EQ(opacity({2, 2, 2, 0}), -1.0f);
}

TEST(ContourSurface, OverAnOpaqueBottomMixesByTheTopAlpha) {
    expectColour(over({1.0f, 0.5f, 0.0f, 0.25f}, {0.2f, 0.4f, 0.8f, 1.0f}),
                 {0.75f * 0.2f + 0.25f, 0.75f * 0.4f + 0.125f, 0.75f * 0.8f, 1.0f});
    expectColour(over({0.3f, 0.6f, 0.9f, 1.0f}, {0.2f, 0.4f, 0.8f, 1.0f}), {0.3f, 0.6f, 0.9f, 1});
}

TEST(ContourSurface, OverATransparentBottomIsNotDividedByTheAlpha) {
    // A = 0.5 * 0.5 + 0.5 = 0.75; channels 0.5 * U * 0.5 + 0.5 * T.
    expectColour(over({1.0f, 0.0f, 0.5f, 0.5f}, {0.4f, 0.8f, 0.0f, 0.5f}),
                 {0.1f + 0.5f, 0.2f, 0.25f, 0.75f});
    // A fully transparent top over a half-transparent bottom: the bottom weighted by its alpha.
    expectColour(over({1.0f, 1.0f, 1.0f, 0.0f}, {0.4f, 0.8f, 0.2f, 0.5f}),
                 {0.2f, 0.4f, 0.1f, 0.5f});
    // A resulting alpha of 0 gives transparent black, also where alphas outside 0..1 cancel.
    expectColour(over({1.0f, 1.0f, 1.0f, 0.0f}, {0.4f, 0.8f, 0.2f, 0.0f}), {0, 0, 0, 0});
    expectColour(over({1.0f, 1.0f, 1.0f, 2.0f}, {0.4f, 0.8f, 0.2f, 2.0f}), {0, 0, 0, 0});
}

// Random colours and alphas (outside 0..1 too): each branch's formula in float, to the last bit.
// Over an opaque bottom (1 - Ta) * U + Ta * T; otherwise A = (1 - Ta) * Ua + Ta and channels
// Ua * U * (1 - Ta) + Ta * T. Regrouping either rounds differently for many of these.
TEST(ContourSurface, OverFollowsItsFormulasToTheLastBit) {
    std::mt19937 random(17);
    std::uniform_real_distribution<float> value(-0.25f, 1.25f);
    for (int i = 0; i < 4000; ++i) {
        const miColor top{value(random), value(random), value(random), value(random)};
        miColor bottom{value(random), value(random), value(random), value(random)};
        if (i % 2 == 0)
            bottom.a = 1.0f;
        const float ta = top.a, ua = bottom.a;
        const miColor actual = over(top, bottom);
        const float a = ua == 1.0f ? 1.0f : (1.0f - ta) * ua + ta;
        ASSERT_EQ(actual.a, a) << i;
        const float tops[3] = {top.r, top.g, top.b};
        const float bottoms[3] = {bottom.r, bottom.g, bottom.b};
        const float channels[3] = {actual.r, actual.g, actual.b};
        for (int c = 0; c < 3; ++c) {
            float expected = ua == 1.0f ? (1.0f - ta) * bottoms[c] + ta * tops[c]
                                        : ua * bottoms[c] * (1.0f - ta) + ta * tops[c];
            if (a == 0.0f)
                expected = 0.0f;
            ASSERT_EQ(channels[c], expected) << i << " channel " << c;
        }
    }
}

} // namespace
