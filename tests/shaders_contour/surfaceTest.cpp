// contourMltShader's surface on plain values: opacity from the transparency's luminance and the
// over operation on its two branches.
#include "contour/surface.h"

#include <gtest/gtest.h>

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

} // namespace
