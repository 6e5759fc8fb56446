// MEL commands through MGlobal::executeCommand: values, errors, connections, selection, time.
#include "scene_fixture.h"

#include "scene/paintable.h"

#include <maya/MAnimControl.h>
#include <maya/MDagPath.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MGlobal.h>
#include <maya/MPlugArray.h>
#include <maya/MSelectionList.h>

using MelCommands = SceneTest;

TEST_F(MelCommands, SetAttrAcceptsEveryValueFormAndGetAttrReadsItBack) {
    mel("createNode allKinds -n k;"
        "setAttr k.flag off; setAttr k.cn 7; setAttr \".ro\" 0.25;" // relative to k
        "setAttr k.offset -type double3 1 -2 3.5; setAttr k.ti -type float3 0.5 0.25 1;"
        "setAttr -type \"string\" k.label \"two words\"; setAttr k.md 900; setAttr k.wh 12;"
        "setAttr -s 3 \"k.wt[0:2]\" 0.1 0.2 0.3;"
        "setAttr k.pts -type pointArray 2 1 2 3 1 4 5 6 1;"
        "setAttr k.tf -type matrix 1 0 0 0 0 1 0 0 0 0 1 0 7 8 9 1");
    EXPECT_EQ(number("k.flag"), 0.0);
    EXPECT_EQ(number("k.count"), 7.0);
    EXPECT_EQ(number("k.ratio"), 0.25);
    std::vector<double> v;
    ASSERT_TRUE(hostkit::getAttrValues("k.offset", v));
    EXPECT_EQ(v, (std::vector<double>{1, -2, 3.5}));
    EXPECT_EQ(number("k.mode"), 900.0);
    EXPECT_EQ(number("k.wt[2]"), static_cast<double>(0.3f));
    std::string label;
    ASSERT_TRUE(hostkit::getAttrString("k.label", label));
    EXPECT_EQ(label, "two words");

    MString text;
    ASSERT_TRUE(MGlobal::executeCommand("getAttr k.label", text));
    EXPECT_STREQ(text.asChar(), "two words");
    double when = 0;
    ASSERT_TRUE(MGlobal::executeCommand("getAttr k.when", when));
    EXPECT_EQ(when, 12.0);
    MDoubleArray tint;
    ASSERT_TRUE(MGlobal::executeCommand("getAttr k.tint", tint));
    ASSERT_EQ(tint.length(), 3u);
    EXPECT_EQ(tint[1], 0.25);
}

TEST_F(MelCommands, BadCommandsFailWithAMessageAndChangeNothing) {
    mel("createNode allKinds -n k");
    const char* bad[] = {
        "noSuchCommand 1 2",                        // unknown command
        "setAttr k.count",                          // no value
        "setAttr k.count abc",                      // not a number
        "setAttr k.offset 1 2",                     // too few values
        "setAttr k.count 1 2",                      // too many values
        "setAttr k.label 5",                        // string without -type
        "setAttr k.pts -type pointArray 3 1 2 3 1", // truncated
        "setAttr nobody.count 1",                   // no such node
        "createNode noSuchType",                    // no such type
        "createNode transform -q",                  // unknown flag
        "connectAttr k.count",                      // missing destination
        "setAttr k.count (1 + 2)",                  // expression syntax
        "setAttr k.count \"unterminated",           // broken string
        "addAttr -ln extra -at vector k",           // unsupported type
    };
    for (const char* command : bad) {
        testing::internal::CaptureStderr();
        EXPECT_FALSE(MGlobal::executeCommand(command)) << command;
        EXPECT_NE(testing::internal::GetCapturedStderr().find("Error"), std::string::npos)
            << command;
    }
    EXPECT_EQ(number("k.count"), 3.0);
    // The first failing command stops the rest of a command line.
    EXPECT_FALSE(MGlobal::executeCommand("setAttr k.count 9; bogus; setAttr k.count 10"));
    EXPECT_EQ(number("k.count"), 9.0);
}

TEST_F(MelCommands, AddAttrGivesOneNodeADynamicAttribute) {
    mel("createNode transform -n cam; createNode camera -n camShape -p cam;"
        "addAttr -ln useReticle -sn ur -at long -dv 1 -min 0 -max 1 camShape;"
        "createNode camera -n otherShape");
    EXPECT_EQ(number("camShape.useReticle"), 1.0);
    mel("setAttr camShape.ur 5"); // clamped to the maximum
    EXPECT_EQ(number("camShape.ur"), 1.0);
    EXPECT_TRUE(MFnDependencyNode(node("otherShape")).findPlug("useReticle", true).isNull());
    std::string error;
    EXPECT_FALSE(hostkit::runMel("addAttr -ln useReticle -at long camShape", &error));
    mel("addAttr -ln look -at enum -en \"Plain:Bold=5:Wide\" camShape; setAttr camShape.look 6");
    EXPECT_EQ(number("camShape.look"), 6.0);
}

