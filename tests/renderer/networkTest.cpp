// Parameter blocks and attachments as the driver builds them, with the renderer's own pattern
// shaders and shaders written here.
#include "test_shaders.h"

#include <rayhost/call_memory.h>
#include <rayhost/network.h>
#include <rayhost/patterns.h>
#include <rayhost/render.h>
#include <rayhost/transparency.h>

#include <gtest/gtest.h>

#include <cstring>

namespace {

using rayhost::InstanceId;
using rayhost::NetworkError;

class NetworkTest : public ::testing::Test {
protected:
    rayhost::PatternShaders patterns;
    rayhost::ShaderNetwork network;
    rayhost::PrimarySample sample;
    miOptions options{};

    miColor colorOf(InstanceId instance, int x = 0, int width = 1) {
        rayhost::fillPrimarySample(sample, &options, x, 0, width, 1, 0);
        miColor color{};
        network.call(instance, &color, &sample.state);
        return color;
    }

    template <typename T> T valueAt(InstanceId instance, std::size_t offset) {
        T value;
        const auto* block = static_cast<const char*>(network.record(instance).parameters);
        std::memcpy(&value, block + offset, sizeof value);
        return value;
    }
};

TEST_F(NetworkTest, InstancesStartFromTheirDeclaredDefaults) {
    const InstanceId checker = network.add("checker", patterns.kind("uvChecker"));
    EXPECT_EQ(valueAt<float>(checker, 16 + 8), 1.0f); // color2 blue
    EXPECT_EQ(valueAt<int>(checker, 32), 8);          // repeats
    EXPECT_EQ(network.record(checker).ghost_used, 0);
    EXPECT_GE(network.record(checker).ghost_offs, 36u);
}

TEST_F(NetworkTest, BadValuesAndPathsAreRefusedWithTheirName) {
    const InstanceId ramp = network.add("ramp", patterns.kind("uvRamp"));
    const auto refused = [&](const std::function<void()>& action, const char* expected) {
        try {
            action();
            ADD_FAILURE() << "accepted, expected " << expected;
        } catch (const NetworkError& error) {
            EXPECT_NE(std::string(error.what()).find(expected), std::string::npos) << error.what();
        }
    };
    refused([&] { network.set(ramp, "start", {1, 2}); }, "ramp.start: a color takes 3 or 4");
    refused([&] { network.set(ramp, "axis", {0.5}); }, "not a 32-bit integer");
    refused([&] { network.set(ramp, "nothing", {1}); }, "no parameter or field \"nothing\"");
    refused([&] { network.set(ramp, "start[0]", {1, 1, 1}); }, "is not an array");
    refused([&] { network.add("ramp", patterns.kind("uvRamp")); }, "exists already");
    refused([&] { network.find("missing"); }, "no shader instance \"missing\"");
    const InstanceId count = network.add("count", testshaders::kind("countedColor"));
    refused([&] { network.connect(ramp, "axis", count); }, "cannot attach a color output");
    refused([&] { network.connect(ramp, "start", ramp); }, "would make a cycle");
    network.connect(count, "value", ramp);
    refused([&] { network.connect(ramp, "end", count); }, "would make a cycle");
    refused([&] { network.connect(count, "value", ramp); }, "attached already");
}

TEST_F(NetworkTest, AttachedFieldIsComputedFlaggedAndDetachedFieldReadInPlace) {
    const InstanceId ramp = network.add("ramp", patterns.kind("uvRamp"));
    const InstanceId source = network.add("source", testshaders::kind("countedColor"));
    network.set(source, "value", {0.25, 0.5, 0.75, 1});
    network.set(ramp, "start", {0, 0, 0, 0});
    network.set(ramp, "end", {1, 1, 1, 1});
    network.connect(ramp, "start", source);
    EXPECT_EQ(network.record(ramp).ghost_used, 1);

    testshaders::countedCalls = 0;
    const miColor left = colorOf(ramp, 0, 1000); // u close to 0: the start colour
    EXPECT_NEAR(left.g, 0.5f, 1e-3f);
    EXPECT_EQ(testshaders::countedCalls, 1);

    // A detached field (tag -2) keeps its constant even with the flag byte set.
    network.detach(ramp, "end");
    const miColor right = colorOf(ramp, 999, 1000);
    EXPECT_NEAR(right.r, 1.0f, 2e-3f);
    EXPECT_EQ(testshaders::countedCalls, 2);
}

TEST_F(NetworkTest, ArraysGetTheirElementsOnceAndIndicesAreChecked) {
    rayhost::ShaderDeclaration declaration = rayhost::parseDeclarations(
        "declare shader color \"list\" (array struct \"items\" { scalar \"w\" default 2, "
        "color \"c\" }, array integer \"n\" default 7) version 1 end declare")[0];
    const rayhost::ShaderKind kind{&declaration, &testshaders::countedColor};
    const InstanceId list = network.add("list", kind);
    EXPECT_THROW(network.set(list, "items[0].w", {1}), NetworkError); // no elements yet
    network.setArraySize(list, "items", 2, 3);
    network.setArraySize(list, "n", 1);
    EXPECT_THROW(network.setArraySize(list, "items", 2), NetworkError);
    EXPECT_THROW(network.set(list, "items[2].w", {1}), NetworkError);
    EXPECT_THROW(network.set(list, "items[-1].w", {1}), NetworkError);
    network.set(list, "items[1].c", {1, 0.5, 0.25});

    // items: start, count, storage from offset 8; elements are 20 bytes, three spare in front.
    const int start = valueAt<int>(list, 0);
    EXPECT_EQ(valueAt<int>(list, 4), 2);
    const std::size_t storage = 8;
    const std::size_t parameterSize = declaration.parameters.size;
    EXPECT_GE(storage + start * 20u, parameterSize + 3 * 20u);
    EXPECT_EQ(valueAt<float>(list, storage + start * 20u), 2.0f);                // element default
    EXPECT_EQ(valueAt<float>(list, storage + (start + 1) * 20u + 4 + 12), 1.0f); // alpha 1
    const std::size_t nStorage = declaration.parameters.fields[1].offset + 8;
    EXPECT_EQ(valueAt<int>(list, nStorage + 4u * valueAt<int>(list, nStorage - 8)), 7);
}

TEST_F(NetworkTest, QueryAnswersThePrimitiveIndexOnly) {
    miState state{};
    state.pri_idx = 41;
    int index = 0;
    EXPECT_EQ(mi_query(miQ_PRI_INDEX, &state, 0, &index), miTRUE);
    EXPECT_EQ(index, 41);
    index = -5;
    testing::internal::CaptureStderr();
    EXPECT_EQ(mi_query(static_cast<miQ_type>(42), &state, 0, &index), miFALSE);
    EXPECT_EQ(mi_query(static_cast<miQ_type>(42), &state, 0, &index), miFALSE);
    const std::string reported = testing::internal::GetCapturedStderr();
    EXPECT_EQ(index, -5);
    EXPECT_EQ(reported, "mi_query: query code 42 is not answered by this renderer\n");
}

TEST_F(NetworkTest, MessagesGoToStandardErrorOneLineEach) {
    testing::internal::CaptureStderr();
    mi_info("%s has %d", "sample", 3);
    mi_nwarning(12, "careful");
    mi_api_error("line\n");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "info: sample has 3\nwarning 12: careful\napi error: line\n");
}

