// Connections between plugs, plug names and addressing plugs by name.
#include "test_nodes.h"

#include "core/internal.h"

#include <hostkit/host.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MPlug.h>
#include <maya/MPlugArray.h>

#include <gtest/gtest.h>

using coretest::Adder;

namespace {

class Connections : public ::testing::Test {
protected:
    void SetUp() override {
        coretest::prepareScene();
        one = hostkit::createNode("adder", "one");
        two = hostkit::createNode("adder", "two");
        three = hostkit::createNode("adder", "three");
        hostkit::setAttr("one.a", 1.0);
        hostkit::setAttr("two.a", 2.0);
    }
    MObject one, two, three;
};

} // namespace

TEST_F(Connections, ADestinationReadsItsSourceAndTakesOnlyOne) {
    std::string error;
    ASSERT_TRUE(hostkit::connectAttr("one.sum", "three.b", false, &error)) << error;
    EXPECT_FLOAT_EQ(MPlug(three, Adder::b).asFloat(), 1.0f);
    EXPECT_FALSE(hostkit::connectAttr("one.sum", "three.b", false, &error)) << "already there";
    EXPECT_FALSE(hostkit::connectAttr("two.sum", "three.b", false, &error));
    EXPECT_NE(error.find("three.b"), std::string::npos) << error;
    EXPECT_FLOAT_EQ(MPlug(three, Adder::b).asFloat(), 1.0f) << "the first connection stays";
    ASSERT_TRUE(hostkit::connectAttr("two.sum", "three.b", true, &error)) << error;
    EXPECT_FLOAT_EQ(MPlug(three, Adder::b).asFloat(), 2.0f);
    EXPECT_EQ(hostkit::listConnections(),
              (std::vector<std::pair<std::string, std::string>>{{"two.sum", "three.b"}}));
}

TEST_F(Connections, PlugsReportTheirConnectionsBothWays) {
    ASSERT_TRUE(hostkit::connectAttr("one.sum", "two.b"));
    ASSERT_TRUE(hostkit::connectAttr("one.sum", "three.b"));
    MPlug source(one, Adder::sum);
    MPlugArray found;
    EXPECT_TRUE(source.isConnected());
    EXPECT_TRUE(source.connectedTo(found, false, true));
    ASSERT_EQ(found.length(), 2u);
    EXPECT_EQ(found[0].name(), "two.b");
    EXPECT_FALSE(source.connectedTo(found, true, false)) << "nothing feeds it";
    MPlug destination(three, Adder::b);
    ASSERT_TRUE(destination.connectedTo(found, true, false));
    EXPECT_EQ(found[0], source);
    EXPECT_FALSE(MPlug(three, Adder::a).isConnected());

    ASSERT_TRUE(hostkit::disconnectAttr("one.sum", "three.b"));
    EXPECT_FALSE(destination.isConnected());
    EXPECT_FLOAT_EQ(destination.asFloat(), 1.0f) << "keeps the last value it received";
    EXPECT_FALSE(hostkit::disconnectAttr("one.sum", "three.b"));
    ASSERT_TRUE(hostkit::deleteNode(one));
    EXPECT_TRUE(hostkit::listConnections().empty());
}

TEST_F(Connections, IncompatibleOrMissingPlugsAreRefused) {
    MObject kinds = hostkit::createNode("kinds", "k");
    std::string error;
    EXPECT_FALSE(hostkit::connectAttr("one.sum", "k.text", false, &error)) << "number to string";
    EXPECT_FALSE(hostkit::connectAttr("one.sum", "k.hidden", false, &error)) << "not connectable";
    EXPECT_FALSE(hostkit::connectAttr("one.sum", "k.color", false, &error)) << "to a compound";
    EXPECT_TRUE(hostkit::connectAttr("k.color", "k.triple", false, &error)) << error;
    EXPECT_FALSE(hostkit::connectAttr("one.nothing", "two.a", false, &error));
    EXPECT_NE(error.find("one.nothing"), std::string::npos) << error;
    EXPECT_FALSE(hostkit::connectAttr("one.sum", "one.sum", false, &error));
    (void)kinds;
}

