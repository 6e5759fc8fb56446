// Dirty propagation, pull evaluation and internal attributes.
#include "test_nodes.h"

#include "core/internal.h"

#include <hostkit/host.h>
#include <maya/MDataBlock.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MPlug.h>

#include <gtest/gtest.h>

using coretest::Adder;

namespace {

class Evaluation : public ::testing::Test {
protected:
    void SetUp() override {
        coretest::prepareScene();
        first = hostkit::createNode("adder", "first");
        second = hostkit::createNode("adder", "second");
        ASSERT_TRUE(hostkit::connectAttr("first.sum", "second.a"));
    }
    MObject first, second;
};

// "twin": one compute produces both outputs and marks the other one clean itself.
struct Twin : MPxNode {
    static MObject in, left, right;
    static int computes;
    MStatus compute(const MPlug& plug, MDataBlock& block) override {
        if (plug != left && plug != right)
            return MS::kUnknownParameter;
        ++computes;
        const float value = block.inputValue(in).asFloat();
        block.outputValue(left).set(value + 1.0f);
        block.outputValue(right).set(value + 2.0f);
        block.setClean(left);
        block.setClean(right);
        EXPECT_TRUE(block.isClean(right));
        return MS::kSuccess;
    }
    static MStatus initialize() {
        MFnNumericAttribute fn;
        in = fn.create("in", "i", MFnNumericData::kFloat, 0.0);
        left = fn.create("left", "l", MFnNumericData::kFloat, 0.0);
        right = fn.create("right", "r", MFnNumericData::kFloat, 0.0);
        for (const MObject* attr : {&in, &left, &right})
            addAttribute(*attr);
        attributeAffects(in, left);
        return attributeAffects(in, right);
    }
};
MObject Twin::in, Twin::left, Twin::right;
int Twin::computes = 0;

} // namespace

TEST_F(Evaluation, ReadingADirtyOutputComputesItOnce) {
    ASSERT_TRUE(hostkit::setAttr("first.a", 2.0));
    ASSERT_TRUE(hostkit::setAttr("first.b", 3.0));
    MPlug sum(first, Adder::sum);
    EXPECT_FLOAT_EQ(sum.asFloat(), 5.0f);
    const int afterFirstRead = Adder::computeCount;
    float again = 0.0f;
    EXPECT_TRUE(sum.getValue(again));
    EXPECT_FLOAT_EQ(again, 5.0f);
    EXPECT_EQ(Adder::computeCount, afterFirstRead) << "a clean output is not recomputed";
}

TEST_F(Evaluation, ValueReadsAreCountedPerNode) {
    const long before = hostkit::plugReads(first);
    const long secondBefore = hostkit::plugReads(second);
    MPlug(first, Adder::a).asFloat();
    float value = 0.0f;
    MPlug(first, Adder::sum).getValue(value);
    MPlug(first, Adder::sum).numElements(); // not a value
    hostkit::setAttr("first.b", 1.0);       // nor is a write
    EXPECT_EQ(hostkit::plugReads(first), before + 2);
    EXPECT_EQ(hostkit::plugReads(second), secondBefore);
    EXPECT_EQ(hostkit::plugReads(MObject()), 0);
}

TEST_F(Evaluation, ChangesPropagateDownstreamAndPullUpstream) {
    hostkit::setAttr("first.a", 1.0);
    hostkit::setAttr("second.b", 10.0);
    MPlug result(second, Adder::sum);
    EXPECT_FLOAT_EQ(result.asFloat(), 11.0f);
    // Changing the upstream node dirties the downstream output through the connection; the
    // downstream compute's inputValue then pulls the upstream compute.
    Adder::computeCount = 0;
    hostkit::setAttr("first.b", 4.0);
    EXPECT_FLOAT_EQ(result.asFloat(), 15.0f);
    EXPECT_EQ(Adder::computeCount, 2);
    // Setting the destination directly is overridden by its connection.
    hostkit::setAttr("second.a", 100.0);
    EXPECT_FLOAT_EQ(result.asFloat(), 15.0f);
}

TEST(EvaluationEdges, UnknownParameterLeavesTheValueAsItIs) {
    coretest::prepareScene();
    MObject node = hostkit::createNode("stubborn", "s");
    MPlug out(node, coretest::Stubborn::out);
    EXPECT_FLOAT_EQ(out.asFloat(), 3.0f);
    ASSERT_TRUE(out.setValue(5.0f));
    ASSERT_TRUE(hostkit::setAttr("s.in", 1.0));
    EXPECT_FLOAT_EQ(out.asFloat(), 5.0f);
}

TEST(EvaluationEdges, SetCleanSparesTheSecondCompute) {
    coretest::prepareScene();
    static const bool registered = mcore::registerBuiltinNodeType(
        "twin", MTypeId(0x7F2F1), [] { return static_cast<void*>(new Twin()); }, Twin::initialize,
        MPxNode::kDependNode, {MFn::kPluginDependNode, MFn::kDependencyNode});
    ASSERT_TRUE(registered);
    MObject node = hostkit::createNode("twin", "t");
    Twin::computes = 0;
    hostkit::setAttr("t.in", 4.0);
    EXPECT_FLOAT_EQ(MPlug(node, Twin::left).asFloat(), 5.0f);
    EXPECT_FLOAT_EQ(MPlug(node, Twin::right).asFloat(), 6.0f);
    EXPECT_EQ(Twin::computes, 1);
}

TEST(InternalAttributes, TheDeprecatedContextFormIsCalledAndFalseLetsTheHostStore) {
    coretest::prepareScene();
    MObject node = hostkit::createNode("keeper", "keep");
    auto* keeper = static_cast<coretest::Keeper*>(MFnDependencyNode(node).userNode());
    ASSERT_NE(keeper, nullptr);
    ASSERT_TRUE(hostkit::setAttr("keep.legacy", 4));
    ASSERT_TRUE(hostkit::setAttr("keep.plain", 4));
    EXPECT_EQ(MPlug(node, coretest::Keeper::legacy).asInt(), 4);
    // The node took "kept" itself: the host stores nothing, and since the node does not answer
    // getInternalValue, reads give the stored default.
    ASSERT_TRUE(MPlug(node, coretest::Keeper::kept).setValue(5));
    EXPECT_EQ(keeper->keptValue, 5);
    EXPECT_EQ(MPlug(node, coretest::Keeper::kept).asInt(), 1);
    EXPECT_EQ(keeper->calls, (std::vector<std::string>{"legacy", "kept"}));
}

TEST(InternalAttributes, TheContextFreeFormsAreCalledWhenOverridden) {
    coretest::prepareScene();
    MObject node = hostkit::createNode("contextFreeKeeper", "cf");
    auto* keeper = static_cast<coretest::ContextFreeKeeper*>(MFnDependencyNode(node).userNode());
    ASSERT_TRUE(hostkit::setAttr("cf.kept", 9));
    EXPECT_EQ(keeper->sets, 1);
    keeper->keptValue = 11;
    double value = 0;
    ASSERT_TRUE(hostkit::getAttr("cf.kept", value));
    EXPECT_EQ(value, 11.0) << "read through getInternalValue";
}