TEST_F(NetworkTest, TransparencyContinuesThroughAStackOfSurfaces) {
    miColor result{5, 5, 5, 5};
    miState front{};
    EXPECT_EQ(mi_trace_transparent(&result, &front), miFALSE); // default: nothing behind
    EXPECT_EQ(front.child, nullptr);
    EXPECT_EQ(result.a, 0.0f);

    const InstanceId near = network.add("near", testshaders::kind("countedColor"));
    const InstanceId far = network.add("far", testshaders::kind("countedColor"));
    network.set(near, "value", {1, 0, 0, 0.5});
    network.set(far, "value", {0, 1, 0, 1});
    rayhost::setTransparencyTracer(
        rayhost::surfaceStack(network, {{near, 3, 30, -2.0f}, {far, 4, 40, -5.0f}}, {0, 0, 1, 1}));
    rayhost::CallScope scope;
    front.thread = 6;
    EXPECT_EQ(mi_trace_transparent(&result, &front), miTRUE);
    ASSERT_NE(front.child, nullptr);
    EXPECT_EQ(result.r, 1.0f);
    miState& second = *front.child;
    EXPECT_EQ(second.label, 3u);
    EXPECT_EQ(second.pri_idx, 30u);
    EXPECT_EQ(second.parent, &front);
    EXPECT_EQ(second.thread, 6);
    EXPECT_EQ(second.point.z, -2.0f);

    EXPECT_EQ(mi_trace_transparent(&result, &second), miTRUE);
    EXPECT_EQ(result.g, 1.0f);
    EXPECT_EQ(second.child->label, 4u);
    EXPECT_EQ(mi_trace_transparent(&result, second.child), miFALSE);
    EXPECT_EQ(result.b, 1.0f);
    EXPECT_EQ(second.child->child, nullptr);
    rayhost::setTransparencyTracer({});
}

TEST_F(NetworkTest, RenderVariesOverTheImageAndUsesDistinctThreadNumbers) {
    const InstanceId ramp = network.add("ramp", patterns.kind("uvRamp"));
    rayhost::RenderSettings settings;
    settings.width = 16;
    settings.height = 4;
    settings.threads = 3;
    const quillomar::Image image = rayhost::render(network, {ramp, ""}, settings);
    for (int x = 1; x < 16; ++x) {
        EXPECT_GT(image.pixel(x, 2)[0], image.pixel(x - 1, 2)[0]);
    }
    EXPECT_EQ(image.pixel(0, 0)[0], image.pixel(0, 3)[0]);

    testshaders::threadsSeen.clear();
    const InstanceId threads = network.add("threads", testshaders::kind("threadColor"));
    settings.height = 64;
    settings.threads = 4;
    rayhost::render(network, {threads, ""}, settings);
    std::set<int> numbers;
    for (const auto& [thread, seen] : testshaders::threadsSeen) {
        EXPECT_EQ(seen.size(), 1u); // one number per render thread
        numbers.insert(*seen.begin());
    }
    EXPECT_EQ(numbers.size(), testshaders::threadsSeen.size());
    for (int number : numbers) {
        EXPECT_GE(number, 0);
        EXPECT_LT(number, 4);
    }

    settings.width = 0;
    EXPECT_THROW(rayhost::render(network, {ramp, ""}, settings), std::invalid_argument);
}

} // namespace