TEST_F(Connections, PlugNamesFollowMaya) {
    MObject echo = hostkit::createNode("echo", "e");
    MObject kinds = hostkit::createNode("kinds", "k");
    EXPECT_EQ(MPlug(one, Adder::sum).name(), "one.sum");
    EXPECT_EQ(MPlug(one, Adder::sum).partialName(), "s");
    EXPECT_EQ(MPlug(echo, coretest::Echo::items)[3].name(), "e.items[3]");
    EXPECT_EQ(MPlug(kinds, coretest::Kinds::color).child(0).name(), "k.colorR");
    EXPECT_EQ(MPlug(kinds, coretest::Kinds::tx).name(), "k.tripleX");
}

TEST_F(Connections, PathsAddressChildrenElementsAndShortNames) {
    MObject kinds = hostkit::createNode("kinds", "k");
    ASSERT_TRUE(hostkit::setAttr("k.color.colorG", 0.125));
    ASSERT_TRUE(hostkit::setAttr("k.clb", 0.5));
    std::vector<double> color;
    ASSERT_TRUE(hostkit::getAttrValues("k.cl", color));
    EXPECT_EQ(color, (std::vector<double>{0.25, 0.125, 0.5}));
    MStatus status;
    EXPECT_TRUE(hostkit::findPlug("k.number[2]", &status).isNull()) << "not an array";
    EXPECT_FALSE(status);
    EXPECT_TRUE(hostkit::findPlug("k.", &status).isNull());
    EXPECT_TRUE(hostkit::findPlug("nobody.number", &status).isNull());
    EXPECT_FALSE(hostkit::setAttr("k.text", 1.0)) << "numbers do not go into strings";
    ASSERT_TRUE(hostkit::setAttrString("k.text", "label"));
    std::string text;
    ASSERT_TRUE(hostkit::getAttrString("k.tx", text));
    EXPECT_EQ(text, "label");
    (void)kinds;
}

namespace {

// Records the connection callbacks; its "inputs" elements go away when disconnected.
struct Watcher : MPxNode {
    static MObject inputs;
    std::vector<std::string> events;
    MStatus connectionMade(const MPlug& plug, const MPlug& other, bool asSrc) override {
        events.push_back("made " + std::string(plug.name().asChar()) + " " + other.name().asChar() +
                         (asSrc ? " as source" : ""));
        return MS::kUnknownParameter;
    }
    MStatus connectionBroken(const MPlug& plug, const MPlug& other, bool asSrc) override {
        events.push_back("broken " + std::string(plug.name().asChar()) + " " +
                         other.name().asChar() + (asSrc ? " as source" : ""));
        return MS::kUnknownParameter;
    }
    static MStatus initialize() {
        MFnNumericAttribute fn;
        inputs = fn.create("inputs", "ins", MFnNumericData::kFloat, 0.0);
        fn.setArray(true);
        fn.setDisconnectBehavior(MFnAttribute::kDelete);
        return addAttribute(inputs);
    }
};
MObject Watcher::inputs;

} // namespace

TEST_F(Connections, NodesHearOfConnectionsAndDeleteBehaviourRemovesElements) {
    static const bool registered = mcore::registerBuiltinNodeType(
        "watcher", MTypeId(0x7F2F4), [] { return static_cast<void*>(new Watcher()); },
        Watcher::initialize, MPxNode::kDependNode, {MFn::kPluginDependNode, MFn::kDependencyNode});
    ASSERT_TRUE(registered);
    MObject node = hostkit::createNode("watcher", "w");
    auto* watcher = static_cast<Watcher*>(MFnDependencyNode(node).userNode());
    ASSERT_TRUE(hostkit::connectAttr("one.sum", "w.inputs[4]"));
    EXPECT_EQ(MPlug(node, Watcher::inputs).numElements(), 1u);
    ASSERT_TRUE(hostkit::disconnectAttr("one.sum", "w.inputs[4]"));
    EXPECT_EQ(MPlug(node, Watcher::inputs).numElements(), 0u) << "deleted on disconnect";
    EXPECT_EQ(watcher->events,
              (std::vector<std::string>{"made w.inputs[4] one.sum", "broken w.inputs[4] one.sum"}));
}
