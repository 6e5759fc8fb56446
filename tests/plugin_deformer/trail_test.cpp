// The deformer's per-vertex arithmetic, on plain values.
#include "obakeTrail.h"

#include <gtest/gtest.h>
#include <omp.h>

#include <cmath>
#include <cstring>
#include <random>
#include <vector>

namespace {

const MFloatVector kWhite(1.0f, 1.0f, 1.0f);

// A painted weight that, with a white texture and every setting 1, makes k exactly 1.
float weightForUnitK() {
    const float g = luminance(1.0f, 1.0f, 1.0f);
    float w = 1.0f / g;
    while (g * w > 1.0f)
        w = std::nextafter(w, 0.0f);
    while (g * w < 1.0f)
        w = std::nextafter(w, 2.0f);
    return w;
}

void expectSamePoint(const MPoint& actual, const MPoint& expected) {
    EXPECT_EQ(actual.x, expected.x);
    EXPECT_EQ(actual.y, expected.y);
    EXPECT_EQ(actual.z, expected.z);
}

void expectNearPoint(const MPoint& actual, const MPoint& expected, double tolerance) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

} // namespace

TEST(TrailLuminance, WeighsTheChannelsAndGivesWhiteJustBelowOne) {
    EXPECT_EQ(luminance(1.0f, 1.0f, 1.0f), 0.999993f);
    EXPECT_EQ(luminance(1.0f, 0.0f, 0.0f), 0.298912f);
    EXPECT_EQ(luminance(0.0f, 1.0f, 0.0f), 0.586611f);
    EXPECT_EQ(luminance(0.0f, 0.0f, 1.0f), 0.11447f);
    EXPECT_EQ(luminance(0.0f, 0.0f, 0.0f), 0.0f);
    EXPECT_EQ(weightForUnitK() * luminance(1.0f, 1.0f, 1.0f), 1.0f);
    // Summed red, green, blue from the left in double: grouping green with blue first rounds to
    // the next float up for this colour.
    EXPECT_EQ(luminance(0x1.bdd804p-1f, 0x1.4f1efp-3f, 0x1.96fe52p-1f), 0x1.ca0188p-2f);
}

TEST(TrailVertex, AVertexThatDidNotMoveStaysPutAndFinite) {
    const MPoint still(1.5, -2.0, 3.25);
    TrailSettings settings; // threshold 0: every vertex is processed
    settings.scale = 4.0f;
    const MPoint result =
        trailVertex(still, still, still, MFloatVector(0, 1, 0), kWhite, 1.0f, settings);
    expectSamePoint(result, still);
}

TEST(TrailVertex, MotionAlongTheNormalKeepsTheCurrentPosition) {
    // Two steps of one unit up a normal that points up.
    const MPoint older(0, -1, 0), previous(0, 0, 0), current(0, 1, 0);
    for (float scale : {0.25f, 1.0f, 3.0f}) {
        TrailSettings settings;
        settings.scale = scale;
        const MPoint result = trailVertex(current, previous, older, MFloatVector(0, 1, 0), kWhite,
                                          weightForUnitK(), settings);
        expectSamePoint(result, current);
    }
}

TEST(TrailVertex, MotionAgainstTheNormalWithUnitKLandsOnThePreviousPosition) {
    const MPoint older(4, 1, 0), previous(2, 1, 0), current(0, 1, 0);
    expectSamePoint(trailVertex(current, previous, older, MFloatVector(1, 0, 0), kWhite,
                                weightForUnitK(), TrailSettings()),
                    previous);
    const MPoint olderZ(0, 1, 4), previousZ(0, 1, 2), currentZ(0, 1, 0);
    expectSamePoint(trailVertex(currentZ, previousZ, olderZ, MFloatVector(0, 0, 1), kWhite,
                                weightForUnitK(), TrailSettings()),
                    previousZ);
}

TEST(TrailVertex, KAboveOneExtrapolatesBeyondThePreviousPosition) {
    // k = 2 against the normal gives t = -1: the curve's point 4P - 4P1 + X.
    const MPoint older(-1, 0, 0), previous(0, 0, 0), current(1, 0, 0);
    const MPoint result = trailVertex(current, previous, older, MFloatVector(-1, 0, 0), kWhite,
                                      2.0f * weightForUnitK(), TrailSettings());
    expectSamePoint(result, MPoint(-3, 0, 0));
}

