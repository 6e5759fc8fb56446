// contourStore as the renderer calls it: the record it fills, the parent chain's level, the
// primitive index by query, and the settings the thread's material left behind.
#include "contour_fixture.h"

#include "test_shaders.h"

#include <rayhost/patterns.h>

#include <cstring>

namespace {

using contourtest::ContourFixture;
using contourtest::Info;
using contourtest::Values;

class ContourStoreTest : public ContourFixture {};

TEST_F(ContourStoreTest, VersionsAreOne) {
    for (const char* shader :
         {"contourStore", "contourContrast", "contourShader", "contourMltShader"}) {
        EXPECT_EQ(library.version(shader), 1) << shader;
    }
}

TEST_F(ContourStoreTest, RecordsTheSampleWordByWord) {
    rayhost::PrimarySample s = sample(101);
    s.state.point = {1.5f, -2.5f, -7.0f};
    s.state.normal = {0.0f, 0.6f, 0.8f};
    s.state.normal_geom = {0.0f, 0.8f, 0.6f};
    s.state.label = 0xFFFFFFFEu;
    const Info info = storeInfo(s.state, {0.1f, 0.2f, 0.3f, 0.4f});
    EXPECT_EQ(info.point.x, 1.5f);
    EXPECT_EQ(info.point.y, -2.5f);
    EXPECT_EQ(info.point.z, -7.0f);
    EXPECT_EQ(info.normal.y, 0.6f);
    EXPECT_EQ(info.normal.z, 0.8f);
    EXPECT_EQ(info.color.r, 0.1f);
    EXPECT_EQ(info.color.a, 0.4f);
    EXPECT_EQ(info.material, 41u);
    EXPECT_EQ(info.level, 1);
    EXPECT_EQ(info.label, -2);
    EXPECT_EQ(info.index, 21);
    EXPECT_EQ(info.normalGeom.y, 0.8f);
    EXPECT_EQ(info.normalGeom.z, 0.6f);
    EXPECT_EQ(info.instance, 31u);
}

TEST_F(ContourStoreTest, LevelCountsTheStatesUpTheParentChain) {
    rayhost::PrimarySample eye = sample(102);
    miState first = eye.state;
    first.parent = &eye.state;
    first.pri_idx = 5;
    miState second = first;
    second.parent = &first;
    EXPECT_EQ(storeInfo(eye.state).level, 1);
    EXPECT_EQ(storeInfo(first).level, 2);
    const Info deepest = storeInfo(second);
    EXPECT_EQ(deepest.level, 3);
    EXPECT_EQ(deepest.index, 5) << "the index is the queried state's own";
}

TEST_F(ContourStoreTest, AThreadThatNeverShadedStoresZeroSettings) {
    rayhost::PrimarySample s = sample(103);
    const Info info = storeInfo(s.state);
    const contourtest::Settings zero{};
    EXPECT_EQ(std::memcmp(&info.settings, &zero, sizeof zero), 0);
    // A black line of width 0.
    miContour_endpoint end{};
    end.width = -1.0f;
    Info far = info;
    EXPECT_EQ(line(&end, &far, nullptr, &s.state, nullptr), miTRUE);
    EXPECT_EQ(end.width, 0.0f);
    EXPECT_EQ(end.color.r + end.color.g + end.color.b, 0.0f);
}

TEST_F(ContourStoreTest, SettingsAreTheLastStoredOnTheSamplesThread) {
    const Values first = contourtest::distinctSettings(0.0);
    const Values second = contourtest::distinctSettings(10.0);
    const rayhost::InstanceId a = material("a", first);
    const rayhost::InstanceId b = material("b", second);
    rayhost::PrimarySample on5 = sample(105);
    rayhost::PrimarySample on6 = sample(106);

    shade(a, on5.state);
    contourtest::expectSettings(storeInfo(on5.state).settings, first);
    shade(b, on6.state);
    contourtest::expectSettings(storeInfo(on5.state).settings, first);
    contourtest::expectSettings(storeInfo(on6.state).settings, second);
    shade(b, on5.state);
    contourtest::expectSettings(storeInfo(on5.state).settings, second);

    // A sample of a material that stores no settings keeps what its thread last stored.
    const rayhost::InstanceId plain = network.add("plain", testshaders::kind("countedColor"));
    shade(plain, on6.state);
    contourtest::expectSettings(storeInfo(on6.state).settings, second);
}

TEST_F(ContourStoreTest, SampleColourIsReadThroughTheEvaluationRule) {
    // The renderer hands over a colour field that the current shader record marks as attached
    // (here to a ramp across the image): the ramp's value at the sample is recorded.
    rayhost::PatternShaders patterns;
    const rayhost::InstanceId ramp = network.add("ramp", patterns.kind("uvRamp"));
    network.set(ramp, "start", {0, 0, 0, 1});
    network.set(ramp, "end", {1, 1, 1, 1});
    const rayhost::InstanceId holder = network.add("holder", testshaders::kind("countedColor"));
    network.set(holder, "value", {0.9, 0.9, 0.9, 0.9});
    network.connect(holder, "value", ramp);
    rayhost::PrimarySample s = sample(107);
    s.state.shader = &network.record(holder);
    rayhost::CallScope scope;
    const Info info = storeInfo(s.state, static_cast<miColor*>(network.record(holder).parameters));
    EXPECT_FLOAT_EQ(info.color.r, s.uv.x);
    EXPECT_FLOAT_EQ(info.color.a, 1.0f);
}

} // namespace
