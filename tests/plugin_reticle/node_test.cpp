// The reticle node through the host: its attributes, and when a draw reads its plugs.
#include "reticle_fixture.h"

#include <maya/MFnAttribute.h>
#include <maya/MFnCompoundAttribute.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnEnumAttribute.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnUnitAttribute.h>

#include <algorithm>
#include <iterator>

namespace {
struct Row {
    const char* name;
    const char* shortName;
    std::vector<double> defaults;
    bool internal;
};

const Row kAttributes[] = {
    {"drawingEnabled", "en", {1}, true},
    {"enableTextDrawing", "etd", {1}, true},
    {"horizontalFilmAperture", "hfa", {1.778}, true},
    {"verticalFilmAperture", "vfa", {1}, true},
    {"filmbackAperture", "cap", {1.778, 1}, false},
    {"lineColor", "lc", {1, 1, 0}, true},
    {"lineTrans", "lt", {0.5}, true},
    {"displayLineH", "dlh", {0}, true},
    {"displayLineV", "dlv", {0}, true},
    {"displayThirdsH", "dth", {0}, true},
    {"displayThirdsV", "dtv", {0}, true},
    {"displayCrosshair", "dlc", {0}, true},
    {"time", "tm", {0}, false},
};

// Children of one element, in child-index order, with their defaults.
const Row kAspectChildren[] = {
    {"aspectRatio", "ar", {1.85}, true},
    {"displayMode", "dm", {2}, true},
    {"aspectMaskColor", "amc", {0, 0, 0}, true},
    {"aspectMaskTrans", "amt", {0.75}, true},
    {"aspectLineColor", "alc", {0.8, 0.8, 0.8}, true},
    {"aspectLineTrans", "alt", {0}, true},
    {"aspectDisplaySafeAction", "adsa", {0}, true},
    {"aspectDisplaySafeTitle", "adst", {0}, true},
};

const Row kTextChildren[] = {
    {"textType", "ttyp", {0}, true},      {"textStr", "tstr", {}, true},
    {"textSize", "ts", {0}, true},        {"textAlign", "ta", {0}, true},
    {"textPos", "tp", {0, 0}, false},     {"textPosRel", "tpr", {0}, true},
    {"textLevel", "tl", {0}, true},       {"textARLevel", "tarl", {0}, true},
    {"textColor", "tc", {1, 1, 1}, true}, {"textTrans", "tt", {0.5}, true},
};

void expectRow(const MFnDependencyNode& node, const Row& row, const std::string& plug) {
    SCOPED_TRACE(row.name);
    const MFnAttribute attribute(node.attribute(row.name));
    EXPECT_STREQ(attribute.shortName().asChar(), row.shortName);
    EXPECT_EQ(attribute.internal(), row.internal);
    EXPECT_FALSE(attribute.isKeyable());
    EXPECT_TRUE(attribute.isStorable());
    if (row.defaults.empty())
        return;
    std::vector<double> values;
    ASSERT_TRUE(hostkit::getAttrValues(plug, values));
    ASSERT_EQ(values.size(), row.defaults.size());
    for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_NEAR(values[i], row.defaults[i], 1e-6);
}

void expectChildren(const MFnDependencyNode& node, const char* array, const char* shortName,
                    const Row* children, std::size_t count) {
    const MFnCompoundAttribute compound(node.attribute(array));
    EXPECT_STREQ(compound.shortName().asChar(), shortName);
    EXPECT_TRUE(compound.isArray() && compound.indexMatters());
    EXPECT_FALSE(compound.internal());
    ASSERT_EQ(compound.numChildren(), count);
    for (unsigned i = 0; i < count; ++i) {
        EXPECT_STREQ(MFnAttribute(compound.child(i)).name().asChar(), children[i].name);
        expectRow(node, children[i],
                  std::string(kReticle) + "." + array + "[3]." + children[i].name);
    }
}

std::vector<std::string> fieldsOf(const MFnDependencyNode& node, const char* name, short count) {
    const MFnEnumAttribute attribute(node.attribute(name));
    std::vector<std::string> fields;
    for (short i = 0; i < count; ++i)
        fields.push_back(attribute.fieldName(i).asChar());
    return fields;
}
} // namespace

