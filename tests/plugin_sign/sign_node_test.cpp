// The sign node's attributes, bounding box and "cvPositions" output, through the host.
#include "sign_fixture.h"

#include <maya/MDoubleArray.h>
#include <maya/MFnAttribute.h>
#include <maya/MFnCompoundAttribute.h>
#include <maya/MFnDagNode.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnEnumAttribute.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnNurbsCurve.h>
#include <maya/MFnNurbsCurveData.h>
#include <maya/MFnPointArrayData.h>
#include <maya/MFnTypedAttribute.h>
#include <maya/MPlug.h>
#include <maya/MPointArray.h>
#include <maya/MPxLocatorNode.h>

namespace {
struct AttributeRow {
    const char* name;
    const char* shortName;
    bool keyable;
    bool renderSource;
    std::vector<double> defaults;
};

const double kGreen = 70.0 / 255.0, kBlue = 25.0 / 255.0;

const AttributeRow kAttributes[] = {
    {"localRotateX", "lrx", true, false, {0}},
    {"localRotateY", "lry", true, false, {0}},
    {"localRotateZ", "lrz", true, false, {0}},
    {"localRotate", "lr", false, false, {0, 0, 0}},
    {"type", "typ", true, false, {0}},
    {"enableTailLine", "et", true, true, {0}},
    {"tailLineVectorX", "tlx", true, false, {0}},
    {"tailLineVectorY", "tly", true, false, {1}},
    {"tailLineVectorZ", "tlz", true, false, {0}},
    {"tailLineVector", "tl", false, false, {0, 1, 0}},
    {"radius", "ra", true, true, {1}},
    {"width", "w", true, true, {1}},
    {"color", "col", true, true, {0, kGreen, kBlue}},
    {"alpha", "a", true, true, {1}},
    {"textPositionX", "tpx", true, false, {0}},
    {"textPositionY", "tpy", true, false, {0}},
    {"textPositionZ", "tpz", true, false, {0}},
    {"textPosition", "tp", false, false, {0, 0, 0}},
    {"textColor", "tc", true, true, {0, kGreen, kBlue}},
    {"textAlpha", "ta", true, true, {1}},
    {"enableTextLine", "etl", true, true, {1}},
};

// A cubic Bezier span for four CVs, a degree-1 curve otherwise.
MObject curveData(const MPointArray& cvs) {
    MFnNurbsCurveData data;
    MObject owner = data.create();
    const bool cubic = cvs.length() == 4;
    MDoubleArray knots;
    for (unsigned i = 0; i < (cubic ? 6u : cvs.length()); ++i)
        knots.append(cubic ? (i < 3 ? 0.0 : 1.0) : double(i));
    MFnNurbsCurve().create(cvs, knots, cubic ? 3 : 1, MFnNurbsCurve::kOpen, false, false, owner);
    return owner;
}

MPointArray pointsAt(const MPlug& element) {
    MObject data;
    element.getValue(data);
    return MFnPointArrayData(data).array();
}
} // namespace

using SignNode = SignSceneTest;

TEST_F(SignNode, AttributesHaveTheirNamesFlagsAndDefaults) {
    const std::string sign = createSign("marker");
    const MFnDependencyNode node(hostkit::findNode(sign));
    for (const AttributeRow& row : kAttributes) {
        SCOPED_TRACE(row.name);
        const MObject object = node.attribute(row.name);
        ASSERT_FALSE(object.isNull());
        const MFnAttribute attribute(object);
        EXPECT_STREQ(attribute.shortName().asChar(), row.shortName);
        EXPECT_EQ(attribute.isKeyable(), row.keyable);
        EXPECT_TRUE(attribute.isStorable());
        EXPECT_EQ(attribute.isRenderSource(), row.renderSource);
        std::vector<double> values;
        ASSERT_TRUE(hostkit::getAttrValues(sign + "." + row.name, values));
        ASSERT_EQ(values.size(), row.defaults.size());
        for (std::size_t i = 0; i < values.size(); ++i)
            EXPECT_NEAR(values[i], row.defaults[i], 1e-7);
    }

    const MFnAttribute text(node.attribute("text"));
    EXPECT_STREQ(text.shortName().asChar(), "tx");
    EXPECT_FALSE(text.isKeyable());
    EXPECT_TRUE(text.isStorable());
    std::string value = "unset";
    ASSERT_TRUE(hostkit::getAttrString(sign + ".text", value));
    EXPECT_EQ(value, "");

    for (const char* name : {"inputCurve", "cvPositions"}) {
        const MFnAttribute array(node.attribute(name));
        EXPECT_TRUE(array.isArray()) << name;
        EXPECT_TRUE(array.isStorable()) << name;
        EXPECT_FALSE(array.isKeyable()) << name;
    }
    EXPECT_STREQ(MFnAttribute(node.attribute("inputCurve")).shortName().asChar(), "ic");
    EXPECT_STREQ(MFnAttribute(node.attribute("cvPositions")).shortName().asChar(), "cvp");
}

