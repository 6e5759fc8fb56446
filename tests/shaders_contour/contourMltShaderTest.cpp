// contourMltShader as the renderer calls it: rays it ignores, its opacity and the traces behind
// it, when its settings are stored, and the see-through object.
#include "contour_fixture.h"

#include "test_shaders.h"

#include <rayhost/patterns.h>

#include <atomic>
#include <cmath>
#include <limits>

namespace {

using contourtest::ContourFixture;
using contourtest::Values;

void expectColour(const miColor& actual, const miColor& expected) {
    EXPECT_FLOAT_EQ(actual.r, expected.r);
    EXPECT_FLOAT_EQ(actual.g, expected.g);
    EXPECT_FLOAT_EQ(actual.b, expected.b);
    EXPECT_FLOAT_EQ(actual.a, expected.a);
}

class ContourMltShaderTest : public ContourFixture {
protected:
    std::atomic<int> traces{0};

    // What lies behind every surface: one fixed colour, traced by count.
    void behind(const miColor& colour) {
        rayhost::setTransparencyTracer([this, colour](miColor* result, miState* state) {
            ++traces;
            *result = colour;
            state->child = nullptr;
            return miTRUE;
        });
    }

    // Surfaces behind, through the renderer's stack, traced by count.
    void behind(std::vector<rayhost::Surface> surfaces, miColor background = {0, 0, 0, 0}) {
        rayhost::TransparencyTracer stack =
            rayhost::surfaceStack(network, std::move(surfaces), background);
        rayhost::setTransparencyTracer([this, stack](miColor* result, miState* state) {
            ++traces;
            return stack(result, state);
        });
    }

    // A flat surface of that colour and transparency with the settings of `offset`.
    rayhost::InstanceId surface(const std::string& name, const miColor& colour,
                                const miColor& transparency, double offset = 0.0) {
        Values values = contourtest::distinctSettings(offset);
        values.push_back({"color", {colour.r, colour.g, colour.b, colour.a}});
        values.push_back(
            {"transparency", {transparency.r, transparency.g, transparency.b, transparency.a}});
        return material(name, values);
    }

