// quillomar-view run as a user runs it.
#include "fixture_scene.h"

#include <image_io.h>
#include <tool_run.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>

namespace {

using testsupport::ToolRun;

ToolRun runView(const std::string& args) {
    return testsupport::runCommand(std::string(QUILLOMAR_VIEW_TOOL) + " " + args);
}

std::string sceneFile() {
    return viewtest::writeTempFile("cli_scene.ma", viewtest::kFixtureSceneText);
}

const std::string kPlugin = std::string("--plugin ") + QUILLOMAR_FIXTURE_PLUGIN;

bool fileExists(const std::string& path) {
    return std::ifstream(path).good();
}

} // namespace

TEST(QuillomarView, HelpDescribesTheCommandLine) {
    const ToolRun run = runView("--help");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.output.find("usage: quillomar-view SCENE.ma"), std::string::npos);
    for (const char* option :
         {"--plugin", "--camera", "--size", "--frames", "--contact-sheet", "--style", "--stats",
          "--verbose", "--viewport", "-o, --output", "Exit codes"})
        EXPECT_NE(run.output.find(option), std::string::npos) << option;
    // Each option but --help has an example.
    EXPECT_EQ(testsupport::occurrences(run.output, "e.g.", "Options:", "Examples:"), 10u)
        << run.output;
}

// The fixture's marker line, seen through shotCam, crosses the middle of a 200x200 image.
int redAtTheMarker(const std::string& scene, const std::string& options) {
    const std::string out = viewtest::tempPath("cli_view.png");
    std::remove(out.c_str());
    const ToolRun run =
        runView(scene + " " + kPlugin + " --size 200x200 " + options + " -o " + out);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    quillomar::Image image;
    EXPECT_TRUE(quillomar::readPng(out, image));
    EXPECT_EQ(image.width, 200);
    EXPECT_EQ(image.height, 200);
    int red = 0;
    for (int y = 97; y <= 102 && image.width == 200; ++y)
        red += image.pixel(125, y)[0] > 200 && image.pixel(125, y)[1] < 60;
    return red;
}

TEST(QuillomarView, DrawsThroughPerspUnlessToldOtherwise) {
    EXPECT_GE(redAtTheMarker(sceneFile(), "--camera shotCam"), 2);
    // The scene's own persp is Maya's default one, which looks at the origin from afar.
    EXPECT_EQ(redAtTheMarker(sceneFile(), ""), 0);
    // A file that redefines persp (createNode -s) moves the default camera itself.
    const std::string persp = viewtest::writeTempFile(
        "cli_persp.ma", std::string(viewtest::kFixtureSceneText) +
                            "createNode transform -s -n \"persp\";\n"
                            "\tsetAttr \".t\" -type \"double3\" 0 0 0 ;\n"
                            "\tsetAttr \".r\" -type \"double3\" 0 0 0 ;\n"
                            "createNode camera -s -n \"perspShape\" -p \"persp\";\n"
                            "\tsetAttr \".fl\" 12.7;\n\tsetAttr \".hfa\" 1;\n"
                            "\tsetAttr \".vfa\" 1;\n\tsetAttr \".ff\" 1;\n");
    EXPECT_GE(redAtTheMarker(persp, ""), 2);
}

