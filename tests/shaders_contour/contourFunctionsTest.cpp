// contourContrast and contourShader as the renderer calls them, on records made by contourStore:
// the declared parameters reach the tests they name, the options give the colour contrast, and
// the end point gets the front material's colour and width.
#include "contour_fixture.h"

#include "test_shaders.h"

#include <cstddef>
#include <cstring>

namespace {

using contourtest::ContourFixture;
using contourtest::Info;

class ContourFunctionsTest : public ContourFixture {
protected:
    rayhost::InstanceId contrastInstance = network.add("contrast", library.kind("contourContrast"));

    // The contrast function called as the renderer calls it, with its instance's record current.
    bool contour(Info* first, Info* second, int level) {
        rayhost::PrimarySample s = sample(0);
        const miFunction& record = network.record(contrastInstance);
        s.state.shader = &record;
        rayhost::CallScope scope;
        return contrast(first, second, level, &s.state, record.parameters) == miTRUE;
    }

    // Two samples of one flat surface, stored on a thread whose material has no contour settings.
    Info a{}, b{};
    void SetUp() override {
        rayhost::PrimarySample s = sample(301);
        a = storeInfo(s.state);
        b = a;
    }
};

TEST_F(ContourFunctionsTest, DeclaredDefaultsFindMaterialAndInstanceChangesAtLevelOne) {
    EXPECT_FALSE(contour(&a, &b, 1));
    b.material = a.material + 1;
    EXPECT_TRUE(contour(&a, &b, 1));
    EXPECT_FALSE(contour(&a, &b, 2));
    b = a;
    b.instance = a.instance + 1;
    EXPECT_TRUE(contour(&a, &b, 1));
    b = a;
    b.label = a.label + 1;
    b.index = a.index + 1;
    b.color.r += 0.5f;
    EXPECT_FALSE(contour(&a, &b, 1));
    EXPECT_TRUE(contour(&a, nullptr, 1));
    EXPECT_FALSE(contour(nullptr, nullptr, 1));
}

TEST_F(ContourFunctionsTest, EachParameterReachesItsTest) {
    network.set(contrastInstance, "diffMaterial", {0});
    network.set(contrastInstance, "diffInstance", {0});
    network.set(contrastInstance, "minLevel", {2});
    network.set(contrastInstance, "maxLevel", {3});
    EXPECT_FALSE(contour(&a, nullptr, 1));
    EXPECT_TRUE(contour(&a, nullptr, 3));
    EXPECT_FALSE(contour(&a, nullptr, 4));

    b.label = a.label + 1;
    EXPECT_FALSE(contour(&a, &b, 2));
    network.set(contrastInstance, "diffLabel", {1});
    EXPECT_TRUE(contour(&a, &b, 2));

    // A depth step of 2 between primitives: beyond the default limit of 1, within 3.
    b = a;
    b.index = a.index + 1;
    b.point.z = a.point.z - 2.0f;
    EXPECT_TRUE(contour(&a, &b, 2));
    network.set(contrastInstance, "depthDelta", {3});
    EXPECT_FALSE(contour(&a, &b, 2));
    network.set(contrastInstance, "diffIndex", {1});
    EXPECT_TRUE(contour(&a, &b, 2));

    // Normals 45 degrees apart: beyond the default limit of 30, within 50.
    b = a;
    b.normal = b.normalGeom = {0.0f, 0.70710677f, 0.70710677f};
    EXPECT_TRUE(contour(&a, &b, 2));
    network.set(contrastInstance, "angleDelta", {50});
    EXPECT_FALSE(contour(&a, &b, 2));
}

TEST_F(ContourFunctionsTest, ColourContrastUsesTheOptionsThresholds) {
    network.set(contrastInstance, "colorContrast", {1});
    b.color.g += 0.125f;
    options.contrast = {0.1f, 0.2f, 0.1f, 0.0f};
    EXPECT_FALSE(contour(&a, &b, 1));
    options.contrast = {0.2f, 0.1f, 0.2f, 0.0f};
    EXPECT_TRUE(contour(&a, &b, 1));
}

TEST_F(ContourFunctionsTest, EndPointTakesTheFrontMaterialsColourAndWidth) {
    // Width 1 + 0.5 * (3 - 1) = 2, fall-off base 0.5, factor 4 nearer than 10.
    const rayhost::InstanceId mat = material("mat", {{"contourColor", {0.2, 0.4, 0.6, 0.0}},
                                                     {"widthRamp", {0.5}},
                                                     {"widthMin", {1}},
                                                     {"widthMax", {3}},
                                                     {"falloffBase", {0.5}},
                                                     {"nearDepth", {10}},
                                                     {"nearFactor", {4}},
                                                     {"farDepth", {20}},
                                                     {"farFactor", {1}}});
    rayhost::PrimarySample s = sample(302);
    shade(mat, s.state);
    Info front = storeInfo(s.state);
    miContour_endpoint end;
    std::memset(&end, 0x5A, sizeof end);
    const miContour_endpoint untouched = end;
    EXPECT_EQ(line(&end, &front, nullptr, &s.state, nullptr), miTRUE);
    EXPECT_EQ(end.color.r, 0.2f);
    EXPECT_EQ(end.color.g, 0.4f);
    EXPECT_EQ(end.color.b, 0.6f);
    EXPECT_EQ(end.color.a, 1.0f);
    EXPECT_FLOAT_EQ(end.width, 0.25f * 2.0f * 4.0f);
    EXPECT_EQ(std::memcmp(&end.point, &untouched.point, sizeof end.point), 0);
    EXPECT_EQ(std::memcmp(&end.motion, &untouched.motion,
                          sizeof end - offsetof(miContour_endpoint, motion)),
              0);
    // Beside the sample stored without settings (b, behind it), the front's settings count.
    b.point.z = front.point.z - 1.0f;
    EXPECT_EQ(line(&end, &b, &front, &s.state, nullptr), miTRUE);
    EXPECT_FLOAT_EQ(end.width, 2.0f * 4.0f);
    // Nothing to take a line from: width 0.
    EXPECT_EQ(line(&end, nullptr, nullptr, &s.state, nullptr), miTRUE);
    EXPECT_EQ(end.width, 0.0f);
}

// Every parameter of the contrast, attached on its own to a counting shader, is read through the
// evaluation rule: the shader runs.
TEST_F(ContourFunctionsTest, EveryContrastParameterIsReadThroughTheEvaluationRule) {
    const std::pair<const char*, const char*> parameters[] = {
        {"depthDelta", "scalar"},     {"angleDelta", "scalar"}, {"diffMaterial", "boolean"},
        {"diffLabel", "boolean"},     {"diffIndex", "boolean"}, {"diffInstance", "boolean"},
        {"colorContrast", "boolean"}, {"minLevel", "integer"},  {"maxLevel", "integer"},
    };
    for (const auto& [parameter, field] : parameters) {
        SCOPED_TRACE(parameter);
        const std::string name = parameter;
        contrastInstance = network.add(name + "Contrast", library.kind("contourContrast"));
        const rayhost::InstanceId driver =
            network.add(name + "Driver", testshaders::kind("countedNumbers"));
        network.set(driver, "integer", {1});
        network.connect(contrastInstance, name, driver, field);
        testshaders::countedCalls = 0;
        contour(&a, &b, 1);
        EXPECT_GE(testshaders::countedCalls, 1);
    }
}

} // namespace
