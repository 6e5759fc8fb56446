// The blend formulas on plain values: branches on both sides and exactly at 0.5, the weighted
// mix, the whole-colour modes, unknown modes and the float/double rounding rules.
#include "composite/blend.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

namespace {

using quillomar::composite::blend;
using quillomar::composite::channelBlend;
using quillomar::composite::kBlendModeCount;
using quillomar::composite::luminance;
using quillomar::composite::Rgba;

struct ChannelCase {
    int mode;
    float base;
    float layer;
    float expected;
};

// Expected per-channel values worked out by hand from each mode's formula. At 0.5 the inputs are
// chosen so that the two branches round differently (or differ outright for values outside 0..1),
// which pins the strict "< 0.5" test.
const ChannelCase kChannelCases[] = {
    {0, 0.3f, 0.6f, 0.6f},
    {1, 0.3f, 0.6f, 0.3f},
    {1, 0.6f, 0.3f, 0.3f},
    {2, 0.5f, 0.5f, 0.25f},
    {3, 0.7f, 0.0f, 0.0f}, // a black layer burns to 0, not to -inf
    {3, 0.75f, 0.5f, 0.5f},
    {3, 0.25f, 0.5f, 0.0f},
    {4, 0.25f, 0.5f, 0.0f},
    {4, 0.75f, 0.5f, 0.25f},
    {6, 0.3f, 0.6f, 0.6f},
    {6, 0.6f, 0.3f, 0.6f},
    {7, 0.5f, 0.5f, 0.75f},
    {7, 0.0f, 1.0f, 1.0f},
    {8, 0.25f, 0.5f, 0.5f},
    {8, 0.5f, 0.75f, 2.0f}, // unclamped
    {9, 0.25f, 0.5f, 0.75f},
    {9, 0.75f, 0.5f, 1.0f},
    {11, 0.75f, 0.5f, 1.0f},
    {12, 0.25f, 0.25f, 0.125f},
    {12, 0.75f, 0.25f, 0.625f},
    {12, 0.5f, 0.1f, 0x1.9999ap-4f}, // upper branch; the lower one gives 0x1.99999ap-4
    {13, 0.25f, 0.25f, 0.15625f},
    {13, 0.25f, 0.75f, 0.375f},
    {14, 0.75f, 0.25f, 0.375f},
    {14, 0.25f, 0.75f, 0.625f},
    {14, 0.1f, 0.5f, 0x1.9999ap-4f}, // upper branch
    {15, 0.3f, 0.0f, 0.0f},
    {15, 0.75f, 0.25f, 0.5f},
    {15, 0.25f, 0.25f, 0.0f},
    {15, 0.25f, 0.75f, 0.5f},
    {15, -0.25f, 0.5f, -0.25f}, // upper branch is unclamped; the lower would give 0
    {16, 0.75f, 0.25f, 0.25f},
    {16, 0.25f, 0.25f, 0.0f},
    {16, 0.75f, 0.75f, 1.0f},
    {16, 0.25f, 0.75f, 0.75f},
    {16, 0.1f, 0.5f, 0x1.99999ap-4f}, // upper branch; the lower one gives (1 + B) - 1
    {17, 0.75f, 0.25f, 0.5f},
    {17, 0.25f, 0.25f, 0.25f},
    {17, 0.25f, 0.75f, 0.5f},
    {17, 0.75f, 0.75f, 0.75f},
    {17, 1.5f, 0.5f, 1.5f},   // upper branch; the lower one gives 1
    {18, 0.75f, 0.25f, 1.0f}, // vivid value exactly 0.5
    {18, 0.7f, 0.25f, 0.0f},
    {18, 0.25f, 0.75f, 1.0f},
    {18, 0.2f, 0.75f, 0.0f},
    {18, 0.5f, 0.5f, 1.0f},
    {19, 0.25f, 0.75f, 0.5f},
    {19, 0.75f, 0.25f, 0.5f},
    {20, 0.5f, 0.5f, 0.5f},
    {20, 0.25f, 0.75f, 0.625f},
    {21, 0.25f, 0.5f, -0.25f},
    {21, 1.0f, 1.0f, 1.0f},
    {22, 0.5f, 1.0f, 0.5f},
    {22, 0.5f, 0.0f, 128.0f}, // unclamped
};

TEST(BlendModes, PerChannelFormulasOnBothSidesOfEveryBranch) {
    for (const ChannelCase& c : kChannelCases) {
        SCOPED_TRACE(testing::Message()
                     << "mode " << c.mode << " B " << c.base << " L " << c.layer);
        ASSERT_NE(channelBlend(c.mode), nullptr);
        EXPECT_EQ(channelBlend(c.mode)(c.base, c.layer), c.expected);
        // Through the full blend, weight 1, on every channel.
        const Rgba out =
            blend(c.mode, {c.base, c.base, c.base, 0.2f}, {c.layer, c.layer, c.layer, 0.4f}, 1.0f);
        EXPECT_EQ(out.r, c.expected);
        EXPECT_EQ(out.b, c.expected);
        EXPECT_EQ(out.a, 1.0f);
    }
}

TEST(BlendModes, SoftLightAtHalfTakesTheSquareRootBranch) {
    // sqrtf of a negative base is not a number; the B^2 branch would give B.
    EXPECT_TRUE(std::isnan(channelBlend(13)(-0.25f, 0.5f)));
    EXPECT_FALSE(std::isnan(channelBlend(13)(-0.25f, 0.49f)));
}

TEST(BlendModes, WhiteLayerDividesByZeroInDodgeAndVividLight) {
    for (int mode : {8, 15}) {
        EXPECT_EQ(channelBlend(mode)(0.5f, 1.0f), std::numeric_limits<float>::infinity());
        EXPECT_TRUE(std::isnan(channelBlend(mode)(0.0f, 1.0f)));
    }
}

TEST(BlendModes, ZeroAndOneChannels) {
    // Black and white inputs hit the clamps and the guarded divisions of every mode; none may
    // produce anything but a finite value in 0..1 except the unclamped dodge, vivid light,
    // linear burn unclamped and divide.
    for (int mode = 0; mode < kBlendModeCount; ++mode) {
        for (float b : {0.0f, 1.0f}) {
            for (float l : {0.0f, 1.0f}) {
                SCOPED_TRACE(testing::Message() << "mode " << mode << " B " << b << " L " << l);
                const Rgba out = blend(mode, {b, b, b, 1.0f}, {l, l, l, 1.0f}, 1.0f);
                const bool unclamped = mode == 8 || mode == 15 || mode == 21 || mode == 22;
                if (!unclamped) {
                    EXPECT_GE(out.r, 0.0f);
                    EXPECT_LE(out.r, 1.0f);
                }
            }
        }
    }
    EXPECT_EQ(channelBlend(21)(0.0f, 0.0f), -1.0f);
    EXPECT_EQ(channelBlend(22)(1.0f, 0.0f), 256.0f);
    EXPECT_EQ(channelBlend(3)(0.0f, 1.0f), 0.0f);
    EXPECT_EQ(channelBlend(18)(0.0f, 1.0f), 0.0f); // vivid light is NaN here, NaN >= 0.5 is false
}

TEST(BlendModes, WeightMixesFormulaIntoBase) {
    const Rgba base{0.5f, 0.25f, 1.0f, 0.0f};
    const Rgba layer{0.25f, 1.0f, 0.5f, 0.0f};
    // multiply: f = (0.125, 0.25, 0.5); out = f * w + (1 - w) * B
    const Rgba out = blend(2, base, layer, 0.5f);
    EXPECT_EQ(out.r, 0.3125f);
    EXPECT_EQ(out.g, 0.25f);
    EXPECT_EQ(out.b, 0.75f);
    const Rgba none = blend(0, base, layer, 0.0f);
    EXPECT_EQ(none.r, base.r);
    EXPECT_EQ(none.g, base.g);
    EXPECT_EQ(none.a, 1.0f);
}

TEST(BlendModes, InputAlphasNeverMatterAndOutputAlphaIsOne) {
    const Rgba base{0.3f, 0.6f, 0.9f, 0.0f};
    const Rgba layer{0.8f, 0.4f, 0.1f, 0.0f};
    for (int mode = 0; mode < kBlendModeCount; ++mode) {
        SCOPED_TRACE(mode);
        const Rgba a = blend(mode, base, layer, 0.7f);
        const Rgba b =
            blend(mode, {base.r, base.g, base.b, 0.9f}, {layer.r, layer.g, layer.b, 5.0f}, 0.7f);
        EXPECT_EQ(a.r, b.r);
        EXPECT_EQ(a.g, b.g);
        EXPECT_EQ(a.b, b.b);
        EXPECT_EQ(a.a, 1.0f);
        EXPECT_EQ(b.a, 1.0f);
    }
}

TEST(BlendModes, LinearDodgeAndAddAreTheSame) {
    for (float b = -0.25f; b <= 1.25f; b += 0.125f) {
        for (float l = -0.25f; l <= 1.25f; l += 0.125f) {
            const Rgba x = blend(9, {b, l, b, 1.0f}, {l, b, 0.5f, 1.0f}, 0.6f);
            const Rgba y = blend(11, {b, l, b, 1.0f}, {l, b, 0.5f, 1.0f}, 0.6f);
            EXPECT_EQ(x.r, y.r);
            EXPECT_EQ(x.g, y.g);
            EXPECT_EQ(x.b, y.b);
        }
    }
}

TEST(BlendModes, DarkerAndLighterColourPickAWholeColourIgnoringWeight) {
    const Rgba grey{0.2f, 0.2f, 0.2f, 0.5f}; // luminance 0.2
    const Rgba red{0.8f, 0.1f, 0.1f, 0.5f};  // luminance 0.3093
    struct Case {
        int mode;
        Rgba base, layer, expected;
    };
    const Case cases[] = {
        {5, grey, red, grey},
        {5, red, grey, grey},
        {10, grey, red, red},
        {10, red, grey, red},
    };
    for (const Case& c : cases) {
        for (float w : {0.0f, 0.5f, 1.0f}) {
            const Rgba out = blend(c.mode, c.base, c.layer, w);
            EXPECT_EQ(out.r, c.expected.r);
            EXPECT_EQ(out.g, c.expected.g);
            EXPECT_EQ(out.b, c.expected.b);
            EXPECT_EQ(out.a, 1.0f);
        }
    }
}

TEST(BlendModes, LuminanceTiesKeepBaseInDarkerAndTakeLayerInLighter) {
    const Rgba base{0.0f, 0.299f, 0.0f, 1.0f};
    const Rgba layer{0.587f, 0.0f, 0.0f, 1.0f};
    ASSERT_EQ(luminance(base), luminance(layer));
    EXPECT_EQ(blend(5, base, layer, 1.0f).g, base.g);
    EXPECT_EQ(blend(10, base, layer, 1.0f).r, layer.r);
    // Identical colours are the plainest tie.
    EXPECT_EQ(blend(5, layer, layer, 0.0f).r, layer.r);
}

TEST(BlendModes, UnknownModesPassTheRunningColourWithOpaqueAlpha) {
    const Rgba base{0.3f, 2.0f, -0.5f, 0.25f};
    const Rgba layer{0.9f, 0.9f, 0.9f, 0.9f};
    for (int mode : {27, 28, -1, INT_MIN, INT_MAX}) {
        SCOPED_TRACE(mode);
        EXPECT_EQ(channelBlend(mode), nullptr);
        const Rgba out = blend(mode, base, layer, 1.0f);
        EXPECT_EQ(out.r, base.r);
        EXPECT_EQ(out.g, base.g);
        EXPECT_EQ(out.b, base.b);
        EXPECT_EQ(out.a, 1.0f);
    }
}

TEST(BlendModes, LuminanceSumsInDoubleAndRoundsOnce) {
    EXPECT_EQ(luminance({1.0f, 0.0f, 0.0f, 0.0f}), 0.299f);
    EXPECT_EQ(luminance({1.0f, 1.0f, 1.0f, 0.0f}), 1.0f);
    // A float sum gives 0x1.2b66b8p-5 here.
    EXPECT_EQ(luminance({0.0f, 0.004f, 0.3f, 0.0f}), 0x1.2b66b6p-5f);
}

TEST(BlendModes, VividLightLowerBranchIsComputedInDouble) {
    // In float 1 - (1 - B) / 2L is slightly negative and clamps to 0.
    EXPECT_EQ(channelBlend(15)(0.01f, 0.495f), 0x1.433b7ap-27f);
    // Hard mix thresholds that same value.
    EXPECT_EQ(channelBlend(18)(0.01f, 0.495f), 0.0f);
}

} // namespace
