// The plug-in's nodes given values outside everything they offer, as a scene file or a user can
// set them: enumerations outside their lists, NaN, infinite, zero and negative sizes, overlong
// texts and formats that do not match their values, and meshes whose topology changes under the
// deformer. Each draws or deforms with a defined result, never reading outside what it owns.
#include <hostkit/host.h>
#include <hostkit/scene.h>
#include <hostkit/viewport.h>

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <string>
#include <vector>

namespace {

class HostilePlugin : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (hostkit::isPluginLoaded("quillomarPlugins")) // a repeated run (--gtest_repeat)
            return;
        std::string error;
        ASSERT_TRUE(hostkit::loadPlugin(QUILLOMAR_PLUGIN_PATH, &error)) << error;
    }
    void SetUp() override { hostkit::resetScene(); }
    static void mel(const std::string& commands) {
        std::string error;
        ASSERT_TRUE(hostkit::runMel(commands, &error)) << commands << ": " << error;
    }
};

std::string cube(const std::string& name) {
    return "createNode transform -n \"" + name + "\";\ncreateNode mesh -n \"" + name +
           "Shape\" -p \"" + name +
           "\";\nsetAttr \".i\" -type \"mesh\" 8 -1 -1 1  1 -1 1  -1 1 1  1 1 1  -1 1 -1  1 1 -1"
           "  -1 -1 -1  1 -1 -1  6 4 4 4 4 4 4  24 0 1 3 2  2 3 5 4  4 5 7 6  6 7 1 0  1 7 5 3"
           "  6 0 2 4  0 0;\n";
}

TEST_F(HostilePlugin, SignsOfUnknownTypesAndWildSizesDrawOnlyWhatTheyHave) {
    int n = 0;
    for (const char* type : {"5", "-1", "2147483647", "-2147483648", "998", "1000"}) {
        const std::string sign = "s" + std::to_string(++n);
        mel("createNode transform -n \"" + sign + "\";\ncreateNode sign -n \"" + sign +
            "Shape\" -p \"" + sign + "\";\nsetAttr \".typ\" " + type + ";\n");
    }
    mel("setAttr s1Shape.radius nan; setAttr s3Shape.radius 1e30;"
        "setAttr s4Shape.width -5; setAttr s5Shape.width 2147483647;"
        "setAttr s6Shape.enableTailLine 1; setAttr s6Shape.localScaleX nan;");
    ASSERT_TRUE(hostkit::setAttr("s2Shape.radius", -std::numeric_limits<double>::infinity()));
    hostkit::Viewport viewport("persp", 80, 60);
    viewport.draw();
    EXPECT_EQ(viewport.locatorDraws().size(), 6u);
    viewport.capture();
}

TEST_F(HostilePlugin, ReticleSettingsOutsideTheirListsAndRangesDrawNothingOutOfPlace) {
    mel("createNode transform -n \"overlay\";\ncreateNode reticle -n \"overlayShape\" -p "
        "\"overlay\";\n");
    const char* ratios[] = {"0", "-1", "nan", "inf", "1e30", "1.85"};
    for (int i = 0; i < 6; ++i) {
        const std::string element = "overlayShape.aspectRatios[" + std::to_string(i) + "]";
        mel("setAttr " + element + ".aspectRatio " + ratios[i] + "; setAttr " + element +
            ".displayMode " + std::to_string(i * 40 - 60) + ";");
    }
    const struct {
        int type, size, align, posRel, level, arLevel;
        const char* format;
    } texts[] = {{99, 0, 0, 0, 0, 0, ""},
                 {-1, 1, 1, 1, 1, 0, "x"},
                 {4, 2, 2, 2, 0, 0, "%n%s%*d%.300f"},
                 {3, 99, -4, 12, 2, 2147483647, "%04.0f"},
                 {12, 0, 0, 0, 2, -2147483647 - 1, "%Ez %"},
                 {1, 0, 0, 0, 2, 5, "%1.2f %f %f %f"}};
    for (int i = 0; i < 6; ++i) {
        const std::string element = "overlayShape.text[" + std::to_string(i) + "]";
        mel("setAttr " + element + ".textType " + std::to_string(texts[i].type) + "; setAttr " +
            element + ".textSize " + std::to_string(texts[i].size) + "; setAttr " + element +
            ".textAlign " + std::to_string(texts[i].align) + "; setAttr " + element +
            ".textPosRel " + std::to_string(texts[i].posRel) + "; setAttr " + element +
            ".textLevel " + std::to_string(texts[i].level) + "; setAttr " + element +
            ".textARLevel " + std::to_string(texts[i].arLevel) + ";");
        ASSERT_TRUE(hostkit::setAttrString(element + ".textStr", texts[i].format));
    }
    ASSERT_TRUE(hostkit::setAttrString("overlayShape.text[6].textStr", std::string(20000, 'w')));
    mel("setAttr overlayShape.horizontalFilmAperture 0; setAttr overlayShape.verticalFilmAperture "
        "-2; setAttr perspShape.focalLength nan;");
    hostkit::Viewport viewport("persp", 64, 48);
    viewport.draw();
    EXPECT_EQ(viewport.locatorDraws().size(), 1u);
    viewport.capture();
    mel("setAttr overlayShape.horizontalFilmAperture nan; setAttr perspShape.focalLength 1e30;");
    viewport.draw();
}

// The points of the mesh the viewport draws (the deformed one).
std::vector<std::array<double, 3>> drawnPoints() {
    for (const hostkit::MeshInfo& mesh : hostkit::meshes())
        if (mesh.visible)
            return mesh.points;
    ADD_FAILURE() << "no mesh is drawn";
    return {};
}

TEST_F(HostilePlugin, TheDeformerFollowsMeshesWhoseTopologyChangesUnderIt) {
    mel(cube("ball") + "deformer -type obakeDeformer -n \"trail\" ballShape;\n"
                       "setKeyframe -t 1 -v 0 -at translateX ball;\n"
                       "setKeyframe -t 9 -v 8 -at translateX ball;\n");
    for (double frame : {1.0, 2.0, 3.0}) {
        hostkit::setTime(frame);
        ASSERT_EQ(drawnPoints().size(), 8u);
    }
    // Fewer vertices, then more, under the deformer.
    mel("setAttr ballShapeOrig.i -type \"mesh\" 3 0 0 0 1 0 0 0 1 0  1 3  3 0 1 2  0 0;");
    hostkit::setTime(4);
    EXPECT_EQ(drawnPoints().size(), 3u);
    mel(std::string("setAttr ballShapeOrig.i -type \"mesh\" 5 0 0 0 1 0 0 1 1 0 0 1 0 0.5 2 0"
                    "  2 4 3  7 0 1 2 3  0 3 4  0 0;"));
    hostkit::setTime(5);
    EXPECT_EQ(drawnPoints().size(), 5u);
    mel("setAttr trail.envelope nan; setAttr trail.weightList[0].weights[2] 1e30;");
    hostkit::setTime(6);
    EXPECT_EQ(drawnPoints().size(), 5u);
    hostkit::setTime(2);
    EXPECT_EQ(drawnPoints().size(), 5u);
}

} // namespace