TEST_F(MelCommands, ConnectionsForceAndNextAvailable) {
    mel("createNode allKinds -n a; createNode allKinds -n b; createNode allKinds -n c;"
        "connectAttr a.count b.count");
    mel("setAttr a.count 42");
    EXPECT_EQ(number("b.count"), 42.0);
    std::string error;
    EXPECT_FALSE(hostkit::runMel("connectAttr c.count b.count", &error));
    mel("connectAttr -f c.count b.count");
    EXPECT_EQ(number("b.count"), 3.0);
    mel("connectAttr -na a.ratio c.wt; connectAttr -na b.ratio c.wt");
    MPlugArray sources;
    ASSERT_TRUE(plug("c.wt[1]").connectedTo(sources, true, false));
    EXPECT_STREQ(sources[0].name().asChar(), "b.ratio");
    mel("disconnectAttr b.ratio c.wt[1]");
    EXPECT_FALSE(plug("c.wt[1]").isConnected());
}

TEST_F(MelCommands, SelectionGivesLeadActiveAndDormant) {
    mel("createNode transform -n t1; createNode marker -n m1 -p t1;"
        "createNode transform -n t2; createNode marker -n m2 -p t2;"
        "createNode transform -n t3; createNode marker -n m3 -p t3;"
        "select -r m1 t2");
    auto status = [](const char* name) {
        return hostkit::displayStatus(pathTo(hostkit::findNode(name)));
    };
    EXPECT_EQ(status("m1"), M3dView::kActive);
    EXPECT_EQ(status("m2"), M3dView::kLead); // selecting the transform selects its shape
    EXPECT_EQ(status("m3"), M3dView::kDormant);
    mel("select -add m3");
    EXPECT_EQ(status("m2"), M3dView::kActive);
    EXPECT_EQ(status("m3"), M3dView::kLead);
    mel("select -d m3");
    EXPECT_EQ(status("m2"), M3dView::kLead);
    MGlobal::selectByName("m1", MGlobal::kReplaceList);
    MSelectionList list;
    MGlobal::getActiveSelectionList(list);
    EXPECT_EQ(list.length(), 1u);
    mel("select -cl");
    EXPECT_EQ(status("m1"), M3dView::kDormant);
    std::string error;
    EXPECT_FALSE(hostkit::runMel("select -r nobody", &error));
    mel("createNode transform -n t4");
    EXPECT_EQ(hostkit::displayStatus(pathTo(node("t4"))), M3dView::kLead);
}

TEST_F(MelCommands, TimeFollowsTheCurrentTimeAndRangesAreKept) {
    EXPECT_EQ(MAnimControl::currentTime().value(), 1.0);
    EXPECT_EQ(MAnimControl::currentTime().unit(), MTime::kFilm);
    mel("createNode allKinds -n k; connectAttr time1.o k.when; currentTime 17");
    EXPECT_EQ(MAnimControl::currentTime().value(), 17.0);
    EXPECT_EQ(number("time1.outTime"), 17.0);
    EXPECT_EQ(number("k.when"), 17.0);
    MAnimControl::setCurrentTime(MTime(0.5, MTime::kSeconds));
    EXPECT_DOUBLE_EQ(number("k.when"), 12.0);

    EXPECT_EQ(MAnimControl::minTime().value(), 1.0);
    EXPECT_EQ(MAnimControl::maxTime().value(), 120.0);
    mel("playbackOptions -min 10 -max 48 -ast 5 -aet 50");
    EXPECT_EQ(MAnimControl::minTime().value(), 10.0);
    EXPECT_EQ(MAnimControl::maxTime().value(), 48.0);
    EXPECT_EQ(MAnimControl::animationStartTime().value(), 5.0);
    EXPECT_EQ(MAnimControl::animationEndTime().value(), 50.0);
    std::string error;
    EXPECT_FALSE(hostkit::runMel("playbackOptions -min 60", &error)); // after the end
    hostkit::resetScene();
    EXPECT_EQ(MAnimControl::currentTime().value(), 1.0);
    EXPECT_EQ(MAnimControl::maxTime().value(), 120.0);
    EXPECT_FALSE(node("time1").isNull());
}

TEST_F(MelCommands, MakePaintableIsRecorded) {
    mel("makePaintable -attrType multiFloat -sm deformer someDeformer weights");
    bool found = false;
    for (const auto& p : scene::paintableAttributes())
        found |= p.nodeType == "someDeformer" && p.attribute == "weights" &&
                 p.attrType == "multiFloat" && p.shapeMode == "deformer";
    EXPECT_TRUE(found);
}
