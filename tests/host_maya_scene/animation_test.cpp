// Keyed animation: curves evaluated at the current time, keys from MEL and from scene files.
#include "scene_fixture.h"

#include "scene/builtin_anim_curve.h"

#include <maya/MAnimControl.h>
#include <maya/MDagPath.h>
#include <maya/MPoint.h>

#include <fstream>

TEST(AnimationKeys, LinearBetweenKeysAndHeldOutside) {
    using scene::evaluateKeys;
    const std::vector<std::pair<double, double>> keys = {{10, 5}, {0, 1}, {20, -5}};
    EXPECT_EQ(evaluateKeys(keys, -3), 1.0);
    EXPECT_EQ(evaluateKeys(keys, 5), 3.0);
    EXPECT_EQ(evaluateKeys(keys, 15), 0.0);
    EXPECT_EQ(evaluateKeys(keys, 99), -5.0);
    EXPECT_EQ(evaluateKeys({}, 4), 0.0);
    EXPECT_EQ(evaluateKeys({{3, 1}, {3, 2}}, 3), 1.0); // a jump: the earlier key up to it
}

using Animation = SceneTest;

TEST_F(Animation, SetKeyframeDrivesChannelsAsTimeMoves) {
    mel("createNode transform -n box;"
        "setKeyframe -t 1 -v 0 -at tx -at ry box; setKeyframe -t 25 -v 12 -at tx box;"
        "setKeyframe -t 25 -v 90 -at ry box");
    EXPECT_FALSE(node("box_translateX").isNull());
    EXPECT_FALSE(node("box_rotateY").isNull());
    mel("currentTime 13");
    EXPECT_DOUBLE_EQ(number("box.tx"), 6.0);
    EXPECT_DOUBLE_EQ(number("box.ry"), 45.0);
    MAnimControl::setCurrentTime(MTime(40.0));
    MPoint origin = MPoint() * pathTo(node("box")).inclusiveMatrix();
    EXPECT_NEAR(origin.x, 12.0, 1e-9);
    // Keying an existing time replaces that key.
    mel("setKeyframe -t 25 -v 2 -at tx box");
    EXPECT_DOUBLE_EQ(number("box.tx"), 2.0);
    std::string error;
    EXPECT_FALSE(hostkit::runMel("setKeyframe -t 1 box", &error));
    mel("createNode transform -n other; connectAttr other.tx box.tz");
    EXPECT_FALSE(hostkit::runMel("setKeyframe -at tz box", &error)); // fed by a non-curve
}

TEST_F(Animation, CurvesFromAFileSurviveASave) {
    const std::string path = tempPath("animated.ma");
    std::ofstream(path) << "createNode transform -n ball;\n"
                           "createNode animCurveTL -n ball_translateY;\n"
                           "\tsetAttr \".tan\" 18;\n\tsetAttr \".wgt\" no;\n"
                           "\tsetAttr -s 3 \".ktv[0:2]\"  1 0 12 6 24 0;\n"
                           "connectAttr \"ball_translateY.o\" \"ball.ty\";\n";
    ASSERT_TRUE(hostkit::openScene(path));
    mel("currentTime 12");
    EXPECT_DOUBLE_EQ(number("ball.ty"), 6.0);
    ASSERT_TRUE(hostkit::saveScene(path));
    hostkit::resetScene();
    ASSERT_TRUE(hostkit::openScene(path));
    mel("currentTime 18");
    EXPECT_DOUBLE_EQ(number("ball.ty"), 3.0);
    std::remove(path.c_str());
}