TEST(QuillomarView, StatsShowWhatIsDrawnAndWhyNotAndVerboseListsEveryLoadLine) {
    const std::string scene = viewtest::writeTempFile(
        "cli_stats.ma", std::string(viewtest::kFixtureSceneText) +
                            "createNode transform -n \"box\";\n"
                            "createNode mesh -n \"boxShape\" -p \"box\";\n"
                            "createNode polyCube -n \"cube\";\n"
                            "connectAttr \"cube.out\" \"boxShape.i\";\n"
                            "createNode transform -n \"lid\";\n"
                            "createNode mesh -n \"lidShape\" -p \"lid\";\n"
                            "createNode polyBevel3 -n \"bevel\";\n"
                            "\tsetAttr \".f\" 0.5;\n"
                            "connectAttr \"cube.out\" \"bevel.ip\";\n"
                            "connectAttr \"bevel.out\" \"lidShape.i\";\n"
                            "createNode transform -n \"off\";\n\tsetAttr \".v\" no;\n"
                            "createNode mesh -n \"offShape\" -p \"off\";\n"
                            "connectAttr \"cube.out\" \"offShape.i\";\n"
                            "createNode transform -n \"odd\";\n"
                            "\tsetAttr \".nothing\" 1;\n\tsetAttr \".none\" 2;\n");
    const std::string out = viewtest::tempPath("cli_stats.%d.png");
    const ToolRun run = runView(scene + " " + kPlugin + " --camera shotCam --size 40x30 " +
                                "--frames 2:3 --stats -o " + out);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    for (const char* frame : {"2", "3"})
        viewtest::tempPath(std::string("cli_stats.") + frame + ".png"); // removed at exit
    for (const char* line :
         {"frame 2, camera shotCam\n", "frame 3, camera shotCam\n",
          "  meshes drawn: 1 (8 vertices, 6 faces)\n    |box|boxShape: 8 vertices, 6 faces\n",
          "  meshes not drawn: 2\n",
          "    |lid|lidShape: history through unknown node type 'polyBevel3'\n",
          "    |off|offShape: hidden\n", "  locators drawn: 1\n", "  load messages: 3\n",
          "    2 x warning: attributes the stand-in's 'transform' nodes do not have are skipped\n"})
        EXPECT_NE(run.output.find(line), std::string::npos) << line << "\n" << run.output;
    // Loading reports one line per kind with its count, or every line with --verbose.
    EXPECT_NE(run.output.find("do not have are skipped (2 lines; --verbose lists them)"),
              std::string::npos)
        << run.output;
    const ToolRun verbose = runView(scene + " " + kPlugin + " --size 40x30 --verbose -o " +
                                    viewtest::tempPath("cli_verbose.png"));
    EXPECT_NE(verbose.output.find(":28: setAttr: warning: skipped: odd (transform) has no "
                                  ".nothing\n"),
              std::string::npos)
        << verbose.output;
    EXPECT_NE(verbose.output.find(":29: setAttr: warning: skipped: odd (transform) has no "
                                  ".none\n"),
              std::string::npos)
        << verbose.output;
    EXPECT_EQ(verbose.output.find("frame "), std::string::npos); // stats only when asked
}

TEST(QuillomarView, DrawsThroughViewport2UnlessTheLegacyViewportIsAsked) {
    // The fixture's line under a locator that only has a legacy draw.
    const std::string scene = viewtest::writeTempFile(
        "cli_legacy_only.ma", std::string(viewtest::kFixtureSceneText) +
                                  "createNode fixtureLegacyLine -n \"oldShape\" -p \"marker\";\n"
                                  "\tsetAttr \".length\" 5;\nsetAttr \"markerShape.v\" 0;\n");
    const std::string out = viewtest::tempPath("cli_viewport.png");
    auto redAlongTheLine = [&](const std::string& viewport) {
        const ToolRun run = runView(scene + " " + kPlugin + viewport +
                                    " --camera shotCam --size 200x200 -o " + out);
        EXPECT_EQ(run.exitCode, 0) << run.output;
        quillomar::Image image;
        EXPECT_TRUE(quillomar::readPng(out, image));
        return image.width == 200 && image.pixel(125, 99)[0] > 200 && image.pixel(125, 99)[1] < 60;
    };
    EXPECT_FALSE(redAlongTheLine(""));
    EXPECT_FALSE(redAlongTheLine(" --viewport vp2"));
    EXPECT_TRUE(redAlongTheLine(" --viewport legacy"));
    const ToolRun bad = runView(scene + " --viewport dx11 -o " + out);
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_NE(bad.output.find("bad viewport \"dx11\""), std::string::npos) << bad.output;
}

TEST(QuillomarView, FramesGoToNumberedFiles) {
    const std::string pattern = viewtest::tempPath("cli_frame.%04d.png");
    for (const char* frame : {"0003", "0004", "0005"})
        viewtest::tempPath(std::string("cli_frame.") + frame + ".png"); // removed at exit
    const ToolRun run = runView(sceneFile() + " " + kPlugin +
                                " --camera shotCam --size 32x24 --frames 3:4 -o " + pattern);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    // A line per frame; no bar, as the output is not a terminal.
    EXPECT_NE(run.output.find("frame 3 (1/2) "), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("frame 4 (2/2) "), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("cli_frame.0004.png\n"), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find('\r'), std::string::npos) << run.output;
    EXPECT_TRUE(fileExists(viewtest::tempPath("cli_frame.0003.png")));
    EXPECT_TRUE(fileExists(viewtest::tempPath("cli_frame.0004.png")));
    EXPECT_FALSE(fileExists(viewtest::tempPath("cli_frame.0005.png")));

    const ToolRun noNumber =
        runView(sceneFile() + " --frames 1:2 -o " + viewtest::tempPath("x.png"));
    EXPECT_EQ(noNumber.exitCode, 2);
    EXPECT_NE(noNumber.output.find("needs a frame number"), std::string::npos) << noNumber.output;
    const ToolRun badConversion = runView(sceneFile() + " -o " + viewtest::tempPath("%s.png"));
    EXPECT_EQ(badConversion.exitCode, 2);
}