TEST(TrailVertex, SidewaysMotionFollowsTheCurveThroughThePushedPreviousPosition) {
    // Moving two units along X after two along Y, across a normal along Y: f = 1/2, so with
    // k = 1 the vertex lands at the curve's middle, (P + 2 P1 + X) / 4, where P1 is the previous
    // position pushed on by the last step's length along the mean direction (1, 1, 0) / sqrt 2.
    const MPoint older(0, -2, 0), previous(0, 0, 0), current(2, 0, 0);
    const MPoint result = trailVertex(current, previous, older, MFloatVector(0, 1, 0), kWhite,
                                      weightForUnitK(), TrailSettings());
    const double push = 2.0 * std::sqrt(0.5);
    expectNearPoint(result, MPoint((2.0 * push + 2.0) / 4.0, 2.0 * push / 4.0, 0.0), 1e-6);
}

TEST(TrailVertex, AnyZeroFactorOfKLeavesTheVertexWhereItIs) {
    const MPoint older(0.5, 0.25, -1), previous(1, 0.5, -0.5), current(3, -0.75, 0.125);
    auto trailed = [&](const TrailSettings& settings, float weight, const MFloatVector& colour) {
        return trailVertex(current, previous, older, MFloatVector(-1, 0, 0), colour, weight,
                           settings);
    };
    TrailSettings noStrength, noScale, noEnvelope;
    noStrength.strength = 0.0f;
    noScale.scale = 0.0f;
    noEnvelope.envelope = 0.0f;
    expectNearPoint(trailed(noStrength, 1.0f, kWhite), current, 1e-12);
    expectNearPoint(trailed(noScale, 1.0f, kWhite), current, 1e-12);
    expectNearPoint(trailed(noEnvelope, 1.0f, kWhite), current, 1e-12);
    expectNearPoint(trailed(TrailSettings(), 0.0f, kWhite), current, 1e-12);
    expectNearPoint(trailed(TrailSettings(), 1.0f, MFloatVector(0, 0, 0)), current, 1e-12);
    EXPECT_GT(current.distanceTo(trailed(TrailSettings(), 1.0f, kWhite)), 1.0) << "otherwise";
}

TEST(TrailVertex, TheThresholdComparesWeightTimesStrengthTimesDistance) {
    // Moved 2 units against the normal with weight 0.5: weight * strength * distance = 1.
    const MPoint older(4, 0, 0), previous(2, 0, 0), current(0, 0, 0);
    const MFloatVector normal(1, 0, 0);
    TrailSettings settings;
    settings.threshold = 1.5f;
    expectSamePoint(trailVertex(current, previous, older, normal, kWhite, 0.5f, settings), current);
    settings.threshold = 1.0f; // equal: processed
    EXPECT_GT(trailVertex(current, previous, older, normal, kWhite, 0.5f, settings).x, 0.25);
    // With threshold 0 even a vertex whose product is negative is processed.
    settings.threshold = 0.0f;
    EXPECT_NE(trailVertex(current, previous, older, normal, kWhite, -0.5f, settings).x, 0.0);
}

