// Attribute kinds, defaults, limits, flags and compounds as plugs and function sets see them.
#include "test_nodes.h"

#include <hostkit/host.h>
#include <maya/MFnAttribute.h>
#include <maya/MFnCompoundAttribute.h>
#include <maya/MFnEnumAttribute.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnNumericData.h>
#include <maya/MFnPointArrayData.h>
#include <maya/MFnStringData.h>
#include <maya/MFnTypedAttribute.h>
#include <maya/MPlug.h>
#include <maya/MTime.h>

#include <gtest/gtest.h>

using coretest::Kinds;

namespace {

class Attributes : public ::testing::Test {
protected:
    void SetUp() override {
        coretest::prepareScene();
        node = hostkit::createNode("kinds", "k");
        ASSERT_FALSE(node.isNull());
    }
    MPlug plug(const MObject& attr) { return MPlug(node, attr); }
    MObject node;
};

} // namespace

TEST_F(Attributes, PlugsStartAtTheirDefaults) {
    EXPECT_DOUBLE_EQ(plug(Kinds::number).asDouble(), 1.5);
    EXPECT_TRUE(plug(Kinds::flag).asBool());
    EXPECT_EQ(plug(Kinds::choice).asShort(), 30);
    EXPECT_EQ(plug(Kinds::text).asString(), "");
    EXPECT_DOUBLE_EQ(plug(Kinds::when).asMTime().as(MTime::kFilm), 12.0);
    MObject matrix;
    EXPECT_TRUE(plug(Kinds::transform).getValue(matrix));
    EXPECT_FALSE(matrix.isNull());
    // Children of numeric compounds carry their own defaults.
    EXPECT_FLOAT_EQ(plug(Kinds::pair).child(1).asFloat(), 2.0f);
}

TEST_F(Attributes, ColoursAndNumericCompoundsReadAsNumericData) {
    MFnNumericAttribute color(Kinds::color);
    EXPECT_TRUE(color.isUsedAsColor());
    EXPECT_EQ(color.unitType(), MFnNumericData::k3Float);
    EXPECT_EQ(MFnAttribute(color.child(0)).name(), "colorR");
    EXPECT_EQ(MFnAttribute(color.child(2)).shortName(), "clb");
    EXPECT_EQ(MFnNumericAttribute(Kinds::pair).unitType(), MFnNumericData::k2Float);

    MObject data;
    ASSERT_TRUE(plug(Kinds::color).getValue(data));
    float r = 0, g = 0, b = 0;
    ASSERT_TRUE(MFnNumericData(data).getData(r, g, b));
    EXPECT_FLOAT_EQ(r, 0.25f);
    EXPECT_FLOAT_EQ(g, 0.5f);
    EXPECT_FLOAT_EQ(b, 0.75f);

    MFnNumericData fn;
    MObject newColor = fn.create(MFnNumericData::k3Float);
    fn.setData(1.0f, 0.0f, 0.5f);
    ASSERT_TRUE(plug(Kinds::color).setValue(newColor));
    EXPECT_FLOAT_EQ(plug(Kinds::color).child(2).asFloat(), 0.5f);
    // A two-value object does not fit a three-child compound.
    MObject pair = fn.create(MFnNumericData::k2Float);
    EXPECT_FALSE(plug(Kinds::color).setValue(pair));
}

TEST_F(Attributes, CompoundChildrenKeepTheOrderTheyWereAdded) {
    MFnCompoundAttribute triple(Kinds::triple);
    ASSERT_EQ(triple.numChildren(), 3u);
    EXPECT_EQ(triple.child(0), Kinds::tz);
    EXPECT_EQ(triple.child(1), Kinds::tx);
    EXPECT_EQ(plug(Kinds::triple).child(2), Kinds::ty);
    EXPECT_EQ(plug(Kinds::triple).child(0).parent(), plug(Kinds::triple));
    EXPECT_TRUE(plug(Kinds::triple).child(0).isChild());
    EXPECT_TRUE(hostkit::setAttrValues("k.triple", {3.0, 1.0, 2.0}));
    EXPECT_DOUBLE_EQ(plug(Kinds::tz).asDouble(), 3.0);
    EXPECT_DOUBLE_EQ(plug(Kinds::ty).asDouble(), 2.0);
    EXPECT_FALSE(hostkit::setAttrValues("k.triple", {1.0, 2.0})) << "wrong child count";
}

