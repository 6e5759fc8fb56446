// quillomar-render's frame ranges, help and exit codes, run as a user runs it.
#include <image_io.h>
#include <tool_run.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace {

testsupport::ToolRun render(const std::string& arguments) {
    return testsupport::runCommand(std::string(QUILLOMAR_RENDER) + " " + arguments);
}

const std::string kChoice = std::string(QUILLOMAR_SOURCE_DIR) + "/examples/choice.scene";

std::string temp(const std::string& name) {
    return ::testing::TempDir() + name;
}

TEST(RenderCli, AFrameRangeRendersThePictureOfEachFrameWithALineEach) {
    for (int frame = 0; frame <= 2; ++frame)
        std::remove(temp("choice-" + std::to_string(frame) + ".png").c_str());
    const testsupport::ToolRun run =
        render(kChoice + " --frames 0:2 --size 16x16 -o " + temp("choice-%d.png"));
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("frame 0 (1/3)"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("frame 2 (3/3)"), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find('\r'), std::string::npos) << "a pipe is not a terminal";

    // The selector is the frame: green, then a checker (two colours), then a ramp.
    quillomar::Image pictures[3];
    for (int frame = 0; frame <= 2; ++frame)
        ASSERT_TRUE(
            quillomar::readPng(temp("choice-" + std::to_string(frame) + ".png"), pictures[frame]));
    EXPECT_GT(pictures[0].pixel(3, 3)[1], 150);
    EXPECT_LT(pictures[0].pixel(3, 3)[0], 80);
    EXPECT_NE(pictures[1].rgba, pictures[0].rgba);
    EXPECT_NE(pictures[2].rgba, pictures[1].rgba);
    EXPECT_LT(pictures[2].pixel(0, 8)[0], pictures[2].pixel(15, 8)[0]);

    // Without a range the frame is 1: the checker.
    const testsupport::ToolRun single =
        render(kChoice + " --size 16x16 -o " + temp("choice-single.png"));
    ASSERT_EQ(single.exitCode, 0) << single.output;
    quillomar::Image one;
    ASSERT_TRUE(quillomar::readPng(temp("choice-single.png"), one));
    EXPECT_EQ(one.rgba, pictures[1].rgba);
}

TEST(RenderCli, AContactSheetTilesTheFramesInReadingOrder) {
    const std::string sheetPath = temp("choice-sheet.png");
    std::remove(sheetPath.c_str());
    const testsupport::ToolRun run =
        render(kChoice + " --frames 0:2 --contact-sheet 2x2 --size 16x16 -o " + sheetPath);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("frame 2 (3/3)"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("wrote " + sheetPath), std::string::npos) << run.output;
    quillomar::Image sheet;
    ASSERT_TRUE(quillomar::readPng(sheetPath, sheet));
    ASSERT_EQ(sheet.width, 32);
    ASSERT_EQ(sheet.height, 32);
    for (int frame = 0; frame <= 2; ++frame) {
        const std::string single = temp("choice-tile-" + std::to_string(frame) + ".png");
        ASSERT_EQ(
            render(kChoice + " --frames " + std::to_string(frame) + " --size 16x16 -o " + single)
                .exitCode,
            0);
        quillomar::Image picture;
        ASSERT_TRUE(quillomar::readPng(single, picture));
        const int left = frame % 2 * 16, top = frame / 2 * 16;
        for (int y = 0; y < 16; ++y)
            ASSERT_EQ(std::memcmp(sheet.pixel(left, top + y), picture.pixel(0, y), 16 * 4), 0)
                << "frame " << frame << " row " << y;
    }
    const std::uint8_t black[4] = {0, 0, 0, 255};
    EXPECT_EQ(std::memcmp(sheet.pixel(24, 24), black, 4), 0) << "the unused fourth tile";
}

