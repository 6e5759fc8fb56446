// The extension points other host parts use: data kinds, node slots, callbacks, evaluators,
// dynamic attributes and what scene files need.
#include "test_nodes.h"

#include "core/internal.h"

#include <hostkit/host.h>
#include <maya/MArrayDataBuilder.h>
#include <maya/MArrayDataHandle.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnMatrixAttribute.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnTypedAttribute.h>
#include <maya/MPlug.h>

#include <gtest/gtest.h>

namespace {

struct Shape : mcore::DataObject {
    MFnData::Type dataType() const override { return MFnData::kMesh; }
    MFn::Type apiType() const override { return MFn::kMeshData; }
    std::shared_ptr<mcore::DataObject> clone() const override {
        return std::make_shared<Shape>(*this);
    }
    int corners = 4;
};

struct Mark : mcore::NodeExtension {
    std::string text;
};

} // namespace

TEST(Extensions, NewDataKindsTravelThroughTypedAttributesAndHandles) {
    coretest::prepareScene();
    MObject kinds = hostkit::createNode("kinds", "k");
    MFnDependencyNode fn(kinds);
    MFnTypedAttribute typed;
    MObject meshAttr = typed.create("shape", "shp", MFnData::kMesh);
    MObject anyAttr = typed.create("anything", "any", MFnData::kAny);
    ASSERT_TRUE(fn.addAttribute(meshAttr));
    ASSERT_TRUE(fn.addAttribute(anyAttr));
    EXPECT_FALSE(fn.addAttribute(typed.create("shape", "s2", MFnData::kMesh))) << "name taken";
    EXPECT_TRUE(mcore::isDynamicAttribute(kinds, meshAttr));
    EXPECT_FALSE(mcore::isDynamicAttribute(kinds, coretest::Kinds::text));

    auto shape = std::make_shared<Shape>();
    MObject data = mcore::makeDataObject(shape);
    EXPECT_TRUE(data.hasFn(MFn::kMeshData) && data.hasFn(MFn::kData));
    ASSERT_TRUE(hostkit::setAttrData("k.shape", data));
    ASSERT_TRUE(hostkit::setAttrData("k.anything", data));
    EXPECT_FALSE(hostkit::setAttrData("k.text", data)) << "a string attribute refuses meshes";
    MObject back = MPlug(kinds, meshAttr).asMDataHandle().asMesh();
    EXPECT_EQ(mcore::dataObject<Shape>(back), shape.get());
    MObject copy = mcore::cloneData(back);
    ASSERT_NE(mcore::dataObject<Shape>(copy), nullptr);
    EXPECT_NE(mcore::dataObject<Shape>(copy), shape.get());
    EXPECT_FALSE(mcore::isDefaultValue(MPlug(kinds, meshAttr)));

    ASSERT_TRUE(fn.removeAttribute(anyAttr));
    EXPECT_FALSE(fn.hasAttribute("anything"));
}

TEST(Extensions, CallbacksSlotsAndResetHooksSeeNodesComeAndGo) {
    coretest::prepareScene();
    static std::vector<std::string>* log = new std::vector<std::string>();
    static const bool installed = [] {
        mcore::addNodeAddedCallback([](const MObject& node) {
            if (mcore::nodeTypeName(node) == "lifecycle")
                log->push_back("added " + hostkit::nodeName(node));
        });
        mcore::addNodeRemovedCallback([](const MObject& node) {
            if (mcore::nodeTypeName(node) == "lifecycle")
                log->push_back("removed " + hostkit::nodeName(node));
        });
        mcore::addSceneResetHook([] { log->push_back("reset"); });
        return true;
    }();
    ASSERT_TRUE(installed);
    log->clear();
    MObject node = hostkit::createNode("lifecycle", "life");
    EXPECT_EQ(coretest::Lifecycle::events.back(), "postConstructor") << "added comes after";
    auto mark = std::make_unique<Mark>();
    mark->text = "kept with the node";
    mcore::setNodeExtension(node, "test", std::move(mark));
    ASSERT_NE(mcore::nodeExtension(node, "test"), nullptr);
    EXPECT_EQ(static_cast<Mark*>(mcore::nodeExtension(node, "test"))->text, "kept with the node");
    EXPECT_EQ(mcore::nodeExtension(node, "other"), nullptr);
    EXPECT_EQ(mcore::nodeOf(MFnDependencyNode(node).userNode()), node);
    hostkit::resetScene();
    EXPECT_EQ(*log, (std::vector<std::string>{"added life", "removed life", "reset"}));
    EXPECT_FALSE(mcore::isAlive(node));
    EXPECT_EQ(mcore::nodeExtension(node, "test"), nullptr) << "slots go with the node";
}

TEST(Extensions, HostEvaluatorsComputeOnEveryRead) {
    coretest::prepareScene();
    MFnMatrixAttribute matrices;
    static MObject worldish = matrices.create("worldish", "wsh");
    matrices.setArray(true);
    matrices.setUsesArrayDataBuilder(true);
    static int reads = 0;
    static const bool installed = [] {
        mcore::setHostEvaluator(worldish, [](const MPlug&, MDataBlock& block) {
            ++reads;
            MArrayDataHandle array = block.outputArrayValue(worldish);
            MArrayDataBuilder builder = array.builder();
            MMatrix m;
            m[3][0] = reads;
            builder.addElement(0).set(m);
            array.set(builder);
            return MStatus(MS::kSuccess);
        });
        return true;
    }();
    ASSERT_TRUE(installed);
    MObject node = hostkit::createNode("adder", "x");
    ASSERT_TRUE(MFnDependencyNode(node).addAttribute(worldish));
    MPlug element = MPlug(node, worldish).elementByLogicalIndex(0);
    reads = 0;
    EXPECT_DOUBLE_EQ(element.asMDataHandle().asMatrix()[3][0], 1.0);
    EXPECT_DOUBLE_EQ(element.asMDataHandle().asMatrix()[3][0], 2.0);
}

TEST(Extensions, ScenesSeeConnectionsDefaultsAndChangesByPlug) {
    coretest::prepareScene();
    MObject one = hostkit::createNode("adder", "one");
    MObject two = hostkit::createNode("adder", "two");
    ASSERT_TRUE(hostkit::connectAttr("one.sum", "two.a"));
    const auto connections = mcore::allConnections();
    ASSERT_EQ(connections.size(), 1u);
    EXPECT_EQ(connections[0].first.name(), "one.sum");
    EXPECT_EQ(connections[0].second.name(), "two.a");
    EXPECT_TRUE(mcore::isDefaultValue(MPlug(one, coretest::Adder::b)));
    hostkit::setAttr("one.b", 2.0);
    EXPECT_FALSE(mcore::isDefaultValue(MPlug(one, coretest::Adder::b)));
    ASSERT_TRUE(hostkit::setAttr("one.b", 0.0));
    EXPECT_TRUE(mcore::isDefaultValue(MPlug(one, coretest::Adder::b)));
    MFnDependencyNode fn(one);
    ASSERT_EQ(fn.attributeCount(), 3u);
    EXPECT_EQ(fn.attribute(2u), coretest::Adder::sum);
    EXPECT_EQ(fn.attribute("s"), coretest::Adder::sum);
    EXPECT_EQ(fn.setName("two"), "two1") << "taken names get a number";
    // markChanged dirties what a plug affects without setting it.
    MPlug result(two, coretest::Adder::sum);
    result.asFloat();
    coretest::Adder::computeCount = 0;
    mcore::markChanged(MPlug(one, coretest::Adder::a));
    result.asFloat();
    EXPECT_EQ(coretest::Adder::computeCount, 2);
}