namespace {

// The vertex step written out on plain numbers, each value in the precision the deformer uses:
// the distance rounded to float; float products for the threshold and for k, left to right;
// directions as float vectors normalised by the host (zero stays zero); the previous position
// pushed on by a float product; the dot product summed y, x, z in float; f and t in double;
// the curve by three interpolations in double.
MPoint statedStep(const MPoint& x, const MPoint& p, const MPoint& q, const MFloatVector& n,
                  const MFloatVector& colour, float w, const TrailSettings& s) {
    const double dx = x.x - p.x, dy = x.y - p.y, dz = x.z - p.z;
    const float d = static_cast<float>(std::sqrt(dx * dx + dy * dy + dz * dz));
    const float g =
        static_cast<float>(0.298912 * colour.x + 0.586611 * colour.y + 0.11447 * colour.z);
    const float moved = w * s.strength * d;
    if (s.threshold > moved && s.threshold != 0.0f)
        return x;
    auto direction = [](double vx, double vy, double vz) {
        MFloatVector v(static_cast<float>(vx), static_cast<float>(vy), static_cast<float>(vz));
        v.normalize();
        return v;
    };
    const MFloatVector a = direction(dx, dy, dz);
    const MFloatVector b = direction(p.x - q.x, p.y - q.y, p.z - q.z);
    const MFloatVector m = direction(a.x + b.x, a.y + b.y, a.z + b.z);
    const float dot = a.y * n.y + a.x * n.x + a.z * n.z;
    const double f = (static_cast<double>(dot) + 1.0) * 0.5;
    const float k = g * w * s.strength * s.scale * s.envelope;
    const double t = static_cast<double>(k) * f + (1.0 - static_cast<double>(k));
    const double from[3] = {p.x, p.y, p.z}, to[3] = {x.x, x.y, x.z};
    const float push[3] = {m.x * d, m.y * d, m.z * d};
    double out[3];
    for (int c = 0; c < 3; ++c) {
        const double pushed = from[c] + static_cast<double>(push[c]);
        const double towardsPushed = from[c] + (pushed - from[c]) * t;
        const double towardsCurrent = pushed + (to[c] - pushed) * t;
        out[c] = towardsPushed + (towardsCurrent - towardsPushed) * t;
    }
    return MPoint(out[0], out[1], out[2]);
}

} // namespace

// Random motions, weights, textures and settings (k above 1 included); a third of the vertices
// get a threshold equal to their float product w * strength * d, where a product formed in
// double or in another order decides the other way for about half of them.
TEST(TrailVertex, EveryStepHasItsStatedPrecisionToTheLastBit) {
    std::mt19937 random(11);
    std::uniform_real_distribution<double> coordinate(-3.0, 3.0);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    auto point = [&] { return MPoint(coordinate(random), coordinate(random), coordinate(random)); };
    unsigned int kept = 0, moved = 0;
    for (int i = 0; i < 6000; ++i) {
        const MPoint older = point(), previous = i % 50 == 0 ? older : point();
        const MPoint current = i % 40 == 0 ? previous : point();
        const MFloatVector normal =
            MFloatVector(unit(random) - 0.5f, unit(random) - 0.5f, unit(random) - 0.5f).normal();
        const MFloatVector colour(unit(random), unit(random), unit(random));
        const float weight = unit(random);
        TrailSettings settings;
        settings.strength = unit(random);
        settings.scale = 3.0f * unit(random);
        settings.envelope = unit(random);
        const float d = static_cast<float>(current.distanceTo(previous));
        settings.threshold = i % 3 == 0 ? weight * settings.strength * d : 0.25f * unit(random);
        const MPoint expected =
            statedStep(current, previous, older, normal, colour, weight, settings);
        const MPoint actual =
            trailVertex(current, previous, older, normal, colour, weight, settings);
        ASSERT_EQ(actual.x, expected.x) << i;
        ASSERT_EQ(actual.y, expected.y) << i;
        ASSERT_EQ(actual.z, expected.z) << i;
        (expected == current ? kept : moved) += 1;
    }
    EXPECT_GT(kept, 500u);
    EXPECT_GT(moved, 3000u);
}