TEST_F(SignNode, AttributeKindsAreTheOnesScenesAndConnectionsRelyOn) {
    const MFnDependencyNode node(hostkit::findNode(createSign("marker")));
    const struct {
        const char* name;
        MFnNumericData::Type kind;
    } numerics[] = {
        {"localRotateX", MFnNumericData::kFloat},
        {"localRotateY", MFnNumericData::kFloat},
        {"localRotateZ", MFnNumericData::kFloat},
        {"enableTailLine", MFnNumericData::kBoolean},
        {"tailLineVectorX", MFnNumericData::kFloat},
        {"tailLineVectorY", MFnNumericData::kFloat},
        {"tailLineVectorZ", MFnNumericData::kFloat},
        {"radius", MFnNumericData::kFloat},
        {"width", MFnNumericData::kInt},
        {"color", MFnNumericData::k3Float},
        {"alpha", MFnNumericData::kFloat},
        {"textPositionX", MFnNumericData::kFloat},
        {"textPositionY", MFnNumericData::kFloat},
        {"textPositionZ", MFnNumericData::kFloat},
        {"textColor", MFnNumericData::k3Float},
        {"textAlpha", MFnNumericData::kFloat},
        {"enableTextLine", MFnNumericData::kBoolean},
    };
    for (const auto& row : numerics) {
        SCOPED_TRACE(row.name);
        const MObject attribute = node.attribute(row.name);
        ASSERT_TRUE(attribute.hasFn(MFn::kNumericAttribute));
        EXPECT_EQ(MFnNumericAttribute(attribute).unitType(), row.kind);
        const bool colour = row.kind == MFnNumericData::k3Float;
        EXPECT_EQ(MFnAttribute(attribute).isUsedAsColor(), colour);
    }

    const struct {
        const char* name;
        MFnData::Type kind;
    } typed[] = {{"inputCurve", MFnData::kNurbsCurve},
                 {"cvPositions", MFnData::kPointArray},
                 {"text", MFnData::kString}};
    for (const auto& row : typed) {
        const MObject attribute = node.attribute(row.name);
        ASSERT_TRUE(attribute.hasFn(MFn::kTypedAttribute)) << row.name;
        EXPECT_EQ(MFnTypedAttribute(attribute).attrType(), row.kind) << row.name;
    }
    EXPECT_FALSE(MFnAttribute(node.attribute("text")).isArray());
    EXPECT_TRUE(node.attribute("type").hasFn(MFn::kEnumAttribute));

    const struct {
        const char* name;
        const char* children[3];
    } compounds[] = {{"localRotate", {"localRotateX", "localRotateY", "localRotateZ"}},
                     {"tailLineVector", {"tailLineVectorX", "tailLineVectorY", "tailLineVectorZ"}},
                     {"textPosition", {"textPositionX", "textPositionY", "textPositionZ"}}};
    for (const auto& row : compounds) {
        SCOPED_TRACE(row.name);
        const MObject attribute = node.attribute(row.name);
        ASSERT_TRUE(attribute.hasFn(MFn::kCompoundAttribute));
        const MFnCompoundAttribute compound(attribute);
        ASSERT_EQ(compound.numChildren(), 3u);
        for (unsigned i = 0; i < 3; ++i)
            EXPECT_STREQ(MFnAttribute(compound.child(i)).name().asChar(), row.children[i]);
    }
}

