// Scene files as Maya writes them: the default cameras, units, DAG names that repeat, the
// attribute forms of setAttr and addAttr, references, and how the reader reports what it skips.
#include "scene_fixture.h"

#include <maya/MDagPath.h>
#include <maya/MDoubleArray.h>
#include <maya/MFnAttribute.h>
#include <maya/MFnCamera.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MGlobal.h>
#include <maya/MTime.h>

#include <cmath>
#include <fstream>
#include <sstream>

namespace {

std::string openText(const std::string& path, const std::string& text) {
    std::ofstream(path) << text;
    testing::internal::CaptureStderr();
    EXPECT_TRUE(hostkit::openScene(path));
    const std::string messages = testing::internal::GetCapturedStderr();
    std::remove(path.c_str());
    return messages;
}

double world(const std::string& transform, int axis) {
    return pathTo(hostkit::findNode(transform)).inclusiveMatrix()[3][axis];
}

} // namespace

using MayaScene = SceneTest;

TEST_F(MayaScene, ANewSceneHasMayasFourCamerasAndFilesUpdateThem) {
    const char* names[] = {"persp", "top", "front", "side"};
    const auto cameras = hostkit::cameras();
    ASSERT_EQ(cameras.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(cameras[i].transformName, names[i]);
        EXPECT_EQ(cameras[i].shapeName, std::string(names[i]) + "Shape");
        EXPECT_EQ(MFnCamera(cameras[i].shape).isOrtho(), i > 0) << names[i];
    }
    EXPECT_DOUBLE_EQ(world("persp", 0), 28.0);
    EXPECT_DOUBLE_EQ(world("top", 1), 1000.1);
    EXPECT_DOUBLE_EQ(world("side", 0), 1000.1);
    EXPECT_DOUBLE_EQ(MFnCamera(cameras[0].shape).focalLength(), 35.0);
    EXPECT_DOUBLE_EQ(number("topShape.ow"), 30.0);

    openText(tempPath("cameras.ma"), "createNode transform -s -n \"persp\";\n"
                                     "\tsetAttr \".t\" -type \"double3\" 1 2 3 ;\n"
                                     "createNode camera -s -n \"perspShape\" -p \"persp\";\n"
                                     "\tsetAttr \".fl\" 50;\n"
                                     "\tsetAttr \".coi\" 12;\n");
    EXPECT_EQ(hostkit::cameras().size(), 4u);
    EXPECT_TRUE(node("persp1").isNull());
    EXPECT_DOUBLE_EQ(world("persp", 2), 3.0);
    EXPECT_DOUBLE_EQ(number("perspShape.fl"), 50.0);
    EXPECT_DOUBLE_EQ(number("perspShape.coi"), 12.0);
    // A save writes them as a file that updates them.
    const std::string text = hostkit::sceneText();
    EXPECT_NE(text.find("createNode transform -s -n \"persp\";"), std::string::npos) << text;
    EXPECT_NE(text.find("createNode camera -s -n \"topShape\" -p \"top\";"), std::string::npos);
}

TEST_F(MayaScene, ValuesAreReadInTheFilesUnitsAndWrittenBackInThem) {
    const std::pair<const char*, double> linear[] = {
        {"mm", 0.1},  {"millimeter", 0.1}, {"cm", 1},     {"m", 100},      {"km", 1e5},
        {"in", 2.54}, {"ft", 30.48},       {"yd", 91.44}, {"mi", 160934.4}};
    for (const auto& [unit, centimetres] : linear) {
        openText(tempPath("units.ma"), std::string("currentUnit -l ") + unit + " -a rad;\n" +
                                           "createNode transform -n \"t\";\n"
                                           "\tsetAttr \".t\" -type \"double3\" 2 0 0 ;\n"
                                           "\tsetAttr \".ry\" 1.5707963267948966;\n"
                                           "createNode polySphere -n \"ball\";\n"
                                           "\tsetAttr \".r\" 3;\n\tsetAttr \".sa\" 7;\n");
        EXPECT_NEAR(world("t", 0), 2 * centimetres, 1e-9 * centimetres) << unit;
        EXPECT_NEAR(number("t.ry"), 90.0, 1e-9) << unit; // the host keeps degrees
        EXPECT_NEAR(number("ball.r"), 3 * centimetres, 1e-9 * centimetres) << unit;
        EXPECT_EQ(number("ball.sa"), 7.0) << unit; // counts have no unit
    }
    // getAttr and a save speak the scene's units.
    MDoubleArray values;
    ASSERT_TRUE(MGlobal::executeCommand("getAttr t.tx", values));
    ASSERT_EQ(values.length(), 1u);
    EXPECT_DOUBLE_EQ(values[0], 2.0);
    const std::string text = hostkit::sceneText();
    EXPECT_NE(text.find("currentUnit -l mile -a radian"), std::string::npos) << text;
    EXPECT_NE(text.find("setAttr \".translate\" -type \"double3\" 2 0 0;"), std::string::npos)
        << text;

    const std::pair<const char*, MTime::Unit> times[] = {
        {"film", MTime::kFilm},      {"ntsc", MTime::kNTSCFrame}, {"pal", MTime::kPALFrame},
        {"game", MTime::kGames},     {"show", MTime::kShowScan},  {"ntscf", MTime::kNTSCField},
        {"palf", MTime::kPALField},  {"12fps", MTime::k12FPS},    {"23.976fps", MTime::k23_976FPS},
        {"29.97df", MTime::k29_97DF}};
    for (const auto& [name, unit] : times) {
        openText(tempPath("time.ma"), std::string("currentUnit -t ") + name + ";\n");
        EXPECT_EQ(MTime::uiUnit(), unit) << name;
        EXPECT_NE(hostkit::sceneText().find(std::string("-t ") + name + ";"), std::string::npos)
            << name;
    }
    const std::string messages = openText(tempPath("bad_units.ma"), "currentUnit -l furlong;\n");
    EXPECT_NE(messages.find("unknown linear unit 'furlong'"), std::string::npos) << messages;
}

