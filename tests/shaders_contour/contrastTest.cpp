// The contrast test on plain records: the order of its tests, their strictness and the
// precision of the angle comparison.
#include "contour/contrast.h"

#include <gtest/gtest.h>

namespace {

using quillomar::contour::contourBetween;
using quillomar::contour::ContourInfo;
using quillomar::contour::ContrastParameters;

const miColor kThreshold{0.1f, 0.2f, 0.3f, 0.0f};

// Two samples on one flat surface facing the camera: no test finds a contour between them.
ContourInfo flatSample() {
    ContourInfo info{};
    info.point = {0.0f, 0.0f, -5.0f};
    info.normal = {0.0f, 0.0f, 1.0f};
    info.normalGeom = {0.0f, 0.0f, 1.0f};
    info.color = {0.5f, 0.5f, 0.5f, 1.0f};
    info.material = 7;
    info.label = 3;
    info.index = 11;
    info.instance = 9;
    info.level = 1;
    return info;
}

ContrastParameters everyTest() {
    ContrastParameters p{};
    p.depthDelta = 1.0f;
    p.angleDelta = 30.0f;
    p.diffMaterial = miTRUE;
    p.diffLabel = miTRUE;
    p.diffIndex = miTRUE;
    p.diffInstance = miTRUE;
    p.colorContrast = miTRUE;
    p.minLevel = 1;
    p.maxLevel = 2;
    return p;
}

class ContrastTest : public ::testing::Test {
protected:
    ContourInfo a = flatSample();
    ContourInfo b = flatSample();
    ContrastParameters p = everyTest();