TEST_F(SignNode, SoftLimitsAndTypeFields) {
    const MFnDependencyNode node(hostkit::findNode(createSign("marker")));
    const struct {
        const char* name;
        double softMin, softMax;
    } limited[] = {{"width", 0, 10}, {"alpha", 0, 1}, {"textAlpha", 0, 1}};
    for (const auto& row : limited) {
        const MFnNumericAttribute attribute(node.attribute(row.name));
        double low = -1, high = -1;
        ASSERT_TRUE(attribute.hasSoftMin() && attribute.hasSoftMax()) << row.name;
        attribute.getSoftMin(low);
        attribute.getSoftMax(high);
        EXPECT_EQ(low, row.softMin) << row.name;
        EXPECT_EQ(high, row.softMax) << row.name;
    }
    const MFnNumericAttribute radius(node.attribute("radius"));
    EXPECT_FALSE(radius.hasSoftMin() || radius.hasSoftMax() || radius.hasMin() || radius.hasMax());

    const MFnEnumAttribute type(node.attribute("type"));
    const struct {
        short value;
        const char* label;
    } fields[] = {{0, "Circle"}, {1, "Square"},      {2, "Triangle"},   {3, "Cross"},
                  {30, "Arrow"}, {31, "Both Arrow"}, {60, "Arch"},      {61, "Ellipse"},
                  {62, "Star"},  {90, "Cube"},       {91, "Sphere"},    {92, "Pyramid"},
                  {120, "Sign"}, {121, "Root"},      {900, "CV Curve"}, {999, "None"}};
    for (const auto& field : fields)
        EXPECT_STREQ(type.fieldName(field.value).asChar(), field.label) << field.value;
}

TEST_F(SignNode, BoundingBoxIsTheLocalScaleTimesRadius) {
    const std::string sign = createSign("marker");
    auto* locator =
        dynamic_cast<MPxLocatorNode*>(MFnDependencyNode(hostkit::findNode(sign)).userNode());
    ASSERT_NE(locator, nullptr);
    EXPECT_TRUE(locator->isBounded());
    EXPECT_TRUE(locator->isTransparent());
    MBoundingBox box = locator->boundingBox();
    EXPECT_EQ(box.min(), MPoint(-1, -1, -1));
    EXPECT_EQ(box.max(), MPoint(1, 1, 1));

    set(sign + ".radius", 2.5);
    set(sign + ".localScale", {1, 2, 4});
    // Position, rotation, tail line and text stay out of the box.
    set(sign + ".localPosition", {10, 0, 0});
    set(sign + ".localRotate", {0, 45, 0});
    set(sign + ".enableTailLine", 1);
    set(sign + ".tailLineVector", {0, 50, 0});
    box = locator->boundingBox();
    EXPECT_EQ(box.min(), MPoint(-2.5, -5, -10));
    EXPECT_EQ(box.max(), MPoint(2.5, 5, 10));
}

TEST_F(SignNode, CvPositionsRenumberTheInputCurves) {
    const std::string sign = createSign("marker");
    MPointArray four;
    for (int i = 0; i < 4; ++i)
        four.append(i, i * i, -i);
    MPointArray one;
    one.append(7, 8, 9);
    ASSERT_TRUE(hostkit::setAttrData(sign + ".inputCurve[3]", curveData(four)));
    ASSERT_TRUE(hostkit::setAttrData(sign + ".inputCurve[8]", curveData(one)));
    // Curve data that holds no curve yet.
    ASSERT_TRUE(hostkit::setAttrData(sign + ".inputCurve[11]", MFnNurbsCurveData().create()));

    MPlug positions = hostkit::findPlug(sign + ".cvPositions");
    ASSERT_EQ(positions.evaluateNumElements(), 3u);
    EXPECT_EQ(positions.elementByPhysicalIndex(0).logicalIndex(), 0u);
    EXPECT_EQ(positions.elementByPhysicalIndex(1).logicalIndex(), 1u);
    const MPointArray first = pointsAt(positions.elementByLogicalIndex(0));
    ASSERT_EQ(first.length(), 4u);
    for (unsigned i = 0; i < 4; ++i)
        EXPECT_EQ(first[i], four[i]);
    const MPointArray second = pointsAt(positions.elementByLogicalIndex(1));
    ASSERT_EQ(second.length(), 1u);
    EXPECT_EQ(second[0], one[0]);
    EXPECT_EQ(pointsAt(positions.elementByLogicalIndex(2)).length(), 0u);
}
