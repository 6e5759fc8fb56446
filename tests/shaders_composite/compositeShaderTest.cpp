// composite as the renderer runs it: the built library loaded through the stand-in renderer, its
// parameters constants or attached to other shaders' outputs.
#include "test_shaders.h"

#include <rayhost/network.h>
#include <rayhost/patterns.h>
#include <rayhost/render.h>

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <random>

namespace {

using rayhost::InstanceId;

struct Layer {
    int mode;
    miColor color;
    double opacity;
    miColor mask;
};

class CompositeShaderTest : public ::testing::Test {
protected:
    rayhost::ShaderLibrary library{QUILLOMAR_SHADER_LIBRARY, QUILLOMAR_SHADER_DECLARATIONS};
    rayhost::ShaderNetwork network;
    InstanceId stack = network.add("stack", library.kind("composite"));

    static std::vector<double> values(const miColor& c) { return {c.r, c.g, c.b, c.a}; }

    void setLayer(InstanceId instance, int k, const Layer& layer) {
        const std::string at = "layers[" + std::to_string(k) + "].";
        network.set(instance, at + "blendMode", {double(layer.mode)});
        network.set(instance, at + "color", values(layer.color));
        network.set(instance, at + "opacity", {layer.opacity});
        network.set(instance, at + "mask", values(layer.mask));
    }

    void setLayers(InstanceId instance, const std::vector<Layer>& layers, int startSlack = 0) {
        network.setArraySize(instance, "layers", int(layers.size()), startSlack);
        for (std::size_t k = 0; k < layers.size(); ++k) {
            setLayer(instance, int(k), layers[k]);
        }
    }

    // Overwrites the array's start index and count in the parameter block, as an attached or
    // corrupt block could present them.
    void setStartAndCount(std::int32_t start, std::int32_t count) {
        const rayhost::Field* layers =
            rayhost::findField(network.declaration(stack).parameters, "layers");
        ASSERT_NE(layers, nullptr);
        char* block = static_cast<char*>(network.record(stack).parameters);
        const std::int32_t words[2] = {start, count};
        std::memcpy(block + layers->offset, words, sizeof words);
    }

    miColor run(InstanceId instance, int x = 0, int y = 0, miSshort thread = 0) {
        rayhost::PrimarySample sample;
        miOptions options{};
        rayhost::fillPrimarySample(sample, &options, x, y, 8, 8, thread);
        miColor result{-1, -1, -1, -1};
        EXPECT_EQ(network.call(instance, &result, &sample.state), miTRUE);
        return result;
    }
};

void expectColour(const miColor& actual, const miColor& expected) {
    EXPECT_EQ(actual.r, expected.r);
    EXPECT_EQ(actual.g, expected.g);
    EXPECT_EQ(actual.b, expected.b);
    EXPECT_EQ(actual.a, expected.a);
}

const miColor kBase{0.2f, 0.4f, 0.6f, 0.25f};
const miColor kWhite{1, 1, 1, 1};
const miColor kBlack{0, 0, 0, 1};

TEST_F(CompositeShaderTest, VersionIsOne) {
    EXPECT_EQ(library.version("composite"), 1);
}

TEST_F(CompositeShaderTest, EmptyStackGivesBaseColourWithItsAlpha) {
    network.set(stack, "baseColor", values(kBase));
    expectColour(run(stack), kBase);
    setLayers(stack, {{0, {0.9f, 0.9f, 0.9f, 1}, 1, kWhite}});
    for (std::int32_t count : {0, -1, INT_MIN}) {
        setStartAndCount(0, count);
        expectColour(run(stack), kBase);
    }
}

TEST_F(CompositeShaderTest, MaskLuminanceAndOpacityWeighTheLayer) {
    network.set(stack, "baseColor", values(kBase));
    const miColor layer{1.0f, 0.5f, 0.0f, 0.3f};
    setLayers(stack, {{0, layer, 1, kWhite}});
    expectColour(run(stack), {layer.r, layer.g, layer.b, 1});
    setLayer(stack, 0, {0, layer, 1, kBlack});
    expectColour(run(stack), {kBase.r, kBase.g, kBase.b, 1});
    // Grey mask 0.5 at half opacity: w = 0.25.
    setLayer(stack, 0, {0, layer, 0.5, {0.5f, 0.5f, 0.5f, 0}});
    const miColor out = run(stack);
    EXPECT_FLOAT_EQ(out.r, 0.75f * 0.2f + 0.25f);
    EXPECT_FLOAT_EQ(out.g, 0.75f * 0.4f + 0.125f);
    EXPECT_FLOAT_EQ(out.b, 0.75f * 0.6f);
    EXPECT_EQ(out.a, 1.0f);
}

TEST_F(CompositeShaderTest, WholeColourModesReplaceEvenAtZeroOpacity) {
    network.set(stack, "baseColor", {0.2, 0.2, 0.2, 0.5});
    const miColor red{0.8f, 0.1f, 0.1f, 0.5f};
    setLayers(stack, {{10, red, 0, kWhite}});
    expectColour(run(stack), {red.r, red.g, red.b, 1});
    setLayer(stack, 0, {5, red, 0, kBlack});
    expectColour(run(stack), {0.2f, 0.2f, 0.2f, 1});
}

TEST_F(CompositeShaderTest, ColourSpaceModesTakeEachComponentFromTheInputTheyName) {
    // Base: hue 0, saturation 1, lightness 0.25. Layer: hue 1/3, saturation 0.5, lightness 0.75.
    // Every other choice of source for any component gives a different colour.
    const miColor base{0.5f, 0.0f, 0.0f, 0.5f};
    const miColor layer{0.625f, 0.875f, 0.625f, 0.5f};
    const struct {
        int mode;
        miColor expected;
    } cases[] = {
        {23, {0.0f, 0.5f, 0.0f, 1}},       // hue of the layer
        {24, {0.375f, 0.125f, 0.125f, 1}}, // saturation of the layer
        {25, {1.0f, 0.5f, 0.5f, 1}},       // lightness of the layer
        {26, {0.125f, 0.375f, 0.125f, 1}}, // hue and saturation of the layer
    };
    network.set(stack, "baseColor", values(base));
    setLayers(stack, {{0, layer, 1, kWhite}});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        setLayer(stack, 0, {c.mode, layer, 1, kWhite});
        const miColor out = run(stack);
        EXPECT_NEAR(out.r, c.expected.r, 1e-6);
        EXPECT_NEAR(out.g, c.expected.g, 1e-6);
        EXPECT_NEAR(out.b, c.expected.b, 1e-6);
        EXPECT_EQ(out.a, 1.0f);
    }
}