    void seeThrough(rayhost::InstanceId instance, int label, double alpha) {
        network.set(instance, "seeThrough", {1});
        network.set(instance, "seeThroughLabel", {double(label)});
        network.set(instance, "seeThroughAlpha", {alpha});
    }
};

const miColor kRed{1.0f, 0.0f, 0.0f, 0.3f};
const miColor kBlack{0.0f, 0.0f, 0.0f, 1.0f};
const miColor kWhite{1.0f, 1.0f, 1.0f, 1.0f};
const miColor kGrey{0.5f, 0.5f, 0.5f, 1.0f};

TEST_F(ContourMltShaderTest, ShadowAndDisplacementRaysReturnFalseAndTouchNothing) {
    behind(kWhite);
    const rayhost::InstanceId earlier = surface("earlier", kRed, kBlack, 0.0);
    const rayhost::InstanceId later = surface("later", kRed, kWhite, 10.0);
    seeThrough(later, 2, 0.5);
    for (miRay_type type : {miRAY_SHADOW, miRAY_DISPLACE}) {
        SCOPED_TRACE(type);
        rayhost::PrimarySample s = sample(201);
        shade(earlier, s.state);
        s.state.type = type;
        miColor result{-7.0f, -7.0f, -7.0f, -7.0f};
        traces = 0;
        EXPECT_EQ(network.call(later, &result, &s.state), miFALSE);
        expectColour(result, {-7.0f, -7.0f, -7.0f, -7.0f});
        EXPECT_EQ(traces, 0);
        EXPECT_EQ(s.state.label, 2u);
        contourtest::expectSettings(storeInfo(s.state).settings,
                                    contourtest::distinctSettings(0.0));
    }
}

TEST_F(ContourMltShaderTest, OpaqueSurfaceIsNotTracedAndGivesItsColourWithAlphaOne) {
    behind(kWhite);
    const rayhost::InstanceId opaque = surface("opaque", kRed, kBlack);
    rayhost::PrimarySample s = sample(202);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    miColor result{nan, nan, nan, nan}; // whatever the renderer left there
    EXPECT_EQ(network.call(opaque, &result, &s.state), miTRUE);
    EXPECT_EQ(traces, 0);
    expectColour(result, {1.0f, 0.0f, 0.0f, 1.0f});
}

TEST_F(ContourMltShaderTest, ClearSurfaceShowsWhatIsBehindWeightedByItsAlpha) {
    const rayhost::InstanceId clear = surface("clear", kRed, kWhite);
    rayhost::PrimarySample s = sample(203);
    behind({0.2f, 0.4f, 0.6f, 1.0f});
    expectColour(shade(clear, s.state), {0.2f, 0.4f, 0.6f, 1.0f});
    EXPECT_EQ(traces, 1);
    behind({0.2f, 0.4f, 0.6f, 0.5f});
    expectColour(shade(clear, s.state), {0.1f, 0.2f, 0.3f, 0.5f});
    // Half opaque (a grey transparency has luminance 0.5) over an opaque colour.
    const rayhost::InstanceId half = surface("half", kRed, kGrey);
    behind({0.2f, 0.4f, 0.6f, 1.0f});
    expectColour(shade(half, s.state), {0.6f, 0.2f, 0.3f, 1.0f});
    // Over a half-transparent colour the channels are not divided by the alpha.
    behind({0.2f, 0.4f, 0.6f, 0.5f});
    expectColour(shade(half, s.state), {0.05f + 0.5f, 0.1f, 0.15f, 0.75f});
}

TEST_F(ContourMltShaderTest, SettingsAreStoredAfterTheTraceBehindAndBeforeTheSeeThroughTrace) {
    const rayhost::InstanceId back = surface("back", kWhite, kBlack, 20.0);
    behind({{back, 9, 1, -8.0f}});
    const rayhost::InstanceId front = surface("front", kRed, kGrey, 0.0);
    rayhost::PrimarySample s = sample(204);
    shade(front, s.state);
    EXPECT_EQ(traces, 1);
    contourtest::expectSettings(storeInfo(s.state).settings, contourtest::distinctSettings(0.0));
    // The see-through trace runs the back material after the front one stored its settings.
    seeThrough(front, 3, 1.0);
    traces = 0;
    shade(front, s.state);
    EXPECT_EQ(traces, 2);
    contourtest::expectSettings(storeInfo(s.state).settings, contourtest::distinctSettings(20.0));
}

TEST_F(ContourMltShaderTest, LabelledObjectBehindShowsThroughAPrimaryHit) {
    const rayhost::InstanceId green = surface("green", {0, 1, 0, 1}, kBlack, 20.0);
    behind({{green, 4, 1, -8.0f}});
    const rayhost::InstanceId front = surface("front", kRed, kBlack);
    seeThrough(front, 4, 0.25);
    rayhost::PrimarySample s = sample(205);
    // Green at alpha 0.25 over the opaque red surface.
    expectColour(shade(front, s.state), {0.75f, 0.25f, 0.0f, 1.0f});
    EXPECT_EQ(s.state.label, 4u);
    EXPECT_EQ(traces, 1) << "an opaque surface traces only for the object behind";
    EXPECT_EQ(storeInfo(s.state).label, 4);
    // Over a half-transparent surface: green at 0.25 over the surface colour at alpha 0.5.
    const rayhost::InstanceId half = surface("half", kRed, kGrey);
    seeThrough(half, 4, 0.25);
    s = sample(205);
    expectColour(shade(half, s.state), {0.5f * 0.75f * 1.0f, 0.25f, 0.0f, 0.625f});
}

TEST_F(ContourMltShaderTest, LabelledObjectBehindASecondaryHitIsReturnedAsTraced) {
    const rayhost::InstanceId green = surface("green", {0, 1, 0, 1}, kGrey, 20.0);
    // The first surface is the one the secondary state itself lies on.
    behind({{green, 7, 1, -6.0f}, {green, 4, 2, -8.0f}}, {0, 0, 1, 1});
    const rayhost::InstanceId front = surface("front", kRed, kBlack);
    seeThrough(front, 4, 0.25);
    rayhost::PrimarySample eye = sample(206);
    miState secondary = eye.state;
    secondary.parent = &eye.state;
    secondary.type = miRAY_TRANSPARENT;
    // Green half over the blue background, as traced, alpha untouched.
    rayhost::CallScope scope;
    expectColour(shade(front, secondary), {0.0f, 0.5f, 0.5f, 1.0f});
    EXPECT_EQ(secondary.label, 4u);
}

TEST_F(ContourMltShaderTest, AnotherLabelOrNothingBehindIsAsIfNotSeeThrough) {
    const rayhost::InstanceId green = surface("green", {0, 1, 0, 1}, kBlack, 20.0);
    const rayhost::InstanceId front = surface("front", kRed, kGrey);
    seeThrough(front, 4, 0.25);
    behind({{green, 5, 1, -8.0f}});
    rayhost::PrimarySample s = sample(207);
    // Red at alpha 0.5 over the green traced behind.
    expectColour(shade(front, s.state), {0.5f, 0.5f, 0.0f, 1.0f});
    EXPECT_EQ(s.state.label, 2u);
    EXPECT_EQ(traces, 2);
    behind(std::vector<rayhost::Surface>{}, {0.0f, 0.0f, 1.0f, 1.0f});
    expectColour(shade(front, s.state), {0.5f, 0.0f, 0.5f, 1.0f});
    EXPECT_EQ(s.state.label, 2u);
}

TEST_F(ContourMltShaderTest, ParametersAreReadThroughTheEvaluationRule) {
    rayhost::PatternShaders patterns;
    const rayhost::InstanceId ramp = network.add("ramp", patterns.kind("uvRamp"));
    network.set(ramp, "start", {0, 0, 0, 1});
    network.set(ramp, "end", {1, 1, 1, 1});
    const rayhost::InstanceId front = surface("front", kRed, kBlack);
    network.connect(front, "color", ramp);
    network.connect(front, "contourColor", ramp);
    rayhost::PrimarySample s = sample(208);
    const float u = s.uv.x;
    expectColour(shade(front, s.state), {u, u, u, 1.0f});
    const contourtest::Info info = storeInfo(s.state);
    EXPECT_FLOAT_EQ(info.settings.contourColor.r, u);
    EXPECT_FLOAT_EQ(info.settings.widthMax, 2.0f);
}

// Every parameter, attached on its own to a counting shader, is read through the evaluation rule:
// the shader runs. The see-through branch is taken, so that its alpha is read too.
TEST_F(ContourMltShaderTest, EveryParameterIsReadThroughTheEvaluationRule) {
    const rayhost::InstanceId green = surface("green", {0, 1, 0, 1}, kBlack, 20.0);
    behind({{green, 4, 1, -8.0f}});
    const std::pair<const char*, const char*> parameters[] = {
        {"color", ""},
        {"transparency", ""},
        {"contourColor", ""},
        {"widthRamp", "scalar"},
        {"widthMin", "scalar"},
        {"widthMax", "scalar"},
        {"overrideContrast", "boolean"},
        {"overrideAngle", "scalar"},
        {"overrideDepth", "scalar"},
        {"seeThrough", "boolean"},
        {"seeThroughLabel", "integer"},
        {"seeThroughAlpha", "scalar"},
        {"falloffBase", "scalar"},
        {"nearDepth", "scalar"},
        {"nearFactor", "scalar"},
        {"farDepth", "scalar"},
        {"farFactor", "scalar"},
    };
    for (const auto& [parameter, field] : parameters) {
        SCOPED_TRACE(parameter);
        const std::string name = parameter;
        const rayhost::InstanceId front = surface(name + "Front", kRed, kGrey);
        seeThrough(front, 4, 0.25);
        const bool colour = *field == '\0';
        const rayhost::InstanceId driver = network.add(
            name + "Driver", testshaders::kind(colour ? "countedColor" : "countedNumbers"));
        if (colour) {
            network.set(driver, "value", {0.5, 0.5, 0.5, 1.0});
        } else {
            network.set(driver, "scalar", {0.25});
            network.set(driver, "integer", {4});
            network.set(driver, "boolean", {1});
        }
        network.connect(front, name, driver, field);
        rayhost::PrimarySample s = sample(209);
        testshaders::countedCalls = 0;
        shade(front, s.state);
        EXPECT_GE(testshaders::countedCalls, 1);
        EXPECT_EQ(s.state.label, 4u) << "the see-through branch was taken";
    }
}

} // namespace