TEST_F(MayaScene, DagNamesRepeatUnderDifferentParentsAndPathsTellThemApart) {
    const std::string messages =
        openText(tempPath("names.ma"), "createNode transform -n \"group\";\n"
                                       "createNode transform -n \"group1\";\n"
                                       "createNode transform -n \"leg\" -p \"group\";\n"
                                       "createNode transform -n \"foot\" -p \"leg\";\n"
                                       "createNode transform -n \"leg\" -p \"group1\";\n"
                                       "\tsetAttr \".ty\" 4;\n"
                                       "createNode transform -n \"foot\" -p \"|group1|leg\";\n"
                                       "\tsetAttr \".tx\" 2;\n"
                                       "connectAttr \"|group|leg|foot.tx\" \"group1|leg.tz\";\n"
                                       "setAttr \"leg.tx\" 1;\n");
    // Both legs and feet keep their names; nothing is renamed on load.
    EXPECT_EQ(hostkit::nodeName(node("|group|leg|foot")), "foot");
    EXPECT_EQ(hostkit::nodeName(node("|group1|leg|foot")), "foot");
    EXPECT_TRUE(node("leg1").isNull());
    EXPECT_TRUE(node("foot").isNull()); // ambiguous: no single node
    EXPECT_DOUBLE_EQ(world("|group1|leg|foot", 0), 2.0);
    EXPECT_DOUBLE_EQ(world("group1|leg|foot", 1), 4.0);
    // Plug names use the shortest path that is unique.
    const auto connections = hostkit::listConnections();
    ASSERT_EQ(connections.size(), 1u);
    EXPECT_EQ(connections[0].first, "group|leg|foot.translateX");
    EXPECT_EQ(connections[0].second, "group1|leg.translateZ");
    EXPECT_STREQ(pathTo(node("|group1|leg")).partialPathName().asChar(), "group1|leg");
    // A name that fits two nodes is an error naming both.
    EXPECT_NE(messages.find(":10: setAttr: More than one object matches name: leg (|group|leg, "
                            "|group1|leg)"),
              std::string::npos)
        << messages;
    // A path from the top names only nodes under that top node.
    mel("createNode transform -n arm -p group; createNode transform -n hand -p arm");
    EXPECT_TRUE(node("|arm|hand").isNull());
    EXPECT_FALSE(node("|group|arm|hand").isNull());
    // Only the full path tells "|a|b" from "|x|a|b".
    mel("createNode transform -n a; createNode transform -n b -p a; createNode transform -n x;"
        "createNode transform -n a -p x; createNode transform -n b -p \"|x|a\"");
    EXPECT_STREQ(pathTo(node("|a|b")).partialPathName().asChar(), "|a|b");
    EXPECT_STREQ(pathTo(node("|x|a|b")).partialPathName().asChar(), "x|a|b");
    // Moving a node next to one of the same name renames it, as in Maya.
    mel("parent -r \"|group|leg|foot\" \"|group1|leg\"");
    EXPECT_EQ(hostkit::nodeName(node("|group1|leg|foot1")), "foot1");
}

