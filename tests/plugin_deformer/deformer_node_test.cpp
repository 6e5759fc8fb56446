// The obakeDeformer node as Maya sees it: registration, attributes and their effects, the
// painting set-up.
#include "deformer_fixture.h"

#include <maya/MFnAttribute.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnNumericData.h>
#include <maya/MFnUnitAttribute.h>
#include <maya/MPxNode.h>

#include <algorithm>
#include <vector>

namespace {

struct SettingRow {
    const char* name;
    const char* shortName;
    double defaultValue;
    bool hasMin, hasMax;
    double max;
};

// The float settings, with their hard limits (a minimum is always 0).
const SettingRow kSettings[] = {
    {"strength", "str", 1.0, true, true, 1.0},
    {"threshold", "ts", 0.0, true, false, 0.0},
    {"scale", "s", 1.0, true, false, 0.0},
    {"startFrame", "sf", 0.0, false, false, 0.0},
};

} // namespace

using DeformerNode = DeformerTest;

TEST_F(DeformerNode, RegisteredFirstAsADeformerWithItsId) {
    std::vector<hostkit::NodeTypeInfo> ours;
    for (const hostkit::NodeTypeInfo& type : hostkit::registeredTypes())
        if (type.plugin == "quillomarPlugins")
            ours.push_back(type);
    ASSERT_FALSE(ours.empty());
    EXPECT_EQ(ours[0].name, "obakeDeformer");
    EXPECT_EQ(ours[0].id, 1187526u);
    EXPECT_EQ(ours[0].kind, MPxNode::kDeformerNode);
}

TEST_F(DeformerNode, AttributesHaveTheirNamesTypesDefaultsLimitsAndFlags) {
    const MFnDependencyNode node(hostkit::createNode("obakeDeformer", "d"));
    for (const SettingRow& row : kSettings) {
        SCOPED_TRACE(row.name);
        MFnNumericAttribute attribute(node.attribute(row.name));
        EXPECT_STREQ(attribute.shortName().asChar(), row.shortName);
        EXPECT_EQ(attribute.unitType(), MFnNumericData::kFloat);
        EXPECT_TRUE(attribute.isKeyable());
        EXPECT_TRUE(attribute.isStorable());
        EXPECT_FALSE(attribute.isRenderSource());
        double value = -1.0; // defaults are read in int and double forms only
        attribute.getDefault(value);
        EXPECT_EQ(static_cast<float>(value), row.defaultValue);
        EXPECT_EQ(attribute.hasMin(), row.hasMin);
        EXPECT_EQ(attribute.hasMax(), row.hasMax);
        double low = -1.0, high = -1.0;
        attribute.getMin(low);
        attribute.getMax(high);
        if (row.hasMin) {
            EXPECT_EQ(low, 0.0);
        }
        if (row.hasMax) {
            EXPECT_EQ(high, row.max);
        }
    }

    const MFnNumericAttribute noiseMap(node.attribute("noiseMap"));
    EXPECT_STREQ(noiseMap.shortName().asChar(), "noise");
    EXPECT_TRUE(noiseMap.isUsedAsColor());
    EXPECT_TRUE(noiseMap.isKeyable() && noiseMap.isStorable() && noiseMap.isRenderSource());

    MFnUnitAttribute time(node.attribute("time"));
    EXPECT_STREQ(time.shortName().asChar(), "t");
    EXPECT_EQ(time.unitType(), MFnUnitAttribute::kTime);
    EXPECT_TRUE(time.isKeyable() && time.isStorable() && time.isRenderSource());
    double frame = 0.0;
    time.getDefault(frame);
    EXPECT_EQ(frame, 1.0);

    // Added after the inherited attributes, in this order.
    std::vector<std::string> order;
    for (unsigned int i = 0; i < node.attributeCount(); ++i)
        order.push_back(MFnAttribute(node.attribute(i)).name().asChar());
    const std::vector<std::string> added = {"strength", "threshold",  "scale",
                                            "noiseMap", "startFrame", "time"};
    auto position = [&order](const std::string& name) {
        return std::find(order.begin(), order.end(), name) - order.begin();
    };
    for (std::size_t i = 1; i < added.size(); ++i)
        EXPECT_LT(position(added[i - 1]), position(added[i])) << added[i];
    EXPECT_LT(position("envelope"), position("strength"));
}

TEST_F(DeformerNode, ItsWeightsArePaintableAsDeformerWeights) {
    bool found = false;
    for (const hostkit::PaintableInfo& entry : hostkit::paintableAttributes())
        if (entry.nodeType == "obakeDeformer") {
            found = true;
            EXPECT_EQ(entry.attribute, "weights");
            EXPECT_EQ(entry.attrType, "multiFloat");
            EXPECT_EQ(entry.shapeMode, "deformer");
        }
    EXPECT_TRUE(found);
    // Set up by the plug-in's own command, neither echoed nor undoable.
    int runs = 0;
    for (const hostkit::ExecutedCommand& command : hostkit::executedCommands())
        if (command.command == "makePaintable -attrType multiFloat -sm deformer obakeDeformer "
                               "weights;") {
            ++runs;
            EXPECT_FALSE(command.displayEnabled);
            EXPECT_FALSE(command.undoEnabled);
        }
    EXPECT_GE(runs, 1);
}

// Every setting affects the output: changing one re-evaluates at the same frame, which then
// sees no motion since the last evaluation and leaves the mesh where it is. (The time, connected
// to the scene's, re-evaluates it at every frame of every test.)
TEST_F(DeformerNode, EverySettingReevaluatesTheOutput) {
    const std::string shape = grid("sheet", 2, 2);
    const std::string d = deform("sheet");
    const std::vector<std::pair<std::string, double>> changes = {
        {"strength", 0.9},  {"threshold", 0.01}, {"scale", 1.1},
        {"noiseMapR", 0.5}, {"startFrame", -1},  {"envelope", 0.9}};
    double frame = 1.0;
    for (const auto& [attribute, value] : changes) {
        SCOPED_TRACE(attribute);
        set("sheet.ty", 0.0);
        pointsAt(shape, frame++);
        set("sheet.ty", -1.0);
        ASSERT_GT(pointsAt(shape, frame++)[0].y, -0.5) << "the mesh trails behind the step down";
        set(d + "." + attribute, value);
        EXPECT_EQ(worldPoints(shape)[0].y, -1.0);
    }
}
