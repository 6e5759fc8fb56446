// Whole files written so that a failure leaves what was there: the PNG writer of every tool and
// the Maya stand-in's scene saving go through it.
#include "hostile_files.h"

#include <image_io.h>
#include <replace_file.h>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using hostile::FileSizeLimit;
using hostile::readFile;

quillomar::Image noise(int width, int height) {
    quillomar::Image image(width, height);
    unsigned state = 12345;
    for (auto& byte : image.rgba)
        byte = static_cast<std::uint8_t>((state = state * 1103515245u + 12345u) >> 24);
    return image;
}

TEST(ReplaceFile, AFullDiskLeavesTheOldFileAndNoTemporaryOne) {
    const std::string path = hostile::writeFile("full.png", "what was there");
    const std::string folder = std::filesystem::path(path).parent_path();
    const std::string name = std::filesystem::path(path).filename();
    std::string error;
    {
        FileSizeLimit limit(4096);
        EXPECT_FALSE(quillomar::writePng(noise(64, 64), path, &error));
    }
    EXPECT_EQ(error, "cannot write " + path + ": File too large");
    EXPECT_EQ(readFile(path), "what was there");
    EXPECT_EQ(hostile::filesStartingWith(folder, name), 1);

    ASSERT_TRUE(quillomar::writePng(noise(64, 64), path, &error)) << error;
    quillomar::Image back;
    ASSERT_TRUE(quillomar::readPng(path, back));
    EXPECT_EQ(back.rgba, noise(64, 64).rgba);
    EXPECT_EQ(hostile::filesStartingWith(folder, name), 1);
}

TEST(ReplaceFile, MissingFoldersAndFoldersAsFilesAreRefusedWithTheReason) {
    std::string reason;
    EXPECT_FALSE(quillomar::replaceFile(hostile::tempPath("none/out.png"), "x", 1, &reason));
    EXPECT_EQ(reason, "No such file or directory");

    const std::string folder = hostile::tempPath("folder");
    std::filesystem::create_directories(folder + "/inside");
    EXPECT_FALSE(quillomar::replaceFile(folder, "x", 1, &reason));
    EXPECT_EQ(reason, "Is a directory");
    EXPECT_TRUE(std::filesystem::is_directory(folder + "/inside"));
    EXPECT_EQ(
        hostile::filesStartingWith(std::filesystem::path(folder).parent_path(),
                                   std::filesystem::path(folder).filename().string() + ".part"),
        0);
}

TEST(ReplaceFile, EmptyAndLargeFilesArriveWhole) {
    const std::string path = hostile::tempPath("whole.bin");
    std::string bytes(3 << 20, 'q');
    bytes[12345] = '\0';
    ASSERT_TRUE(quillomar::replaceFile(path, bytes.data(), bytes.size()));
    EXPECT_EQ(readFile(path), bytes);
    ASSERT_TRUE(quillomar::replaceFile(path, "", 0));
    EXPECT_EQ(readFile(path), "");
}

} // namespace
