// What stands behind the 2019 signatures: strings changed in place, a shape count through an
// argument, addresses kept exactly, and plugs added to a selection without merging by default.
#include "host_types.h"

#include <hostkit/host.h>
#include <maya/MDagPath.h>
#include <maya/MDataHandle.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MGlobal.h>
#include <maya/MPlug.h>
#include <maya/MSelectionList.h>
#include <maya/MString.h>

#include <gtest/gtest.h>

namespace {

MObject gAddress;
int gDefaultTarget = 0;

MStatus initializeAddressHolder() {
    MFnNumericAttribute fn;
    gAddress = fn.createAddr("address", "ad", &gDefaultTarget);
    return MPxNode::addAttribute(gAddress);
}

struct AddressHolder : MPxNode {};

} // namespace

TEST(Signatures, CaseChangesAreMadeInPlaceAndCharactersCountedUnsigned) {
    MString text("Grüße, Maya");
    MString& same = text.toUpperCase();
    EXPECT_EQ(&same, &text);
    EXPECT_STREQ(text.asChar(), "GRüßE, MAYA") << "letters outside ASCII stay as they are";
    EXPECT_STREQ(text.toLowerCase().asChar(), "grüße, maya");
    EXPECT_EQ(text.numChars(), 11u);
    EXPECT_EQ(text.length(), 13u);
}

TEST(Signatures, ShapesDirectlyBelowAreCountedIntoTheArgument) {
    hostkit::resetScene();
    ASSERT_TRUE(MGlobal::executeCommand("createNode transform -n pair; "
                                        "createNode camera -n first -p pair; "
                                        "createNode camera -n second -p pair; "
                                        "createNode transform -n child -p pair"));
    MDagPath path;
    ASSERT_TRUE(MDagPath::getAPathTo(hostkit::findNode("pair"), path));
    unsigned int shapes = 0;
    EXPECT_TRUE(path.numberOfShapesDirectlyBelow(shapes));
    EXPECT_EQ(shapes, 2u) << "transforms below do not count";
    shapes = 7;
    EXPECT_FALSE(MDagPath().numberOfShapesDirectlyBelow(shapes));
    EXPECT_EQ(shapes, 0u);
}

TEST(Signatures, AnAddressAttributeKeepsThePointerItIsGiven) {
    const MObject node =
        apitest::createNode<AddressHolder>("addressHolder", 0x7F3A4, initializeAddressHolder, "a");
    ASSERT_FALSE(node.isNull());
    MPlug plug(node, gAddress);
    MDataHandle handle = plug.asMDataHandle();
    EXPECT_EQ(handle.asAddr(), &gDefaultTarget);
    int other = 0;
    handle.asAddr() = &other;
    ASSERT_TRUE(plug.setValue(handle));
    EXPECT_EQ(plug.asMDataHandle().asAddr(), &other);
    EXPECT_EQ(MDataHandle().asAddr(), nullptr) << "an invalid handle holds no address";
}

TEST(Signatures, APlugIsAddedToASelectionWithoutMergingUnlessAsked) {
    hostkit::resetScene();
    ASSERT_TRUE(MGlobal::executeCommand("createNode transform -n t"));
    const MPlug plug = hostkit::findPlug("t.translateX");
    MSelectionList list;
    ASSERT_TRUE(list.add(plug));
    ASSERT_TRUE(list.add(plug));
    EXPECT_EQ(list.length(), 2u);
    ASSERT_TRUE(list.add(plug, true));
    EXPECT_EQ(list.length(), 2u);
}
