// The per-frame report: plain lines for logs, a bar redrawn in place on a terminal.
#include <progress.h>

#include <gtest/gtest.h>

#include <sstream>

namespace {

TEST(FrameProgress, WritesALinePerFrameWhenNotOnATerminal) {
    std::ostringstream out;
    quillomar_tools::FrameProgress progress(out, 10, false);
    progress.frameDone(1, "a.0001.png", 0.5);
    progress.frameDone(2, "a.0002.png", 1.25);
    EXPECT_EQ(out.str(),
              "frame 1 ( 1/10) 0.50 s  a.0001.png\nframe 2 ( 2/10) 1.25 s  a.0002.png\n");
}

TEST(FrameProgress, RedrawsOneBarOnATerminalAndEndsItsLineAfterTheLastFrame) {
    std::ostringstream out;
    quillomar_tools::FrameProgress progress(out, 2, true);
    progress.frameDone(5, "x5.png", 0.1);
    EXPECT_EQ(out.str(), "\r[############------------] frame 5 (1/2) 0.10 s  x5.png\033[K");
    progress.frameDone(6, "x6.png", 0.2);
    EXPECT_EQ(out.str().substr(out.str().rfind('\r')),
              "\r[########################] frame 6 (2/2) 0.20 s  x6.png\033[K\n");
    EXPECT_EQ(quillomar_tools::progressBar(1, 3, 6), "##----");
    EXPECT_EQ(quillomar_tools::progressBar(0, 0, 4), "----");
}

} // namespace