TEST(TrailVertices, OneAndTwoThreadsGiveTheSameBitsAsTheSingleVertexStep) {
    const unsigned int count = 10007;
    std::mt19937 random(7);
    std::uniform_real_distribution<double> coordinate(-5.0, 5.0);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    auto point = [&] { return MPoint(coordinate(random), coordinate(random), coordinate(random)); };
    std::vector<MPoint> current(count), previous(count), older(count);
    std::vector<MFloatVector> normals(count), noise(count);
    std::vector<float> weights(count);
    for (unsigned int i = 0; i < count; ++i) {
        current[i] = point();
        previous[i] = i % 17 == 0 ? current[i] : point();
        older[i] = point();
        normals[i] =
            MFloatVector(unit(random) - 0.5f, unit(random) - 0.5f, unit(random) - 0.5f).normal();
        noise[i] = MFloatVector(unit(random), unit(random), unit(random));
        weights[i] = unit(random);
    }
    const TrailArrays arrays{current.data(), previous.data(), older.data(), normals.data(),
                             noise.data(),   weights.data(),  count};
    TrailSettings settings;
    settings.threshold = 0.5f;
    settings.scale = 1.5f;
    settings.envelope = 0.75f;

    std::vector<MPoint> oneThread(count), twoThreads(count);
    const int threadsBefore = omp_get_max_threads();
    omp_set_num_threads(1);
    trailVertices(arrays, settings, oneThread.data());
    omp_set_num_threads(2);
    trailVertices(arrays, settings, twoThreads.data());
    omp_set_num_threads(threadsBefore);

    EXPECT_EQ(std::memcmp(oneThread.data(), twoThreads.data(), count * sizeof(MPoint)), 0);
    unsigned int moved = 0;
    for (unsigned int i = 0; i < count; ++i) {
        const MPoint single = trailVertex(current[i], previous[i], older[i], normals[i], noise[i],
                                          weights[i], settings);
        ASSERT_EQ(std::memcmp(&single, &twoThreads[i], sizeof(MPoint)), 0) << i;
        moved += !(single == current[i]);
    }
    EXPECT_GT(moved, count / 2) << "most vertices are above the threshold and trail";
}

namespace {

// The step written with the host's vectors, one normalize() each: the vertex loop normalises
// two of them at once in SSE lanes and must give the same bits.
MPoint trailedWithHostVectors(const MPoint& current, const MPoint& previous, const MPoint& older,
                              const MFloatVector& normal, const MFloatVector& noise, float weight,
                              const TrailSettings& settings) {
    const float d = static_cast<float>(current.distanceTo(previous));
    const float g = luminance(noise.x, noise.y, noise.z);
    if (settings.threshold > weight * settings.strength * d && settings.threshold != 0.0f)
        return current;
    MFloatVector a(current - previous);
    a.normalize();
    MFloatVector b(previous - older);
    b.normalize();
    MFloatVector mean = a + b;
    mean.normalize();
    const MPoint pushed = previous + MVector(mean * d);
    const float dot = a.y * normal.y + a.x * normal.x + a.z * normal.z;
    const double f = (dot + 1.0) * 0.5;
    const float k = g * weight * settings.strength * settings.scale * settings.envelope;
    const double t = k * f + (1.0 - k);
    return lerpPoint(lerpPoint(previous, pushed, t), lerpPoint(pushed, current, t), t);
}

} // namespace

TEST(TrailVertex, GivesTheBitsOfTheHostVectorsNormalisedOneByOne) {
    std::mt19937 random(23);
    std::uniform_real_distribution<double> coordinate(-3.0, 3.0);
    std::uniform_int_distribution<int> scaleExponent(-140, 60);
    auto point = [&] {
        const double scale = std::ldexp(1.0, scaleExponent(random));
        return MPoint(coordinate(random) * scale, coordinate(random) * scale,
                      coordinate(random) * scale);
    };
    const MFloatVector normal = MFloatVector(0.3f, -0.5f, 0.8f).normal();
    TrailSettings settings;
    settings.scale = 1.25f;
    for (int i = 0; i < 20000; ++i) {
        const MPoint current = point();
        // Some steps of zero length, some the same step twice, some a step straight back (the
        // mean direction is zero), some steps too small or too large for a float length.
        const MPoint previous = i % 11 == 0 ? current : current + MVector(point());
        const MPoint older = i % 13 == 0  ? previous
                             : i % 7 == 0 ? previous - (current - previous)
                             : i % 5 == 0 ? current
                                          : previous + MVector(point());
        const MPoint expected =
            trailedWithHostVectors(current, previous, older, normal, kWhite, 0.75f, settings);
        const MPoint actual =
            trailVertex(current, previous, older, normal, kWhite, 0.75f, settings);
        ASSERT_EQ(std::memcmp(&actual, &expected, sizeof(MPoint)), 0)
            << i << ": " << actual.x << " " << expected.x;
    }
}