    bool contour(int level = 1) { return contourBetween(&a, &b, level, p, kThreshold); }
};

TEST_F(ContrastTest, LevelRangeIsInclusiveAndComesFirst) {
    p.minLevel = 2;
    p.maxLevel = 3;
    for (int level : {1, 2, 3, 4}) {
        const bool inRange = level == 2 || level == 3;
        EXPECT_EQ(contourBetween(&a, nullptr, level, p, kThreshold), inRange) << level;
        EXPECT_EQ(contourBetween(nullptr, &b, level, p, kThreshold), inRange) << level;
    }
    b.material = 8; // a contour by material, still outside the range
    EXPECT_FALSE(contour(1));
    EXPECT_TRUE(contour(2));
    EXPECT_FALSE(contour(4));
}

TEST_F(ContrastTest, OneAbsentSampleIsAContourWhateverElseHolds) {
    p = ContrastParameters{};
    p.minLevel = 0;
    p.maxLevel = 1;
    EXPECT_TRUE(contourBetween(&a, nullptr, 1, p, kThreshold));
    EXPECT_TRUE(contourBetween(nullptr, &a, 0, p, kThreshold));
    EXPECT_FALSE(contourBetween(nullptr, nullptr, 1, p, kThreshold));
    EXPECT_FALSE(contour(1)); // and two equal samples are not
}

TEST_F(ContrastTest, NormalsMustBeApartInBothTheInterpolatedAndTheGeometricNormal) {
    // 45 degrees apart, limit 30.
    const miVector tilted{0.0f, 0.70710677f, 0.70710677f};
    b.normal = tilted;
    EXPECT_FALSE(contour());
    b.normal = a.normal;
    b.normalGeom = tilted;
    EXPECT_FALSE(contour());
    b.normal = tilted;
    EXPECT_TRUE(contour());
    p.angleDelta = 50.0f;
    EXPECT_FALSE(contour());
}

TEST_F(ContrastTest, AngleLimitIsCosineInDoubleComparedStrictly) {
    // Normals 60 degrees apart have a dot product of exactly 0.5 in float; cos(60 degrees) in
    // double is 0.5000000000000001, so the limit of 60 degrees finds a contour (a cosine in
    // float is 0.49999997 and would not, nor would the double rounded to float).
    a.normal = a.normalGeom = {0.0f, 0.0f, 1.0f};
    b.normal = b.normalGeom = {0.0f, 0.8660254f, 0.5f};
    p.angleDelta = 60.0f;
    EXPECT_TRUE(contour());
    // Perpendicular normals at a limit of 90 degrees: the double cosine is a tiny positive.
    b.normal = b.normalGeom = {0.0f, 1.0f, 0.0f};
    p.angleDelta = 90.0f;
    EXPECT_TRUE(contour());
    // Parallel normals never differ, even at a limit of 0.
    b.normal = b.normalGeom = a.normal;
    p.angleDelta = 0.0f;
    EXPECT_FALSE(contour());
    // Nor do they beside a pair that does: the parallel pair's dot product equals the cosine, 1.
    b.normal = {0.0f, 1.0f, 0.0f};
    EXPECT_FALSE(contour());
    b.normal = a.normal;
    b.normalGeom = {0.0f, 1.0f, 0.0f};
    EXPECT_FALSE(contour());
}

TEST_F(ContrastTest, DotProductIsSummedYThenXThenZInFloat) {
    // For these normals (y * y' + x * x') + z * z' is 0.731179893 in float, while summing x last
    // or in double gives 0.73117995; the limit's cosine, 0.7311799515, lies between.
    a.normal = {-0.766f, -1.000f, 0.214f};
    b.normal = {-0.743f, -0.354f, -0.897f};
    b.normalGeom = {0.0f, 0.0f, -1.0f};
    p.angleDelta = 0x1.581de4p+5f; // 43.014595 degrees
    EXPECT_TRUE(contour());
    // Swapping the normals' roles changes nothing.
    std::swap(a.normal, b.normal);
    EXPECT_TRUE(contour());
}

TEST_F(ContrastTest, DepthStepCountsOnlyBetweenDifferentPrimitives) {
    p.diffIndex = miFALSE;
    b.point.z = a.point.z - 100.0f;
    EXPECT_FALSE(contour()) << "equal indices suppress the depth test";
    b.index = a.index + 1;
    EXPECT_TRUE(contour());
    b.point.z = a.point.z - 1.0f; // exactly the limit
    EXPECT_FALSE(contour());
    b.point.z = a.point.z + 1.5f;
    EXPECT_TRUE(contour());
}

TEST_F(ContrastTest, FrontSampleOverridesTheLimitsTheOtherDoesNot) {
    p.diffIndex = miFALSE;
    b.index = a.index + 1;
    b.point.z = -7.0f;                                          // 2 behind a, which is in front
    b.normal = b.normalGeom = {0.0f, 0.70710677f, 0.70710677f}; // 45 degrees
    p.depthDelta = 5.0f;
    p.angleDelta = 60.0f;
    EXPECT_FALSE(contour());
    // The back sample's override does not count.
    b.settings.overrideContrast = miTRUE;
    b.settings.overrideDepth = 0.5f;
    b.settings.overrideAngle = 10.0f;
    EXPECT_FALSE(contour());
    // The front sample's limits replace both parameters (any non-zero value asks for that): its
    // depth limit...
    a.settings.overrideContrast = static_cast<miBoolean>(2);
    a.settings.overrideDepth = 1.0f;
    a.settings.overrideAngle = 60.0f;
    EXPECT_TRUE(contour());
    // ...and its angle limit.
    a.settings.overrideDepth = 5.0f;
    a.settings.overrideAngle = 40.0f;
    EXPECT_TRUE(contour());
    a.settings.overrideAngle = 50.0f;
    EXPECT_FALSE(contour());
    // With equal depths the first sample is the front one.
    b.point.z = a.point.z;
    a.settings.overrideContrast = miFALSE;
    EXPECT_FALSE(contour());
    // The second is in front once it is nearer.
    b.point.z = a.point.z + 0.75f;
    EXPECT_TRUE(contour());
}

TEST_F(ContrastTest, EachDifferenceCountsOnlyWhenAskedFor) {
    struct Case {
        const char* name;
        miInteger ContrastParameters::*flag;
        void (*change)(ContourInfo&);
    };
    const Case cases[] = {
        {"material", &ContrastParameters::diffMaterial, [](ContourInfo& i) { i.material = 70; }},
        {"label", &ContrastParameters::diffLabel, [](ContourInfo& i) { i.label = 30; }},
        {"instance", &ContrastParameters::diffInstance, [](ContourInfo& i) { i.instance = 90; }},
        {"index", &ContrastParameters::diffIndex, [](ContourInfo& i) { i.index = 110; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        b = flatSample();
        c.change(b);
        p = everyTest();
        EXPECT_TRUE(contour());
        p.*c.flag = miFALSE;
        EXPECT_FALSE(contour());
        p = ContrastParameters{};
        p.maxLevel = 1;
        p.depthDelta = 1.0f;
        p.*c.flag = miTRUE;
        EXPECT_TRUE(contour());
    }
}

TEST_F(ContrastTest, ColourContrastIsPerChannelAgainstTheRenderersThresholds) {
    struct Case {
        miColor other;
        bool contour;
    };
    // Thresholds 0.1, 0.2, 0.3 around 0.5: a difference must exceed them; alpha is not compared.
    const Case cases[] = {
        {{0.625f, 0.5f, 0.5f, 1.0f}, true},   {{0.375f, 0.5f, 0.5f, 1.0f}, true},
        {{0.5f, 0.75f, 0.5f, 1.0f}, true},    {{0.5f, 0.5f, 0.125f, 1.0f}, true},
        {{0.5f, 0.625f, 0.75f, 0.0f}, false}, {{0.5f, 0.5f, 0.5f, -9.0f}, false},
    };
    for (const Case& c : cases) {
        b.color = c.other;
        SCOPED_TRACE(testing::Message() << c.other.r << " " << c.other.g << " " << c.other.b);
        EXPECT_EQ(contour(), c.contour);
        p.colorContrast = miFALSE;
        EXPECT_FALSE(contour());
        p.colorContrast = miTRUE;
    }
    // Exactly at a threshold is not beyond it.
    a.color = {0.0f, 0.0f, 0.0f, 1.0f};
    b.color = {0.25f, 0.5f, 0.5f, 1.0f};
    EXPECT_TRUE(contourBetween(&a, &b, 1, p, {0.25f, 0.5f, 0.4f, 0.0f}));
    EXPECT_FALSE(contourBetween(&a, &b, 1, p, {0.25f, 0.5f, 0.5f, 0.0f}));
}

} // namespace
