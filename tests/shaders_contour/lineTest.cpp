// The contour line's colour and width on plain records: width ramp, fall-off over the normals,
// depth factor, and which sample's settings are used.
#include "contour/line.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

using quillomar::contour::ContourInfo;
using quillomar::contour::ContourSettings;
using quillomar::contour::depthFactor;
using quillomar::contour::falloff;
using quillomar::contour::lineEnd;

// Width 2 (a quarter of the way from 1 to 5), fall-off base 0.25, factor 3 nearer than 10 and
// 0.5 beyond 20.
ContourSettings settings() {
    ContourSettings s{};
    s.contourColor = {0.9f, 0.6f, 0.3f, 0.2f};
    s.widthRamp = 0.25f;
    s.widthMin = 1.0f;
    s.widthMax = 5.0f;
    s.falloffBase = 0.25f;
    s.nearDepth = 10.0f;
    s.nearFactor = 3.0f;
    s.farDepth = 20.0f;
    s.farFactor = 0.5f;
    return s;
}

ContourInfo sample(float z, const miVector& normal) {
    ContourInfo info{};
    info.point = {0.0f, 0.0f, z};
    info.normal = normal;
    info.settings = settings();
    return info;
}

const miVector kFacing{0.0f, 0.0f, 1.0f};

TEST(ContourLine, WidthIsRampedFallenOffAndScaledByDepth) {
    const ContourInfo nearInfo = sample(-5.0f, kFacing);
    ContourInfo farInfo = sample(-8.0f, kFacing);
    quillomar::contour::LineEnd line = lineEnd(&nearInfo, &farInfo);
    EXPECT_EQ(line.color.r, 0.9f);
    EXPECT_EQ(line.color.g, 0.6f);
    EXPECT_EQ(line.color.b, 0.3f);
    EXPECT_EQ(line.color.a, 1.0f);
    EXPECT_FLOAT_EQ(line.width, 1.0f * 2.0f * 3.0f);
    // Perpendicular normals: the square root of the base; opposite ones: the base.
    farInfo.normal = {1.0f, 0.0f, 0.0f};
    EXPECT_FLOAT_EQ(lineEnd(&nearInfo, &farInfo).width, 0.5f * 2.0f * 3.0f);
    farInfo.normal = {0.0f, 0.0f, -1.0f};
    EXPECT_FLOAT_EQ(lineEnd(&nearInfo, &farInfo).width, 0.25f * 2.0f * 3.0f);
}

// Random settings, normals and depths (between, before and beyond the depth limits): the width is
// F * W * D multiplied in that order, W = ramp * (max - min) + min and, between the limits,
// D = (z - zn) / (zf - zn) * (far - near) + near, each step in float. Another order or grouping
// rounds differently for many of these.
TEST(ContourLine, WidthIsFallOffTimesBaseTimesDepthFactorToTheLastBit) {
    std::mt19937 random(13);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    std::uniform_real_distribution<float> factor(0.1f, 4.0f);
    std::uniform_real_distribution<float> depth(-40.0f, 0.0f);
    int interpolated = 0;
    for (int i = 0; i < 3000; ++i) {
        ContourInfo nearInfo = sample(depth(random), {unit(random), unit(random), unit(random)});
        const ContourInfo farInfo =
            sample(nearInfo.point.z - 1.0f, {unit(random), unit(random), unit(random)});
        ContourSettings& s = nearInfo.settings;
        s.widthRamp = unit(random);
        s.widthMin = factor(random);
        s.widthMax = factor(random);
        s.falloffBase = unit(random);
        s.nearDepth = 5.0f + 10.0f * unit(random);
        s.farDepth = 20.0f + 10.0f * unit(random);
        s.nearFactor = factor(random);
        s.farFactor = factor(random);
        const float w = s.widthRamp * (s.widthMax - s.widthMin) + s.widthMin;
        const miVector& n = nearInfo.normal;
        const miVector& m = farInfo.normal;
        const float f = falloff(s.falloffBase, (n.y * m.y + n.x * m.x) + n.z * m.z);
        const float z = nearInfo.point.z, zn = -s.nearDepth, zf = -s.farDepth;
        float d = z > zn ? s.nearFactor : s.farFactor;
        if (z <= zn && z >= zf) {
            d = (z - zn) / (zf - zn) * (s.farFactor - s.nearFactor) + s.nearFactor;
            ++interpolated;
        }
        const float fw = f * w;
        ASSERT_EQ(lineEnd(&nearInfo, &farInfo).width, fw * d) << i;
    }
    EXPECT_GT(interpolated, 1000);
}

