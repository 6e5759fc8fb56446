#include "test_shaders.h"

#include <rayhost/network.h>
#include <rayhost/render.h>

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>

namespace {

using rayhost::InstanceId;

struct Result {
    miColor outColor;
    miVector outVector;
    miUint outValue1;
    miUint outValue2;
    miUint outValue3;
};

class ChoiceMrTest : public ::testing::Test {
protected:
    rayhost::ShaderLibrary library{QUILLOMAR_SHADER_LIBRARY, QUILLOMAR_SHADER_DECLARATIONS};
    rayhost::ShaderNetwork network;
    InstanceId choice = network.add("choice", library.kind("choiceMr"));

    // Three elements in every array, element k holding values built from k; `slack` moves
    // each array's start index.
    void fill(const int (&slack)[5], int counts = 3) {
        const char* arrays[] = {"colors", "vectors", "values1", "values2", "values3"};
        for (int a = 0; a < 5; ++a) {
            network.setArraySize(choice, arrays[a], counts, slack[a]);
        }
        for (int k = 0; k < counts; ++k) {
            const std::string index = "[" + std::to_string(k) + "]";
            network.set(choice, "colors" + index, {0.1 * k, 0.2, 0.3, 0.5});
            network.set(choice, "vectors" + index, {1.0 * k, -2.0, 3.0});
            network.set(choice, "values1" + index, {0.25 * k});
            network.set(choice, "values2" + index, {10.0 + k});
            network.set(choice, "values3" + index, {k % 2 == 1 ? 1.0 : 0.0});
        }
    }

    static Result call(const rayhost::ShaderNetwork& in, InstanceId instance) {
        Result result{};
        rayhost::PrimarySample sample;
        rayhost::fillPrimarySample(sample, nullptr, 0, 0, 1, 1, 0);
        EXPECT_EQ(in.call(instance, &result, &sample.state), miTRUE);
        return result;
    }

    // A second choiceMr whose integer output, `value`, drives this one's selector.
    InstanceId driveSelector(int value) {
        InstanceId driver = network.add("driver", library.kind("choiceMr"));
        network.setArraySize(driver, "values2", 1);
        network.set(driver, "values2[0]", {double(value)});
        network.connect(choice, "selector", driver, "outValue2");
        return driver;
    }

    Result run(int selector) {
        network.set(choice, "selector", {double(selector)});
        return call(network, choice);
    }

    static void expectElement(const Result& r, int k) {
        EXPECT_FLOAT_EQ(r.outColor.r, 0.1f * k);
        EXPECT_FLOAT_EQ(r.outColor.a, 0.5f);
        EXPECT_FLOAT_EQ(r.outVector.x, 1.0f * k);
        EXPECT_FLOAT_EQ(r.outVector.z, 3.0f);
        float value1;
        std::memcpy(&value1, &r.outValue1, sizeof value1);
        EXPECT_FLOAT_EQ(value1, 0.25f * k);
        EXPECT_EQ(r.outValue2, miUint(10 + k));
        EXPECT_EQ(r.outValue3, miUint(k % 2));
    }
};

TEST_F(ChoiceMrTest, SelectorPicksTheSamePositionWhateverTheArraysStarts) {
    fill({0, 3, 1, 5, 2});
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        expectElement(run(k), k);
    }
}

TEST_F(ChoiceMrTest, SelectorOutsideAnArrayGivesZeroForThatOutputOnly) {
    fill({0, 0, 0, 0, 0});
    for (int selector : {-1, 3, 1000000}) {
        const Result r = run(selector);
        const Result zero{};
        EXPECT_EQ(std::memcmp(&r, &zero, sizeof r), 0) << selector;
    }
    // A shorter vector array: the same selector still picks from the others.
    rayhost::ShaderNetwork other;
    InstanceId c = other.add("c", library.kind("choiceMr"));
    other.setArraySize(c, "colors", 2);
    other.setArraySize(c, "vectors", 1);
    other.set(c, "colors[1]", {1, 0, 0, 1});
    other.set(c, "vectors[0]", {7, 7, 7});
    other.set(c, "selector", {1});
    const Result r = call(other, c);
    EXPECT_FLOAT_EQ(r.outColor.r, 1.0f);
    EXPECT_FLOAT_EQ(r.outVector.x, 0.0f);
    EXPECT_EQ(r.outValue1, 0u);
}