TEST_F(Attributes, HardLimitsClampSoftLimitsDoNot) {
    MObject adder = hostkit::createNode("adder", "add");
    MPlug a(adder, coretest::Adder::a);
    ASSERT_TRUE(a.setValue(25.0f));
    EXPECT_FLOAT_EQ(a.asFloat(), 10.0f);
    ASSERT_TRUE(hostkit::setAttr("add.a", -3.0));
    EXPECT_FLOAT_EQ(a.asFloat(), 0.0f);
    ASSERT_TRUE(a.setValue(7.0f)) << "above the soft maximum of 5";
    EXPECT_FLOAT_EQ(a.asFloat(), 7.0f);

    MFnNumericAttribute fn(coretest::Adder::a);
    double limit = 0.0;
    EXPECT_TRUE(fn.hasMin() && fn.hasMax() && fn.hasSoftMax() && !fn.hasSoftMin());
    EXPECT_TRUE(fn.getSoftMax(limit));
    EXPECT_DOUBLE_EQ(limit, 5.0);
    EXPECT_FALSE(fn.getSoftMin(limit));
}

TEST_F(Attributes, FlagsHaveMayasDefaultsAndKeepWhatIsSet) {
    MFnAttribute text(Kinds::text);
    EXPECT_TRUE(text.isReadable() && text.isWritable() && text.isConnectable() &&
                text.isStorable() && text.indexMatters());
    EXPECT_FALSE(text.isKeyable() || text.isArray() || text.isHidden() || text.internal() ||
                 text.isRenderSource() || text.isUsedAsColor());
    EXPECT_TRUE(MFnAttribute(Kinds::number).isKeyable());
    EXPECT_TRUE(MFnAttribute(Kinds::flag).isRenderSource());
    EXPECT_FALSE(MFnAttribute(Kinds::points).isStorable());
    MFnAttribute hidden(Kinds::hidden);
    EXPECT_TRUE(hidden.isHidden());
    EXPECT_FALSE(hidden.isConnectable() || hidden.isReadable() || hidden.isWritable() ||
                 hidden.indexMatters());
    EXPECT_FALSE(plug(Kinds::hidden).setValue(3)) << "not writable";
    EXPECT_TRUE(MFnAttribute(coretest::Keeper::legacy).internal());
}

TEST_F(Attributes, EnumsStoreTheirFieldValues) {
    MFnEnumAttribute choice(Kinds::choice);
    EXPECT_EQ(choice.fieldName(999), "Off");
    EXPECT_EQ(choice.fieldIndex("High"), 30);
    EXPECT_EQ(choice.defaultValue(), "High");
    short low = 0, high = 0;
    EXPECT_TRUE(choice.getMin(low) && choice.getMax(high));
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 999);
    EXPECT_FALSE(choice.addField("Low", 5)) << "duplicate label";
    ASSERT_TRUE(hostkit::setAttr("k.choice", 999));
    EXPECT_EQ(plug(Kinds::choice).asInt(), 999);
}

TEST_F(Attributes, TypedStringsAndPointArraysTravelAsData) {
    MFnStringData strings;
    MObject hello = strings.create("hello");
    ASSERT_TRUE(plug(Kinds::text).setValue(hello));
    EXPECT_EQ(plug(Kinds::text).asString(), "hello");
    ASSERT_TRUE(plug(Kinds::text).setValue(MString("again")));
    MObject stored;
    ASSERT_TRUE(plug(Kinds::text).getValue(stored));
    EXPECT_EQ(MFnStringData(stored).string(), "again");
    EXPECT_EQ(MFnStringData(hello).string(), "hello") << "the stored data is not shared";

    MPointArray points;
    points.append(MPoint(1, 2, 3));
    points.append(MPoint(4, 5, 6));
    MFnPointArrayData pointData;
    MObject data = pointData.create(points);
    EXPECT_FALSE(plug(Kinds::text).setValue(data)) << "a string attribute takes no points";
    ASSERT_TRUE(plug(Kinds::points).setValue(data));
    MObject read = plug(Kinds::points).asMObject();
    MFnPointArrayData readBack(read);
    ASSERT_EQ(readBack.length(), 2u);
    EXPECT_EQ(readBack.array()[1], MPoint(4, 5, 6));
    float notANumber = 0.0f;
    EXPECT_FALSE(plug(Kinds::points).getValue(notANumber));
}

TEST_F(Attributes, TimeAttributesHoldTimesInTheUiUnit) {
    ASSERT_TRUE(plug(Kinds::when).setValue(MTime(2.0, MTime::kSeconds)));
    EXPECT_DOUBLE_EQ(plug(Kinds::when).asDouble(), 48.0) << "frames of film";
    EXPECT_FLOAT_EQ(plug(Kinds::when).asFloat(), 48.0f);
    ASSERT_TRUE(hostkit::setAttr("k.when", 6.0));
    EXPECT_EQ(plug(Kinds::when).asMTime(), MTime(0.25, MTime::kSeconds));
}
