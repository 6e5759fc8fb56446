// Sparse arrays: plugs by logical and physical index, array data handles and builders.
#include "test_nodes.h"

#include "core/internal.h"

#include <hostkit/host.h>
#include <maya/MArrayDataBuilder.h>
#include <maya/MArrayDataHandle.h>
#include <maya/MDataBlock.h>
#include <maya/MFnCompoundAttribute.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MIntArray.h>
#include <maya/MPlug.h>

#include <gtest/gtest.h>

using coretest::Echo;

namespace {

class Arrays : public ::testing::Test {
protected:
    void SetUp() override {
        coretest::prepareScene();
        node = hostkit::createNode("echo", "e");
        for (int index : {8, 1, 6, 10})
            ASSERT_TRUE(hostkit::setAttr("e.items[" + std::to_string(index) + "]", index * 0.5));
    }
    MPlug items() { return MPlug(node, Echo::items); }
    MObject node;
};

} // namespace

TEST_F(Arrays, PlugsWalkExistingElementsInAscendingLogicalOrder) {
    MPlug array = items();
    EXPECT_TRUE(array.isArray());
    EXPECT_EQ(array.numElements(), 4u);
    std::vector<unsigned int> order;
    for (unsigned int k = 0; k < array.numElements(); ++k)
        order.push_back(array.elementByPhysicalIndex(k).logicalIndex());
    EXPECT_EQ(order, (std::vector<unsigned int>{1, 6, 8, 10}));
    MStatus status;
    array.elementByPhysicalIndex(4, &status);
    EXPECT_FALSE(status) << "past the last element";

    // operator[] is the logical index, and asking for an element creates it.
    MPlug eight = array[8];
    EXPECT_TRUE(eight.isElement());
    EXPECT_FLOAT_EQ(eight.asFloat(), 4.0f);
    EXPECT_EQ(eight.array(), array);
    MPlug three = array.elementByLogicalIndex(3);
    EXPECT_EQ(array.numElements(), 5u);
    EXPECT_FLOAT_EQ(three.asFloat(), 0.0f);
    MIntArray indices;
    array.getExistingArrayAttributeIndices(indices);
    ASSERT_EQ(indices.length(), 5u);
    EXPECT_EQ(indices[1], 3);
    EXPECT_FALSE(eight.elementByLogicalIndex(0).isElement()) << "elements have no elements";
}

TEST_F(Arrays, RemovingAnElementLeavesTheOthers) {
    ASSERT_TRUE(hostkit::removeMultiInstance("e.items[6]"));
    EXPECT_EQ(items().numElements(), 3u);
    EXPECT_EQ(items().elementByPhysicalIndex(1).logicalIndex(), 8u);
    EXPECT_FALSE(hostkit::removeMultiInstance("e.items[6]"));
}

TEST_F(Arrays, ComputedArraysAreRebuiltByTheBuilderWithDenseIndices) {
    MPlug doubled(node, Echo::doubled);
    EXPECT_EQ(doubled.numElements(), 0u) << "counting what is stored computes nothing";
    ASSERT_EQ(doubled.evaluateNumElements(), 4u) << "evaluating the count computes it";
    EXPECT_EQ(doubled.numElements(), 4u);
    EXPECT_FLOAT_EQ(doubled[0].asFloat(), 1.0f);  // items[1] = 0.5
    EXPECT_FLOAT_EQ(doubled[3].asFloat(), 10.0f); // items[10] = 5
    // A builder replaces the array: an element the builder does not hold is gone.
    ASSERT_TRUE(hostkit::removeMultiInstance("e.items[1]"));
    EXPECT_EQ(doubled.evaluateNumElements(), 3u);
    EXPECT_FLOAT_EQ(doubled[0].asFloat(), 6.0f); // items[6] = 3
}