TEST(QuillomarView, AContactSheetTilesTheFramesInReadingOrder) {
    const std::string frame = viewtest::tempPath("cli_sheet_frame.0004.png");
    const std::string sheetPath = viewtest::tempPath("cli_sheet.png");
    const std::string common = sceneFile() + " " + kPlugin + " --camera shotCam --size 32x24";
    const ToolRun single4 = runView(common + " --frames 4 -o " + frame);
    ASSERT_EQ(single4.exitCode, 0) << single4.output;
    const ToolRun run = runView(common + " --frames 3:5 --contact-sheet 2x2 -o " + sheetPath);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    quillomar::Image sheet, single;
    ASSERT_TRUE(quillomar::readPng(sheetPath, sheet));
    ASSERT_TRUE(quillomar::readPng(frame, single));
    ASSERT_EQ(sheet.width, 64);
    ASSERT_EQ(sheet.height, 48);
    // Frame 4 is the second tile: top right.
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 32; ++x)
            ASSERT_EQ(std::memcmp(sheet.pixel(32 + x, y), single.pixel(x, y), 4), 0)
                << x << "," << y;
    const std::uint8_t black[4] = {0, 0, 0, 255};
    EXPECT_EQ(std::memcmp(sheet.pixel(40, 30), black, 4), 0) << "the unused fourth tile";

    EXPECT_NE(runView("--help").output.find("--contact-sheet 4x3"), std::string::npos);
    const std::string out = " -o " + viewtest::tempPath("never_sheet.png");
    const ToolRun tooMany = runView(common + " --frames 1:5 --contact-sheet 2x2" + out);
    EXPECT_EQ(tooMany.exitCode, 2);
    EXPECT_NE(tooMany.output.find("holds fewer than the 5 frames"), std::string::npos)
        << tooMany.output;
    const ToolRun noFrames = runView(common + " --contact-sheet 2x2" + out);
    EXPECT_NE(noFrames.output.find("give both"), std::string::npos) << noFrames.output;
    const ToolRun bad = runView(common + " --frames 1:2 --contact-sheet 0x2" + out);
    EXPECT_NE(bad.output.find("bad contact sheet \"0x2\""), std::string::npos) << bad.output;
    EXPECT_FALSE(fileExists(viewtest::tempPath("never_sheet.png")));
}

TEST(QuillomarView, BadInputGivesAClearErrorAndNonZeroExit) {
    const std::string out = " -o " + viewtest::tempPath("never.png");
    struct Case {
        std::string args;
        int exitCode;
        std::string message;
    };
    const Case cases[] = {
        {"/no/such/scene.ma" + out, 1, "cannot read scene file /no/such/scene.ma"},
        {sceneFile() + " " + kPlugin + " --camera nobody" + out, 1, "no camera named \"nobody\""},
        // The host's reason, said once.
        {sceneFile() + " --plugin /no/such/plugin.so" + out, 1,
         "quillomar-view: cannot load plug-in /no/such/plugin.so: /no/such/plugin.so: cannot open"},
        {sceneFile() + " --size 0x10" + out, 2, "bad size \"0x10\""},
        {sceneFile() + " --size 640" + out, 2, "bad size"},
        {sceneFile() + " --frames 5:2" + out, 2, "bad frame range"},
        {sceneFile(), 2, "no output file"},
        {"--bogus" + out, 2, "unknown option --bogus"},
    };
    for (const Case& c : cases) {
        const ToolRun run = runView(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args << "\n" << run.output;
        EXPECT_NE(run.output.find(c.message), std::string::npos) << c.args << "\n" << run.output;
    }
    EXPECT_FALSE(fileExists(viewtest::tempPath("never.png")));
}

TEST(QuillomarView, BadSceneLineIsReportedAndSkipped) {
    const std::string scene = viewtest::writeTempFile(
        "cli_bad_line.ma", std::string(viewtest::kFixtureSceneText) + "setAttr \"nobody.tx\" 1;\n");
    const std::string out = viewtest::tempPath("cli_bad_line.png");
    const ToolRun run = runView(scene + " " + kPlugin + " --camera shotCam --size 40x30 -o " + out);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("cli_bad_line.ma:13"), std::string::npos) << run.output;
    EXPECT_TRUE(fileExists(out));
}