TEST(ContourLine, ParallelNormalsFallOffToOneEvenWithBaseZero) {
    ContourInfo nearInfo = sample(-5.0f, kFacing);
    ContourInfo farInfo = sample(-6.0f, kFacing);
    nearInfo.settings.falloffBase = 0.0f;
    EXPECT_FLOAT_EQ(lineEnd(&nearInfo, &farInfo).width, 6.0f);
    farInfo.normal = {0.0f, 1.0f, 0.0f};
    EXPECT_EQ(lineEnd(&nearInfo, &farInfo).width, 0.0f);
}

TEST(ContourLine, AnAbsentSampleHalvesTheBase) {
    const ContourInfo nearInfo = sample(-5.0f, kFacing);
    EXPECT_FLOAT_EQ(lineEnd(&nearInfo, nullptr).width, 0.125f * 2.0f * 3.0f);
    // Without a near sample the far one gives settings and depth.
    ContourInfo farInfo = sample(-30.0f, kFacing);
    farInfo.settings.contourColor = {0.0f, 1.0f, 0.0f, 0.0f};
    const quillomar::contour::LineEnd line = lineEnd(nullptr, &farInfo);
    EXPECT_EQ(line.color.g, 1.0f);
    EXPECT_EQ(line.color.a, 1.0f);
    EXPECT_FLOAT_EQ(line.width, 0.125f * 2.0f * 0.5f);
    const quillomar::contour::LineEnd none = lineEnd(nullptr, nullptr);
    EXPECT_EQ(none.width, 0.0f);
}

TEST(ContourLine, SettingsComeFromTheSampleInFront) {
    ContourInfo nearInfo = sample(-9.0f, kFacing);
    ContourInfo farInfo = sample(-4.0f, kFacing); // nearer the camera than the "near" sample
    farInfo.settings.contourColor = {0.0f, 0.0f, 1.0f, 1.0f};
    farInfo.settings.widthRamp = 1.0f;
    const quillomar::contour::LineEnd line = lineEnd(&nearInfo, &farInfo);
    EXPECT_EQ(line.color.b, 1.0f);
    EXPECT_EQ(line.color.r, 0.0f);
    EXPECT_FLOAT_EQ(line.width, 5.0f * 3.0f);
    // The depth is the near sample's even then: beyond 20 it takes the far factor.
    nearInfo.point.z = -25.0f;
    EXPECT_FLOAT_EQ(lineEnd(&nearInfo, &farInfo).width, 5.0f * 0.5f);
}

TEST(ContourLine, DepthFactorBranches) {
    ContourSettings s = settings();
    EXPECT_EQ(depthFactor(-9.5f, s), 3.0f);
    EXPECT_EQ(depthFactor(5.0f, s), 3.0f);   // behind the camera counts as near
    EXPECT_EQ(depthFactor(-10.0f, s), 3.0f); // at the near depth: interpolated, to nearFactor
    EXPECT_EQ(depthFactor(-20.0f, s), 0.5f); // at the far depth: interpolated, to farFactor
    EXPECT_EQ(depthFactor(-20.5f, s), 0.5f);
    EXPECT_FLOAT_EQ(depthFactor(-15.0f, s), 1.75f);
    EXPECT_FLOAT_EQ(depthFactor(-12.0f, s), 2.5f);
    // Depths count by their size whatever their sign.
    s.nearDepth = -10.0f;
    s.farDepth = -20.0f;
    EXPECT_FLOAT_EQ(depthFactor(-15.0f, s), 1.75f);
    // At the near depth, the interpolating branch shows when the near factor is not finite.
    s.nearFactor = INFINITY;
    EXPECT_TRUE(std::isnan(depthFactor(-10.0f, s)));
    EXPECT_EQ(depthFactor(-9.0f, s), INFINITY);
}

TEST(ContourLine, EqualNearAndFarDepthsGiveTheNearFactorAtThatDepth) {
    ContourSettings s = settings();
    s.farDepth = s.nearDepth;
    EXPECT_EQ(depthFactor(-10.0f, s), 3.0f);
    EXPECT_EQ(depthFactor(-10.5f, s), 0.5f);
    // All-zero settings (a thread whose material never stored any) give width 0, never NaN.
    ContourInfo bare{};
    EXPECT_EQ(lineEnd(&bare, &bare).width, 0.0f);
    EXPECT_EQ(lineEnd(&bare, nullptr).width, 0.0f);
}

} // namespace