TEST_F(CompositeShaderTest, AttachedBaseLayerColourAndMaskAreEvaluatedPerSample) {
    rayhost::PatternShaders patterns;
    const InstanceId colourRamp = network.add("colourRamp", patterns.kind("uvRamp"));
    network.set(colourRamp, "start", {1, 0, 0, 1});
    network.set(colourRamp, "end", {0, 0, 1, 1});
    network.set(colourRamp, "axis", {0});
    const InstanceId maskRamp = network.add("maskRamp", patterns.kind("uvRamp"));
    network.set(maskRamp, "start", {0, 0, 0, 1});
    network.set(maskRamp, "end", {1, 1, 1, 1});
    network.set(maskRamp, "axis", {1});
    const InstanceId base = network.add("base", testshaders::kind("countedColor"));
    network.set(base, "value", {0.5, 0.5, 0.5, 0.5});

    network.connect(stack, "baseColor", base);
    setLayers(stack, {{0, kBlack, 1, kBlack}});
    network.connect(stack, "layers[0].color", colourRamp);
    network.connect(stack, "layers[0].mask", maskRamp);

    testshaders::countedCalls = 0;
    for (int mode : {0, 2}) {
        network.set(stack, "layers[0].blendMode", {double(mode)});
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                rayhost::PrimarySample sample;
                miOptions options{};
                rayhost::fillPrimarySample(sample, &options, x, y, 8, 8, 0);
                const float u = sample.uv.x;
                const float w = sample.uv.y; // the mask is grey at v, so its luminance is v
                SCOPED_TRACE(testing::Message() << "u " << u << " v " << w);
                // A red-to-blue ramp (halved by multiply over grey) mixed in by the mask.
                const float scale = mode == 0 ? 1.0f : 0.5f;
                const miColor out = run(stack, x, y);
                EXPECT_NEAR(out.r, scale * (1 - u) * w + 0.5f * (1 - w), 1e-6);
                EXPECT_NEAR(out.g, 0.5f * (1 - w), 1e-6);
                EXPECT_NEAR(out.b, scale * u * w + 0.5f * (1 - w), 1e-6);
                EXPECT_EQ(out.a, 1.0f);
            }
        }
    }
    // The attached base colour is read once per call.
    EXPECT_EQ(testshaders::countedCalls, 2 * 64);
}

TEST_F(CompositeShaderTest, StackEqualsLayersAppliedOneAtATimeBottomFirst) {
    std::mt19937 generator(7);
    std::uniform_int_distribution<int> mode(-2, 29);
    std::uniform_real_distribution<float> channel(0.0f, 1.0f);
    auto colour = [&] {
        return miColor{channel(generator), channel(generator), channel(generator),
                       channel(generator)};
    };
    std::vector<Layer> layers(40);
    for (Layer& layer : layers) {
        layer = {mode(generator), colour(), channel(generator), colour()};
    }
    layers[3].mode = 5;
    layers[4].mode = 10;
    layers[5].mode = 27;
    layers[6].mode = -1;
    const miColor base = colour();
    network.set(stack, "baseColor", values(base));
    setLayers(stack, layers, 3);
    const miColor stacked = run(stack);

    // Reference: a one-layer composite fed the running colour, layer by layer.
    const InstanceId single = network.add("single", library.kind("composite"));
    network.setArraySize(single, "layers", 1);
    miColor running = base;
    for (const Layer& layer : layers) {
        network.set(single, "baseColor", values(running));
        setLayer(single, 0, layer);
        running = run(single);
    }
    expectColour(stacked, running);
}

TEST_F(CompositeShaderTest, StartAndCountOutsideTheStorageReadOnlyStoredLayers) {
    network.set(stack, "baseColor", values(kBase));
    setLayers(stack,
              {{2, {0.5f, 0.5f, 0.5f, 1}, 1, kWhite}, {7, {0.2f, 0.3f, 0.4f, 1}, 1, kWhite}});
    const miColor stored = run(stack);
    const rayhost::Field* field =
        rayhost::findField(network.declaration(stack).parameters, "layers");
    std::int32_t start;
    std::memcpy(&start, static_cast<char*>(network.record(stack).parameters) + field->offset,
                sizeof start);
    setStartAndCount(start, 1000000);
    expectColour(run(stack), stored);
    setStartAndCount(INT_MAX - 2, 100);
    expectColour(run(stack), kBase);
    setStartAndCount(INT_MIN, 10);
    expectColour(run(stack), kBase);
}

} // namespace
