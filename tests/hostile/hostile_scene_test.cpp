// Scene files nobody should write, read by the Maya stand-in: every bad line is reported with
// what is wrong and skipped, the rest of the scene is kept, and nothing crashes, hangs or takes
// memory out of proportion to the file.
#include "hostile_files.h"

#include <hostkit/host.h>
#include <hostkit/scene.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

class HostileScene : public ::testing::Test {
protected:
    void SetUp() override { hostkit::resetScene(); }

    // Opens the text as a scene file; the load must succeed.
    static void open(const std::string& text) {
        std::string error;
        ASSERT_TRUE(hostkit::openScene(hostile::writeFile("scene.ma", text), &error)) << error;
    }
    // The message reported for a line, empty when there is none.
    static std::string messageAt(int line) {
        for (const hostkit::LoadMessage& message : hostkit::loadMessages())
            if (message.line == line)
                return message.text;
        return "";
    }
    static bool exists(const std::string& node) { return !hostkit::findNode(node).isNull(); }
};

// A one-face mesh "boxShape" under a transform "box", itself under `parent` if one is named.
std::string mesh(const std::string& parent = "") {
    return "createNode transform -n \"box\"" + (parent.empty() ? "" : " -p \"" + parent + "\"") +
           ";\ncreateNode mesh -n \"boxShape\" -p \"box\";\n"
           "\tsetAttr \".i\" -type \"mesh\" 4 0 0 0 1 0 0 1 1 0 0 1 0  1 4  4 0 1 2 3  0 0 ;\n";
}

TEST_F(HostileScene, GarbageTruncationAndNonNumbersCostOnlyTheirOwnLines) {
    open(std::string("createNode transform -n \"before\";\n") +
         std::string("\x01\x02\xff\xfe\x00garbage\x7f;\n", 15) + // 2: binary garbage
         "setAttr \"before.tx\" nan;\n" +                        // 3: not a number
         "setAttr \"before.ty\" -inf;\n" +                       // 4
         "setAttr \"before.t\" -type \"double3\" 1 2;\n"         // 5: a value short
         "createNode transform -n \"after\";\n" +                // 6
         "createNode transform -n \"cut);\n"                     // 7: truncated string
         "createNode transform -n \"last\"");                    // 8: no ';' at the end of the file
    EXPECT_TRUE(exists("before"));
    EXPECT_TRUE(exists("after"));
    EXPECT_TRUE(exists("last"));
    EXPECT_NE(messageAt(5), "");
    EXPECT_NE(messageAt(7).find("unterminated string"), std::string::npos) << messageAt(7);
    double value = 0;
    ASSERT_TRUE(hostkit::getAttr("before.tz", value));
    EXPECT_EQ(value, 0.0);
}

TEST_F(HostileScene, IndicesBeyondMayasAreReportedWithTheRange) {
    open(mesh() + "setAttr \"boxShape.vt[18446744073709551616]\" -type \"float3\" 1 2 3;\n" // 4
                  "setAttr \"boxShape.vt[4294967296]\" -type \"float3\" 1 2 3;\n"           // 5
                  "setAttr \"boxShape.vt[-1]\" -type \"float3\" 1 2 3;\n"                   // 6
                  "setAttr \"boxShape.vt[4294967295]\" -type \"float3\" 1 2 3;\n"           // 7
                  "createNode transform -n \"after\";\n");
    for (int line : {4, 5, 6})
        EXPECT_NE(messageAt(line).find("is not a logical index (0 to 4294967295)"),
                  std::string::npos)
            << line << ": " << messageAt(line);
    EXPECT_EQ(messageAt(7), "");
    EXPECT_TRUE(exists("after"));

    MStatus status;
    EXPECT_TRUE(hostkit::findPlug("boxShape.vt[99999999999999999999999]", &status).isNull());
    EXPECT_FALSE(status);
    EXPECT_FALSE(hostkit::setAttrValues("boxShape.vt[9223372036854775808]", {1, 2, 3}));
}

TEST_F(HostileScene, ARangeLongerThanItsValuesIsRefusedBeforeItsPlugsAreMade) {
    open(mesh() + "setAttr \"boxShape.vt[0:2147483647]\" 1 2 3;\n" +
         "setAttr \"boxShape.vt[0:2147483647]\" -type \"float3\" 1 2 3;\n" +
         "setAttr \"boxShape.vt[4:5]\" 1 2 3 4 5 6;\n");
    EXPECT_NE(messageAt(4).find("needs 6442450944 value(s), got 3"), std::string::npos)
        << messageAt(4);
    EXPECT_NE(messageAt(5).find("needs"), std::string::npos) << messageAt(5);
    EXPECT_EQ(messageAt(6), "");
}

