// quillomar-render as a user runs it: scene file in, PNG out, clear errors for bad input.
#include <image_io.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

struct ToolRun {
    int status;
    std::string output;
};

ToolRun runTool(const std::string& arguments) {
    const std::string command = std::string(QUILLOMAR_RENDER) + " " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    ToolRun run{-1, ""};
    if (pipe == nullptr) {
        return run;
    }
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
        run.output += buffer;
    }
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string writeScene(const std::string& name, const std::string& text) {
    const std::string path = ::testing::TempDir() + name;
    std::ofstream(path) << text;
    return path;
}

TEST(RenderTool, RendersTheLibrarysShaderFedByAPattern) {
    const std::string scene = writeScene("pick.scene", R"(# choiceMr picking a ramp
shader ramp uvRamp
set ramp.start 0 0 0 1
set ramp.end 1 0.5 0 1
shader pick choiceMr
array pick.colors 2
set pick.colors[0] 0 0 1 1
connect pick.colors[1] ramp   # evaluated per sample
set pick.selector 1
render pick.outColor
)");
    const std::string png = ::testing::TempDir() + "pick.png";
    const ToolRun run = runTool(scene + " -o " + png + " --size 32x8 --threads 3");
    ASSERT_EQ(run.status, 0) << run.output;
    quillomar::Image image;
    ASSERT_TRUE(quillomar::readPng(png, image));
    ASSERT_EQ(image.width, 32);
    ASSERT_EQ(image.height, 8);
    EXPECT_LT(image.pixel(0, 4)[0], 10);
    EXPECT_GT(image.pixel(31, 4)[0], 240);
    EXPECT_NEAR(image.pixel(31, 4)[1], 124, 4);
    EXPECT_EQ(image.pixel(16, 4)[2], 0);
    EXPECT_EQ(image.pixel(16, 4)[3], 255);
}

// A white ball resting on a white ground plane under a white sky, seen level from (0, 0, 10):
// the horizon runs across the middle of a 320 x 240 image, where 1 % of width is 2.4 pixels.
// Both materials are contourMltShader with their own line colour and width.
const char* const kBallOnGround = R"(shader store contourStore
shader contrast contourContrast
contour store store
contour contrast contrast
shader line contourShader

shader ballShader contourMltShader
set ballShader.color 1 1 1
set ballShader.contourColor 1 0 0
set ballShader.widthMin 5
set ballShader.widthMax 5
shader groundShader contourMltShader
set groundShader.color 1 1 1
set groundShader.contourColor 0 0 1
set groundShader.widthMin 2.5
set groundShader.widthMax 2.5
material ball ballShader line
material ground groundShader line

object sphere sphere 1
object floor plane
instance ball sphere ball
instance ground floor ground
translate ground 0 -1 0
background 1 1 1 1
)";

// Sum of a line's coverage down a column: a line of colour c over white leaves 1 - coverage in
// the channels c lacks.
double widthDown(const quillomar::Image& image, int x, int top, int bottom, int channel) {
    double sum = 0;
    for (int y = top; y < bottom; ++y) {
        sum += 1.0 - image.pixel(x, y)[channel] / 255.0;
    }
    return sum;
}

quillomar::Image renderBallOnGround(const std::string& name, int threads) {
    const std::string scene = writeScene("ball.scene", kBallOnGround);
    const std::string png = ::testing::TempDir() + name;
    const ToolRun run =
        runTool(scene + " -o " + png + " --size 320x240 --threads " + std::to_string(threads));
    EXPECT_EQ(run.status, 0) << run.output;
    quillomar::Image image;
    EXPECT_TRUE(quillomar::readPng(png, image));
    return image;
}

TEST(RenderTool, ContourLinesCarryEachMaterialsColourAndWidth) {
    const quillomar::Image image = renderBallOnGround("ball.png", 2);
    ASSERT_EQ(image.width, 320);
    // Where one sample hits nothing, the contour shader halves the width (fall-off base 1 gives
    // 1 between two surfaces): the horizon, ground against sky, is 0.5 * 2.5 % = 3 pixels wide,
    // blue, centred on the boundary of rows 119 and 120.
    EXPECT_NEAR(widthDown(image, 10, 100, 140, 0), 3.0, 0.05);
    EXPECT_EQ(image.pixel(10, 120)[0], 0);
    EXPECT_EQ(image.pixel(10, 120)[2], 255);
    EXPECT_EQ(image.pixel(10, 110)[0], 255);
    // The ball's outline against the sky, at its top near row 76: red, 0.5 * 5 % = 6 pixels.
    EXPECT_NEAR(widthDown(image, 160, 50, 100, 1), 6.0, 0.1);
    EXPECT_EQ(image.pixel(160, 76)[0], 255);
    EXPECT_EQ(image.pixel(160, 76)[1], 0);
    // Against the ground, near row 164, the ball is in front: red, the full 5 % = 12 pixels.
    EXPECT_NEAR(widthDown(image, 160, 140, 190, 1), 12.0, 0.2);
    EXPECT_EQ(image.pixel(160, 164)[1], 0);
    EXPECT_EQ(image.pixel(160, 164)[0], 255);
    // No lines inside the ball or on open ground.
    EXPECT_EQ(image.pixel(160, 110)[1], 255);
    EXPECT_EQ(image.pixel(40, 200)[1], 255);
}

