// A sign survives a save and a reload of the scene with every value it was given.
#include "sign_fixture.h"

#include <maya/MFileIO.h>
#include <maya/MString.h>

#include <cstdio>
#include <fstream>
#include <sstream>

using SignScene = SignSceneTest;

TEST_F(SignScene, SavedAndReloadedSignKeepsEveryAttribute) {
    const std::string sign = createSign("marker");
    const std::vector<std::pair<std::string, std::vector<double>>> values = {
        {"localRotate", {10, 20, 30}},    {"type", {61}},           {"enableTailLine", {1}},
        {"tailLineVector", {1, 2, 3}},    {"radius", {2.5}},        {"width", {4}},
        {"color", {0.25, 0.5, 0.75}},     {"alpha", {0.5}},         {"textPosition", {4, 5, 6}},
        {"textColor", {0.75, 0.5, 0.25}}, {"textAlpha", {0.125}},   {"enableTextLine", {0}},
        {"localPosition", {-1, -2, -3}},  {"localScale", {3, 2, 1}}};
    for (const auto& [name, value] : values)
        set(sign + "." + name, value);
    ASSERT_TRUE(hostkit::setAttrString(sign + ".text", "north \"gate\""));

    const std::string path = testing::TempDir() + "sign_scene_test.ma";
    ASSERT_TRUE(MFileIO::saveAs(MString(path.c_str()), nullptr, true));
    hostkit::resetScene();
    ASSERT_TRUE(hostkit::findNode(sign).isNull());
    ASSERT_TRUE(MFileIO::open(MString(path.c_str()), nullptr, true));

    for (const auto& [name, expected] : values) {
        std::vector<double> actual;
        ASSERT_TRUE(hostkit::getAttrValues(sign + "." + name, actual)) << name;
        ASSERT_EQ(actual.size(), expected.size()) << name;
        for (std::size_t i = 0; i < actual.size(); ++i)
            EXPECT_NEAR(actual[i], expected[i], 1e-6) << name;
    }
    std::string text;
    ASSERT_TRUE(hostkit::getAttrString(sign + ".text", text));
    EXPECT_EQ(text, "north \"gate\"");

    // The type is kept as its stored value (61, "Ellipse"), not as a position in the field list.
    std::ifstream file(path);
    std::stringstream saved;
    saved << file.rdbuf();
    EXPECT_NE(saved.str().find(" 61"), std::string::npos);
    EXPECT_EQ(saved.str().find("Ellipse"), std::string::npos);
    std::remove(path.c_str());
}