TEST_F(HostileScene, CurvesOfAbsurdDegreeAreRefused) {
    open("createNode transform -n \"c\";\n"
         "createNode nurbsCurve -n \"cShape\" -p \"c\";\n"
         "setAttr \".cc\" -type \"nurbsCurve\" -2147483648 1 0 no 3 2 0 1 2 0 0 0 1 1 1;\n"
         "setAttr \".cc\" -type \"nurbsCurve\" 2147483647 1 0 no 3 2 0 1 2 0 0 0 1 1 1;\n"
         "setAttr \".cc\" -type \"nurbsCurve\" 1 1 0 no 3 2 0 1 2 0 0 0 1 1 1;\n");
    EXPECT_NE(messageAt(3).find("curve degree must be 1 to"), std::string::npos) << messageAt(3);
    EXPECT_NE(messageAt(4).find("curve degree must be 1 to"), std::string::npos) << messageAt(4);
    EXPECT_EQ(messageAt(5), "");
}

TEST_F(HostileScene, DeepHierarchiesArePlacedWithoutExhaustingTheStack) {
    const int depth = 10000;
    std::string text = "createNode transform -n \"n0\";\n\tsetAttr \".tx\" 0.5;\n";
    for (int i = 1; i < depth; ++i)
        text += "createNode transform -n \"n" + std::to_string(i) + "\" -p \"n" +
                std::to_string(i - 1) + "\";\n\tsetAttr \".tx\" 0.5;\n";
    text += mesh("n" + std::to_string(depth - 1));
    open(text);
    const std::vector<hostkit::MeshInfo> meshes = hostkit::meshes();
    ASSERT_EQ(meshes.size(), 1u);
    EXPECT_DOUBLE_EQ(meshes[0].world[3][0], 0.5 * depth);
}

// Evaluations nest on the stack, one level per connection: a chain within the host's depth
// carries its value through, a deeper one reads the stored value where the depth runs out.
TEST_F(HostileScene, ConnectionChainsDeeperThanTheEvaluationDepthGiveTheStoredValue) {
    const int within = 1000, beyond = 5000;
    std::string text;
    for (int i = 0; i < beyond; ++i) {
        text += "createNode transform -n \"n" + std::to_string(i) + "\";\n";
        if (i > 0)
            text += "connectAttr \"n" + std::to_string(i - 1) + ".tx\" \"n" + std::to_string(i) +
                    ".tx\";\n";
    }
    text += "setAttr \"n0.tx\" 0.5;\n";
    open(text);
    double value = 0;
    ASSERT_TRUE(hostkit::getAttr("n" + std::to_string(within) + ".tx", value));
    EXPECT_EQ(value, 0.5);
    ASSERT_TRUE(hostkit::getAttr("n" + std::to_string(beyond - 1) + ".tx", value));
    EXPECT_EQ(value, 0.0);
}

TEST_F(HostileScene, ConnectionCyclesNeitherHangNorRecurse) {
    open("createNode transform -n \"a\";\ncreateNode transform -n \"b\";\n"
         "connectAttr \"a.tx\" \"b.tx\";\nconnectAttr \"b.tx\" \"a.tx\";\n"
         "connectAttr \"a.ty\" \"a.ty\";\n");
    double value = 0;
    EXPECT_TRUE(hostkit::getAttr("a.tx", value));
    EXPECT_TRUE(hostkit::getAttr("b.tx", value));
    hostkit::getAttr("a.ty", value);
    hostkit::meshes();
}

TEST_F(HostileScene, VeryLongLinesAreRead) {
    std::string name(1 << 20, 'n');
    std::string text = "createNode transform -n \"" + name + "\";\n" + mesh();
    text += "setAttr -s 200000 \"boxShape.vt[0:199999]\"";
    for (int i = 0; i < 600000; ++i)
        text += " 0.25";
    text += ";\n";
    open(text);
    EXPECT_TRUE(exists(name));
    double value = 0;
    ASSERT_TRUE(hostkit::getAttr("boxShape.vt[199999].vrtx", value));
    EXPECT_EQ(value, 0.25);
}

TEST_F(HostileScene, MissingFilesAndFoldersAreNotScenes) {
    std::string error;
    EXPECT_FALSE(hostkit::openScene(hostile::tempPath("nothing.ma"), &error));
    EXPECT_NE(error.find("cannot read scene file"), std::string::npos);
    const std::string folder = hostile::tempPath("folder.ma");
    std::filesystem::create_directories(folder);
    EXPECT_FALSE(hostkit::openScene(folder, &error));
    EXPECT_NE(error.find("cannot read scene file " + folder), std::string::npos);
}

TEST_F(HostileScene, ASaveThatCannotBeCompletedKeepsTheOldFileAndSaysWhy) {
    const std::string path = hostile::writeFile("saved.ma", "the old scene");
    open(mesh());
    std::string error;
    {
        hostile::FileSizeLimit limit(16);
        EXPECT_FALSE(hostkit::saveScene(path, &error));
    }
    EXPECT_EQ(hostile::readFile(path), "the old scene");
    EXPECT_FALSE(hostkit::saveScene(hostile::tempPath("none/saved.ma"), &error));
    EXPECT_TRUE(hostkit::saveScene(path, &error)) << error;
    EXPECT_NE(hostile::readFile(path).find("boxShape"), std::string::npos);
}

} // namespace