TEST(RenderTool, ContourRenderIsTheSameFromOneAndFourThreads) {
    const quillomar::Image one = renderBallOnGround("one.png", 1);
    const quillomar::Image four = renderBallOnGround("four.png", 4);
    ASSERT_EQ(one.width, 320);
    EXPECT_TRUE(one.rgba == four.rgba);
}

TEST(RenderTool, ColourContrastComparesWithTheOptionsThresholds) {
    // A checker wall of greys 0.3 and 0.7 facing the camera; the contrast function compares
    // colours, so its lines follow the checker where 0.4 exceeds the options' thresholds.
    const std::string scene = R"(shader store contourStore
shader contrast contourContrast
set contrast.colorContrast 1
contour store store
contour contrast contrast
shader line contourShader
shader tiles uvChecker
set tiles.color1 0.3 0.3 0.3
set tiles.color2 0.7 0.7 0.7
set tiles.repeats 1
shader wallShader contourMltShader
connect wallShader.color tiles
set wallShader.contourColor 1 0 0
set wallShader.widthMin 5
set wallShader.widthMax 5
material wall wallShader line
object board plane
instance wall board wall
rotate wall 90 0 0
translate wall 0.5 0.5 0
)";
    const auto linesOnTheChecker = [&](const char* thresholds) {
        const std::string path =
            writeScene("checker.scene", scene + "option contrast " + thresholds + "\n");
        const std::string png = ::testing::TempDir() + "checker.png";
        const ToolRun run = runTool(path + " -o " + png + " --size 64x64 --threads 2");
        EXPECT_EQ(run.status, 0) << run.output;
        quillomar::Image image;
        EXPECT_TRUE(quillomar::readPng(png, image));
        int red = 0;
        for (int i = 0; i + 3 < static_cast<int>(image.rgba.size()); i += 4) {
            red += image.rgba[i] > 200 && image.rgba[i + 1] < 50;
        }
        return red;
    };
    EXPECT_EQ(linesOnTheChecker("0.5 0.5 0.5"), 0);
    EXPECT_GT(linesOnTheChecker("0.5 0.3 0.5"), 64); // green alone exceeds its threshold
}

TEST(RenderTool, BadInputGetsAClearErrorAndNoImage) {
    const struct {
        std::string scene;
        std::string options;
        std::string expected;
        int status;
    } cases[] = {
        {"shader a nothing\n", "", "bad1.scene:1: shader \"nothing\" is not declared", 1},
        {"shader a uvRamp\nset a.start 1\n", "", "bad2.scene:2: a.start: a color takes", 1},
        {"shader a uvRamp\n", "", "no render statement", 1},
        {"shader a choiceMr\nrender a\n", "", "a is not a color output", 1},
        {"shader a uvRamp\nwobble\n", "", "unknown statement \"wobble\"", 1},
        {"shader a uvRamp\nrender a\n", "--size 10", "bad size \"10\"", 2},
        {"shader a uvRamp\nrender a\n", "--threads 0", "bad thread count", 2},
        {"object o sphere 0\n", "", "bad8.scene:1: a sphere's radius must be positive", 1},
        {"object o plane\nvertex o 0 0 0\n", "", "bad9.scene:2: object \"o\" is not a mesh", 1},
        {"object m mesh\nvertex m 0 0 0\ntriangle m 0 0 1\n", "",
         "bad10.scene:3: \"1\" is not a whole number from 0 to 0", 1},
        {"shader s contourStore\nmaterial m s\n", "",
         "bad11.scene:2: shader instance \"s\" is not a material shader", 1},
        {"object o plane\ninstance i o nothing\n", "", "bad12.scene:2: no material \"nothing\"", 1},
        {"shader s contourStore\ncontour store s\n", "",
         "bad13.scene:2: a contour store needs a contour contrast", 1},
        {"shader a uvRamp\nrender a\nshader m contourMltShader\nmaterial w m\nobject o plane\n"
         "instance i o w\n",
         "", "either a shader output or objects", 1},
        {"option samples 4\n", "", "bad15.scene:1: \"4\" is not a whole number from 0 to 3", 1},
        {"camera fov 180\n", "", "bad16.scene:1: a field of view", 1},
        {"option depth 17\n", "", "bad17.scene:1: \"17\" is not a whole number from 0 to 16", 1},
    };
    int index = 0;
    for (const auto& c : cases) {
        const std::string scene = writeScene("bad" + std::to_string(++index) + ".scene", c.scene);
        const std::string png = ::testing::TempDir() + "bad.png";
        std::remove(png.c_str());
        const ToolRun run = runTool(scene + " -o " + png + " " + c.options);
        EXPECT_EQ(run.status, c.status) << run.output;
        EXPECT_NE(run.output.find(c.expected), std::string::npos) << run.output;
        EXPECT_FALSE(std::ifstream(png).good());
    }
    const ToolRun missing = runTool("/nonexistent/scene -o out.png");
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.output.find("cannot read scene /nonexistent/scene"), std::string::npos);
    EXPECT_EQ(runTool("--help").status, 0);
}

} // namespace
