// MDataHandle views of stored values, as compute and internal-value callbacks use them.
#include "test_nodes.h"

#include "core/internal.h"

#include <hostkit/host.h>
#include <maya/MArrayDataHandle.h>
#include <maya/MDataBlock.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnPointArrayData.h>
#include <maya/MPlug.h>

#include <gtest/gtest.h>

#include <functional>

using coretest::Kinds;

namespace {

// A node whose compute runs whatever the test hands it, with the node's data block.
struct Probe : MPxNode {
    static MObject in, out;
    static std::function<void(MDataBlock&)> body;
    MStatus compute(const MPlug& plug, MDataBlock& block) override {
        if (plug != out)
            return MS::kUnknownParameter;
        body(block);
        return MS::kSuccess;
    }
    static MStatus initialize() {
        MFnNumericAttribute fn;
        in = fn.create("in", "i", MFnNumericData::kFloat, 1.5);
        out = fn.create("out", "o", MFnNumericData::kInt, 0);
        addAttribute(in);
        addAttribute(out);
        return attributeAffects(in, out);
    }
};
MObject Probe::in, Probe::out;
std::function<void(MDataBlock&)> Probe::body;

// Runs `body` inside a compute of a fresh probe node.
void insideCompute(const std::function<void(MDataBlock&)>& body) {
    static const bool registered = mcore::registerBuiltinNodeType(
        "probe", MTypeId(0x7F2F3), [] { return static_cast<void*>(new Probe()); },
        Probe::initialize, MPxNode::kDependNode, {MFn::kPluginDependNode, MFn::kDependencyNode});
    ASSERT_TRUE(registered);
    MObject node = hostkit::createNode("probe");
    Probe::body = body;
    MPlug(node, Probe::out).asInt();
}

} // namespace

TEST(DataHandles, NativeReferencesWriteThroughAndOtherTypesConvert) {
    coretest::prepareScene();
    insideCompute([](MDataBlock& block) {
        MDataHandle in = block.inputValue(Probe::in);
        EXPECT_TRUE(in.isNumeric());
        EXPECT_EQ(in.numericType(), MFnNumericData::kFloat);
        EXPECT_DOUBLE_EQ(in.asDouble(), 1.5) << "float read as double";
        EXPECT_EQ(in.asInt(), 1) << "converted like a C++ cast";
        EXPECT_TRUE(in.asBool());
        in.asFloat() = 4.0f; // the native type: a reference into the block
        EXPECT_FLOAT_EQ(block.inputValue(Probe::in).asFloat(), 4.0f);
        in.asDouble() = 9.0; // another type: a scratch copy, the value stays
        EXPECT_FLOAT_EQ(block.inputValue(Probe::in).asFloat(), 4.0f);
        in.set(2.5);
        EXPECT_FLOAT_EQ(block.inputValue(Probe::in).asFloat(), 2.5f);
        MStatus status;
        MDataHandle missing = block.inputValue(Kinds::number, &status);
        EXPECT_FALSE(status) << "not an attribute of this node";
        EXPECT_DOUBLE_EQ(missing.asDouble(), 0.0) << "an invalid handle reads zero safely";
        block.setClean(Probe::out);
    });
}

TEST(DataHandles, CompoundsReadAsTuplesAndChildrenAndTypedDataAsObjects) {
    coretest::prepareScene();
    MObject node = hostkit::createNode("kinds", "k");
    MPlug color(node, Kinds::color);
    MDataHandle handle = color.asMDataHandle();
    const float3& rgb = handle.asFloat3();
    EXPECT_FLOAT_EQ(rgb[0], 0.25f);
    EXPECT_FLOAT_EQ(rgb[2], 0.75f);
    handle.set(1.0f, 0.5f, 0.0f);
    EXPECT_FLOAT_EQ(color.child(1).asFloat(), 0.5f);
    EXPECT_FLOAT_EQ(handle.child(color.child(0)).asFloat(), 1.0f);
    EXPECT_EQ(handle.asFloatVector(), MFloatVector(1.0f, 0.5f, 0.0f));
    EXPECT_TRUE(handle.child(Kinds::number).asDouble() == 0.0) << "not a child of colour";

    MDataHandle text = MPlug(node, Kinds::text).asMDataHandle();
    EXPECT_EQ(text.type(), MFnData::kString);
    text.asString() = "written through";
    EXPECT_EQ(MPlug(node, Kinds::text).asString(), "written through");
    MDataHandle points = MPlug(node, Kinds::points).asMDataHandle();
    MPointArray two(2, MPoint(1, 1, 1));
    EXPECT_TRUE(points.set(MFnPointArrayData().create(two)));
    EXPECT_EQ(MFnPointArrayData(points.data()).length(), 2u);
    EXPECT_TRUE(points.asMesh().isNull()) << "point arrays are not meshes";
    EXPECT_EQ(MFnPointArrayData(points.data())[7], MPoint()) << "out of range is safe";

    MDataHandle when = MPlug(node, Kinds::when).asMDataHandle();
    EXPECT_EQ(when.asTime(), MTime(0.5, MTime::kSeconds));
    EXPECT_TRUE(MPlug(node, Kinds::transform).asMDataHandle().asMatrix() == MMatrix::identity);
}

TEST(DataHandles, BuildersNeedTheirAttributeToAllowThem) {
    coretest::prepareScene();
    MObject echo = hostkit::createNode("echo", "e");
    hostkit::setAttr("e.items[2]", 1.0);
    insideCompute([echo](MDataBlock&) {
        // items does not use an array data builder; doubled does.
        MArrayDataHandle items =
            MArrayDataHandle(MPlug(echo, coretest::Echo::items).asMDataHandle());
        MStatus status;
        items.builder(&status);
        EXPECT_FALSE(status);
        EXPECT_EQ(items.elementCount(), 1u);
        EXPECT_FALSE(items.next()) << "one element only";
        EXPECT_FALSE(items.inputValue(&status).isNumeric());
        EXPECT_FALSE(status) << "past the end";
    });
}