TEST_F(MayaScene, AttributeFormsMayaWritesAreAccepted) {
    const std::string messages = openText(
        tempPath("forms.ma"),
        "createNode transform -n \"ctl\";\n"
        "\taddAttr -dcb 0 -ci true -k true -sn \"w0\" -ln \"blendW0\" -dv 1 -min 0 -at "
        "\"double\";\n"
        "\taddAttr -ci true -sn \"pad\" -ln \"pad\" -at \"compound\" -nc 2;\n"
        "\taddAttr -ci true -sn \"padSize\" -ln \"padSize\" -at \"double3\" -p \"pad\" -nc 3;\n"
        "\taddAttr -ci true -sn \"psx\" -ln \"padSizeX\" -at \"double\" -p \"padSize\";\n"
        "\taddAttr -ci true -sn \"psy\" -ln \"padSizeY\" -at \"double\" -p \"padSize\";\n"
        "\taddAttr -ci true -sn \"psz\" -ln \"padSizeZ\" -at \"double\" -p \"padSize\";\n"
        "\taddAttr -ci true -sn \"pn\" -ln \"padName\" -dt \"string\" -p \"pad\";\n"
        "\tsetAttr -k on \".w0\";\n"
        "\tsetAttr \".pad.padSize\" -type \"double3\" 1 2 3 ;\n"
        "\tsetAttr \".pad.pn\" -type \"string\" \"left\";\n"
        "createNode transform -n \"other\";\n"
        "connectAttr \"ctl.w0\" \"other.tx\";\n");
    EXPECT_EQ(messages, "");
    EXPECT_EQ(number("ctl.blendW0"), 1.0);
    EXPECT_EQ(number("ctl.psy"), 2.0);
    std::string name;
    ASSERT_TRUE(hostkit::getAttrString("ctl.padName", name));
    EXPECT_EQ(name, "left");
    // -dcb 0: the element is deleted when its connection breaks; for a single value that
    // means nothing; the setting itself must be kept.
    MFnAttribute weight(MFnDependencyNode(node("ctl")).attribute("blendW0"));
    EXPECT_EQ(weight.disconnectBehavior(), MFnAttribute::kDelete);
    // A compound without all its children stays off the node.
    mel("addAttr -ln half -at compound -nc 2 ctl; addAttr -ln halfA -at double -p half ctl");
    EXPECT_FALSE(MFnDependencyNode(node("ctl")).hasAttribute("half"));
}

TEST_F(MayaScene, ReferencesAreReportedOnceAndTheRestIsRead) {
    const std::string messages =
        openText(tempPath("refs.ma"),
                 "file -rdi 1 -ns \"rig\" -rfn \"rigRN\" -op \"v=0;\" -typ \"mayaAscii\" "
                 "\"D:/assets/ball.ma\";\n"
                 "file -rdi 1 -ns \"rig1\" -rfn \"rigRN1\" -op \"v=0;\" -typ \"mayaAscii\" "
                 "\"D:/assets/ball.ma\";\n"
                 "file -r -ns \"rig\" -dr 1 -rfn \"rigRN\" -op \"v=0;\" -typ \"mayaAscii\" "
                 "\"D:/assets/ball.ma\";\n"
                 "fileInfo \"application\" \"maya\";\n"
                 "createNode transform -n \"kept\";\n"
                 "\trename -uid \"DE6DC659-4AC7-50BD-2F50-F98894656403\";\n"
                 "lockNode -l 1 ;\n");
    EXPECT_EQ(messages,
              tempPath("refs.ma") +
                  ":1: warning: file references are not loaded: D:/assets/ball.ma (namespace "
                  "rig)\n");
    EXPECT_FALSE(node("kept").isNull());
}

TEST_F(MayaScene, SkippedLinesAreSummarisedByKindOrListedOneByOne) {
    const std::string text = "createNode transform -n \"a\";\n"
                             "\tsetAttr \".nope\" 1;\n"
                             "\tsetAttr \".nada\" 2;\n"
                             "\tsetAttr \".zilch\" 3;\n"
                             "select -ne :renderPartition;\n"
                             "\tsetAttr -s 2 \".st\";\n"
                             "setAttr \"a.tx\" nine;\n";
    const std::string path = tempPath("report.ma");
    const std::string summary = openText(path, text);
    EXPECT_EQ(summary,
              path +
                  ":2: warning: attributes the stand-in's 'transform' nodes do not have are "
                  "skipped (3 lines; --verbose lists them)\n" +
                  path +
                  ":5: warning: lines about nodes of Maya's default scene that the "
                  "stand-in does not have (render settings, shading groups, ...) are "
                  "skipped (2 lines; --verbose lists them)\n" +
                  path + ":7: setAttr: bad value 'nine' for a.translateX\n");
    const auto messages = hostkit::loadMessages();
    ASSERT_EQ(messages.size(), 6u);
    EXPECT_EQ(messages[1].text, "setAttr: warning: skipped: a (transform) has no .nada");
    EXPECT_EQ(messages[1].kind, messages[0].kind);

    hostkit::setLoadReportsEveryLine(true);
    const std::string everyLine = openText(path, text);
    hostkit::setLoadReportsEveryLine(false);
    EXPECT_NE(everyLine.find(":4: setAttr: warning: skipped: a (transform) has no .zilch"),
              std::string::npos)
        << everyLine;
    EXPECT_NE(everyLine.find(":6: setAttr: warning: skipped: :renderPartition is not in"),
              std::string::npos)
        << everyLine;
}

TEST_F(MayaScene, TheTimeAFileWasSavedAtIsTheSceneTime) {
    openText(tempPath("time.ma"), "select -ne :time1;\n\tsetAttr \".o\" 41;\n");
    EXPECT_EQ(hostkit::currentTime(), 41.0);
    mel("currentTime 7");
    EXPECT_EQ(number("time1.o"), 7.0);
}
