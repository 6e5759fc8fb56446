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