TEST(RenderCli, HelpExplainsEveryOptionWithAnExample) {
    const testsupport::ToolRun run = render("--help");
    EXPECT_EQ(run.exitCode, 0);
    for (const char* option : {"-o, --output", "--size", "--threads", "--frames", "--contact-sheet",
                               "--library", "--declarations", "--help", "Exit codes"})
        EXPECT_NE(run.output.find(option), std::string::npos) << option;
    // Each option but --help has an example.
    EXPECT_EQ(testsupport::occurrences(run.output, "e.g.", "Options:", "Scene file"), 7u)
        << run.output;
}

TEST(RenderCli, WrongCommandLinesExitTwoAndBadFilesOne) {
    const std::string never = temp("render_cli_never.png");
    std::remove(never.c_str());
    const std::string out = " -o " + never;
    const std::string garbage = temp("garbage.mi");
    std::ofstream(garbage) << "\x7f"
                              "ELF random words ( ) { }\n";
    const struct {
        std::string arguments;
        int status;
        std::string message;
    } cases[] = {
        {kChoice + " --frames 0:2" + out, 2, "needs a frame number"},
        {kChoice + " --frames 2:0" + out, 2, "bad frame range"},
        {kChoice + " --threads 0" + out, 2, "bad thread count \"0\""},
        {kChoice + " --frames 0:2 --contact-sheet 2x1" + out, 2, "holds fewer than the 3 frames"},
        {kChoice + " --contact-sheet 3x1" + out, 2, "give both"},
        {kChoice + " --threads many" + out, 2, "bad thread count"},
        {kChoice + " --size 20000x10" + out, 2, "bad size"},
        {kChoice + " --size" + out, 2, "bad size \"-o\""},
        {kChoice + " " + kChoice + out, 2, "more than one scene"},
        {kChoice + " --wobble" + out, 2, "unknown option --wobble"},
        {kChoice, 2, "no output file"},
        {"/no/such.scene" + out, 1, "cannot read scene /no/such.scene"},
        {kChoice + " --library /no/such.so" + out, 1, "cannot load shader library /no/such.so"},
        {kChoice + " -o /no/such/folder/x.png", 1, "/no/such/folder/x.png"},
        {kChoice + " -o " + temp("never.%04d.png"), 2, "no frames were asked for"},
        {temp("") + out, 1, "cannot read scene " + temp("") + ": it is a folder"},
        {kChoice + " --declarations " + garbage + out, 1, garbage + " declares no shaders"},
        {kChoice + " --threads 1000" + out, 2, "expected 1 to 256"},
        {kChoice + " --size 100000x100000" + out, 2, "bad size"},
    };
    for (const auto& c : cases) {
        const testsupport::ToolRun run = render(c.arguments);
        EXPECT_EQ(run.exitCode, c.status) << c.arguments << "\n" << run.output;
        EXPECT_NE(run.output.find(c.message), std::string::npos) << c.arguments << "\n"
                                                                 << run.output;
    }
    EXPECT_FALSE(std::ifstream(never).good());
}

// A file size limit of 0 fails the picture's writes as a full disk does (the signal such a write
// raises is ignored, as on a full disk there is none).
TEST(RenderCli, APictureThatCannotBeWrittenWholeExitsOneAndKeepsTheOldFile) {
    const std::string path = temp("full-disk-" + std::to_string(getpid()) + ".png");
    std::ofstream(path) << "the old picture";
    const testsupport::ToolRun run =
        testsupport::runCommand("trap '' XFSZ; ulimit -f 0; exec " + std::string(QUILLOMAR_RENDER) +
                                " " + kChoice + " --size 64x64 -o " + path);
    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_NE(run.output.find("cannot write " + path + ": File too large"), std::string::npos)
        << run.output;
    EXPECT_EQ(run.output.find("wrote"), std::string::npos) << run.output;
    std::ifstream in(path);
    const std::string kept((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(kept, "the old picture");
    std::remove(path.c_str());
}

} // namespace