TEST_F(ReticleTest, AttributesHaveTheirNamesKindsDefaultsAndFlags) {
    const MFnDependencyNode node(hostkit::findNode(kReticle));
    for (const Row& row : kAttributes)
        expectRow(node, row, std::string(kReticle) + "." + row.name);
    expectChildren(node, "aspectRatios", "ars", kAspectChildren, std::size(kAspectChildren));
    expectChildren(node, "text", "txt", kTextChildren, std::size(kTextChildren));

    for (const char* colour : {"lineColor", "aspectMaskColor", "aspectLineColor", "textColor"})
        EXPECT_TRUE(MFnAttribute(node.attribute(colour)).isUsedAsColor()) << colour;
    EXPECT_FALSE(MFnAttribute(node.attribute("textStr")).isConnectable());
    EXPECT_TRUE(MFnAttribute(node.attribute("textStr")).accepts(MFnData::kString));
    for (const char* trans : {"aspectMaskTrans", "aspectLineTrans", "textTrans", "lineTrans"}) {
        const MFnNumericAttribute attribute(node.attribute(trans));
        double low = -1, high = -1;
        ASSERT_TRUE(attribute.hasMin() && attribute.hasMax()) << trans;
        attribute.getMin(low);
        attribute.getMax(high);
        EXPECT_EQ(low, 0.0);
        EXPECT_EQ(high, 1.0);
    }
    const MFnNumericAttribute aperture(node.attribute("horizontalFilmAperture"));
    EXPECT_FALSE(aperture.hasMin() || aperture.hasMax());
    EXPECT_EQ(aperture.unitType(), MFnNumericData::kFloat);
    EXPECT_EQ(MFnNumericAttribute(node.attribute("textARLevel")).unitType(), MFnNumericData::kInt);
    EXPECT_EQ(MFnNumericAttribute(node.attribute("textPosX")).unitType(), MFnNumericData::kFloat);
    EXPECT_EQ(MFnNumericAttribute(node.attribute("drawingEnabled")).unitType(),
              MFnNumericData::kBoolean);

    EXPECT_EQ(MFnUnitAttribute(node.attribute("time")).unitType(), MFnUnitAttribute::kTime);
    for (const char* pair : {"filmbackAperture", "textPos"}) {
        const MFnCompoundAttribute compound(node.attribute(pair));
        ASSERT_EQ(compound.numChildren(), 2u) << pair;
        EXPECT_EQ(std::string(MFnAttribute(compound.child(0)).name().asChar()) + " " +
                      MFnAttribute(compound.child(1)).name().asChar(),
                  pair == std::string("textPos") ? "textPosX textPosY"
                                                 : "horizontalFilmAperture verticalFilmAperture");
    }
    // The reticle's own top-level attributes follow the locator's, in the order they were added.
    std::vector<std::string> topLevel;
    for (unsigned i = 0; i < node.attributeCount(); ++i)
        if (MFnAttribute(node.attribute(i)).parent().isNull())
            topLevel.push_back(MFnAttribute(node.attribute(i)).name().asChar());
    const auto own = std::find(topLevel.begin(), topLevel.end(), "enableTextDrawing");
    EXPECT_EQ(std::vector<std::string>(own, topLevel.end()),
              (std::vector<std::string>{"enableTextDrawing", "drawingEnabled", "filmbackAperture",
                                        "aspectRatios", "text", "lineColor", "lineTrans",
                                        "displayLineH", "displayLineV", "displayThirdsH",
                                        "displayThirdsV", "displayCrosshair", "time"}));

    EXPECT_EQ(fieldsOf(node, "displayMode", 3),
              (std::vector<std::string>{"none", "lines", "Transparent Mask"}));
    EXPECT_EQ(fieldsOf(node, "textType", 13),
              (std::vector<std::string>{"String", "Lens", "Camera", "Frame", "Frame And Range",
                                        "Frame Start", "Frame End", "Frame Range", "User",
                                        "Current File", "File Path", "File Name", "Date"}));
    EXPECT_EQ(fieldsOf(node, "textSize", 3),
              (std::vector<std::string>{"Small", "Medium", "Large"}));
    EXPECT_EQ(fieldsOf(node, "textAlign", 3),
              (std::vector<std::string>{"Left", "Center", "Right"}));
    EXPECT_EQ(fieldsOf(node, "textPosRel", 9),
              (std::vector<std::string>{"Bottom Left", "Bottom Center", "Bottom Right",
                                        "Middle Left", "Center", "Middle Right", "Top Left",
                                        "Top Center", "Top Right"}));
    EXPECT_EQ(fieldsOf(node, "textLevel", 3),
              (std::vector<std::string>{"Window", "Filmback", "Aspect Ratio"}));
}