TEST_F(ChoiceMrTest, StartAndCountBeyondTheStoredElementsGiveZero) {
    // Start and count may be attached to other shaders, or a block corrupt: whatever they say,
    // nothing outside the block's stored elements is read.
    fill({0, 0, 0, 0, 0});
    const rayhost::Field* colors =
        rayhost::findField(network.declaration(choice).parameters, "colors");
    ASSERT_NE(colors, nullptr);
    char* block = static_cast<char*>(network.record(choice).parameters);
    std::int32_t stored[2];
    std::memcpy(stored, block + colors->offset, sizeof stored);
    struct Case {
        std::int32_t start, count;
        int selector;
    };
    const Case cases[] = {
        {INT_MIN, 10, 0}, {-1, 3, 0}, {stored[0], INT_MAX, 100000000}, {INT_MAX, 1, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "start " << c.start << " count " << c.count);
        const std::int32_t words[2] = {c.start, c.count};
        std::memcpy(block + colors->offset, words, sizeof words);
        const miColor color = run(c.selector).outColor;
        const miColor zero{};
        EXPECT_EQ(std::memcmp(&color, &zero, sizeof color), 0);
    }
    std::memcpy(block + colors->offset, stored, sizeof stored);
    expectElement(run(2), 2);
}

TEST_F(ChoiceMrTest, TheWordJustPastTheBlockIsNotReadAsAnElement) {
    // The slack makes the block end where its attachment words begin; an attached selector
    // (picking 0) puts a tag into the first of them.
    fill({0, 0, 0, 0, 2});
    driveSelector(0);
    const miFunction& record = network.record(choice);
    ASSERT_EQ(record.ghost_offs, miUint(record.parameter_size));
    // A start index at the block's end, as an attached or corrupt start could say.
    const rayhost::Field* values3 =
        rayhost::findField(network.declaration(choice).parameters, "values3");
    ASSERT_NE(values3, nullptr);
    const std::size_t storage = values3->offset + 2 * sizeof(std::int32_t);
    const std::int32_t words[2] = {
        std::int32_t((std::size_t(record.parameter_size) - storage) / sizeof(miUint)), 1};
    std::memcpy(static_cast<char*>(record.parameters) + values3->offset, words, sizeof words);
    EXPECT_EQ(call(network, choice).outValue3, 0u);
}

TEST_F(ChoiceMrTest, ValuesAreCopiedBitForBit) {
    fill({0, 0, 0, 0, 0});
    const std::uint32_t quietNanWithPayload = 0x7fc12345u;
    const std::uint32_t negativeZero = 0x80000000u;
    network.setWords(choice, "values1[1]", {quietNanWithPayload});
    network.setWords(choice, "values2[1]", {0xffffffffu});
    network.setWords(choice, "values3[1]", {negativeZero});
    network.setWords(choice, "colors[1]", {quietNanWithPayload, negativeZero, 0, 1});
    const Result r = run(1);
    EXPECT_EQ(r.outValue1, quietNanWithPayload);
    EXPECT_EQ(r.outValue2, 0xffffffffu);
    EXPECT_EQ(r.outValue3, negativeZero);
    std::uint32_t red;
    std::memcpy(&red, &r.outColor.r, sizeof red);
    EXPECT_EQ(red, quietNanWithPayload);
}

TEST_F(ChoiceMrTest, ConnectedElementIsEvaluatedOnlyWhenPicked) {
    fill({0, 0, 0, 0, 0});
    InstanceId counted = network.add("counted", testshaders::kind("countedColor"));
    network.set(counted, "value", {0.9, 0.8, 0.7, 0.6});
    network.connect(choice, "colors[1]", counted);
    testshaders::countedCalls = 0;

    expectElement(run(0), 0);
    expectElement(run(2), 2);
    EXPECT_EQ(testshaders::countedCalls, 0);

    const Result r = run(1);
    EXPECT_EQ(testshaders::countedCalls, 1);
    EXPECT_FLOAT_EQ(r.outColor.r, 0.9f);
    EXPECT_FLOAT_EQ(r.outColor.a, 0.6f);
    EXPECT_FLOAT_EQ(r.outVector.x, 1.0f); // the other arrays stay constants
}

TEST_F(ChoiceMrTest, SelectorAndStructFieldsCanComeFromAnotherShader) {
    fill({0, 2, 0, 0, 0});
    const InstanceId driver = driveSelector(2);
    // A vector element attached to the driver's (zero) vector output.
    network.connect(choice, "vectors[2]", driver, "outVector");
    const Result r = call(network, choice);
    EXPECT_FLOAT_EQ(r.outColor.r, 0.2f);
    EXPECT_FLOAT_EQ(r.outVector.x, 0.0f);
    EXPECT_FLOAT_EQ(r.outVector.y, 0.0f);
    EXPECT_EQ(r.outValue2, 12u);
}

} // namespace