namespace {

// A node type whose compute exercises MArrayDataHandle's cursor and the builder's addLast.
struct Cursor : MPxNode {
    static MObject in, out;
    static std::vector<std::string> log;
    MStatus compute(const MPlug& plug, MDataBlock& block) override {
        if (plug != out)
            return MS::kUnknownParameter;
        MArrayDataHandle input = block.inputArrayValue(in);
        log.push_back("count " + std::to_string(input.elementCount()));
        do {
            log.push_back(std::to_string(input.elementIndex()) + "=" +
                          std::to_string(input.inputValue().asInt()));
        } while (input.next());
        log.push_back(input.jumpToElement(5) ? "jump 5 ok" : "jump 5 failed");
        log.push_back(input.jumpToElement(7) ? "at " + std::to_string(input.elementIndex())
                                             : "jump 7 failed");
        log.push_back(input.jumpToArrayElement(0) ? "first " + std::to_string(input.elementIndex())
                                                  : "no first");
        MArrayDataHandle output = block.outputArrayValue(out);
        MArrayDataBuilder builder = output.builder();
        builder.addLast().set(100);
        builder.addElement(2).set(20);
        builder.addLast().set(300);
        output.set(builder);
        block.setClean(plug);
        return MS::kSuccess;
    }
    static MStatus initialize() {
        MFnNumericAttribute fn;
        in = fn.create("in", "i", MFnNumericData::kInt, 0);
        fn.setArray(true);
        out = fn.create("out", "o", MFnNumericData::kInt, 0);
        fn.setArray(true);
        fn.setUsesArrayDataBuilder(true);
        addAttribute(in);
        addAttribute(out);
        return attributeAffects(in, out);
    }
};
MObject Cursor::in, Cursor::out;
std::vector<std::string> Cursor::log;

} // namespace

TEST(ArrayHandles, CursorWalksLogicalIndicesAndBuilderAppends) {
    coretest::prepareScene();
    static const bool registered = mcore::registerBuiltinNodeType(
        "cursor", MTypeId(0x7F2F0), [] { return static_cast<void*>(new Cursor()); },
        Cursor::initialize, MPxNode::kDependNode, {MFn::kPluginDependNode, MFn::kDependencyNode});
    ASSERT_TRUE(registered);
    MObject node = hostkit::createNode("cursor", "c");
    hostkit::setAttr("c.in[7]", 70);
    hostkit::setAttr("c.in[3]", 30);
    hostkit::setAttr("c.out[9]", 9);
    Cursor::log.clear();
    MPlug out(node, Cursor::out);
    ASSERT_EQ(out.evaluateNumElements(), 4u);
    EXPECT_EQ(Cursor::log, (std::vector<std::string>{"count 2", "3=30", "7=70", "jump 5 failed",
                                                     "at 7", "first 3"}));
    // The handle's builder starts from the existing elements: 9, then 10, 2, 11.
    EXPECT_EQ(out.elementByPhysicalIndex(0).logicalIndex(), 2u);
    EXPECT_EQ(out[9].asInt(), 9);
    EXPECT_EQ(out[10].asInt(), 100);
    EXPECT_EQ(out[11].asInt(), 300);
}

TEST(ArrayHandles, ArraysInsideCompoundElementsOpenFromTheirChildHandle) {
    coretest::prepareScene();
    MObject node = hostkit::createNode("kinds", "k");
    // Builders work on the array of a compound element too, as deformers' weight lists do.
    MFnCompoundAttribute list;
    MFnNumericAttribute numeric;
    MObject weight = numeric.create("weight", "wt", MFnNumericData::kFloat, 1.0);
    numeric.setArray(true);
    numeric.setUsesArrayDataBuilder(true);
    MObject entries = list.create("entries", "en");
    list.addChild(weight);
    list.setArray(true);
    ASSERT_TRUE(MFnDependencyNode(node).addAttribute(entries));
    ASSERT_TRUE(hostkit::setAttr("k.entries[2].weight[5]", 0.5));
    MArrayDataHandle weights(MPlug(node, entries)[2].asMDataHandle().child(weight));
    ASSERT_EQ(weights.elementCount(), 1u);
    EXPECT_EQ(weights.elementIndex(), 5u);
    MArrayDataBuilder builder = weights.builder();
    builder.addElement(1).set(0.25f);
    ASSERT_TRUE(weights.set(builder));
    MPlug plug = hostkit::findPlug("k.entries[2].weight");
    ASSERT_EQ(plug.numElements(), 2u);
    EXPECT_FLOAT_EQ(plug[1].asFloat(), 0.25f);
    EXPECT_FLOAT_EQ(plug[5].asFloat(), 0.5f);
    EXPECT_EQ(plug[5].name(), "k.entries[2].weight[5]");
}
