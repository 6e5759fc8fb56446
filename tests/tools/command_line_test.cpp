// Command-line pieces both tools use, and the frame word of render scenes.
#include <command_line.h>
#include <scene_frames.h>

#include <gtest/gtest.h>

namespace {

using quillomar_tools::UsageError;

TEST(CommandLine, SizesAndFrameRangesAreWholeNumbersInRange) {
    int a = 0, b = 0;
    quillomar_tools::parseSize("1920x1080", a, b);
    EXPECT_EQ(a, 1920);
    EXPECT_EQ(b, 1080);
    for (const char* bad : {"0x10", "10", "10x", "x10", "16385x2", "3.5x2", " 4x4", "4x-4"})
        EXPECT_THROW(quillomar_tools::parseSize(bad, a, b), UsageError) << bad;

    quillomar_tools::parseFrames("-3:12", a, b);
    EXPECT_EQ(a, -3);
    EXPECT_EQ(b, 12);
    quillomar_tools::parseFrames("7", a, b);
    EXPECT_EQ(a, 7);
    EXPECT_EQ(b, 7);
    for (const char* bad : {"5:2", "3:2", "1:", ":4", "1:2:3", "a:b", "99999999999:1"})
        EXPECT_THROW(quillomar_tools::parseFrames(bad, a, b), UsageError) << bad;
}

TEST(CommandLine, OutputNamesTakeTheFrameNumberInPrintfForm) {
    EXPECT_EQ(quillomar_tools::framePath("out.%04d.png", 7), "out.0007.png");
    EXPECT_EQ(quillomar_tools::framePath("f%d-%%.png", -2), "f-2-%.png");
    EXPECT_EQ(quillomar_tools::framePath("%3d.png", 5), "  5.png");
    EXPECT_THROW(quillomar_tools::framePath("out.%s.png", 1), UsageError);
    EXPECT_THROW(quillomar_tools::framePath("out.%100d.png", 1), UsageError);

    EXPECT_NO_THROW(quillomar_tools::checkOutputName("one.png", false, false));
    EXPECT_NO_THROW(quillomar_tools::checkOutputName("f%d.png", true, true));
    EXPECT_NO_THROW(quillomar_tools::checkOutputName("f%d.png", true, false));
    EXPECT_THROW(quillomar_tools::checkOutputName("one.png", true, true), UsageError);
    EXPECT_THROW(quillomar_tools::checkOutputName("100%.png", false, false), UsageError);
    // Without frames a frame number would be written as it is.
    EXPECT_THROW(quillomar_tools::checkOutputName("out.%04d.png", false, false), UsageError);
}

TEST(SceneFrames, OnlyTheWholeWordOutsideCommentsIsTheFrame) {
    EXPECT_EQ(quillomar_render::sceneAtFrame("set a.selector $frame\n", 12), "set a.selector 12\n");
    EXPECT_EQ(quillomar_render::sceneAtFrame("rotate b 0 $frame 0 # at $frame\n$frame", -1),
              "rotate b 0 -1 0 # at $frame\n-1");
    EXPECT_EQ(quillomar_render::sceneAtFrame("x$frame $frames $frame#c\n", 3),
              "x$frame $frames 3#c\n");
}

} // namespace
