// MFileObject's file name and path element as Maya 2019 documents them. setFullName, path, name
// and fullName are deprecated in 2019; this file tests them on purpose (see CMakeLists.txt).
#include <maya/MFileObject.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

namespace {

std::string pathOf(const char* fullName) {
    MFileObject file;
    file.setFullName(fullName);
    return file.path().asChar();
}

std::string nameOf(const char* fullName) {
    MFileObject file;
    file.setFullName(fullName);
    return file.name().asChar();
}

} // namespace

TEST(FileObject, SplitsAtTheLastSlash) {
    EXPECT_EQ(pathOf("/projects/shot/scenes/take2.ma"), "/projects/shot/scenes");
    EXPECT_EQ(nameOf("/projects/shot/scenes/take2.ma"), "take2.ma");
    EXPECT_EQ(pathOf("scenes/take2.ma"), "scenes");
    EXPECT_EQ(pathOf("/take2.ma"), "");
    EXPECT_EQ(nameOf("/take2.ma"), "take2.ma");
    EXPECT_EQ(pathOf("/projects/shot/"), "/projects/shot");
    EXPECT_EQ(nameOf("/projects/shot/"), "");
}

TEST(FileObject, ABareNameHasTheCurrentDirectoryAsItsPath) {
    EXPECT_EQ(pathOf("take2.ma"), ".");
    EXPECT_EQ(nameOf("take2.ma"), "take2.ma");
    MFileObject file;
    file.setFullName("take2.ma");
    EXPECT_STREQ(file.fullName().asChar(), "./take2.ma");
    EXPECT_STREQ(file.rawPath().asChar(), "");
    EXPECT_STREQ(file.rawFullName().asChar(), "take2.ma");
}

TEST(FileObject, PathExpandsEnvironmentVariablesAndRawPathKeepsThem) {
    ::setenv("QUILLOMAR_TEST_SHOT", "/mnt/shot", 1);
    MFileObject file;
    file.setFullName("$QUILLOMAR_TEST_SHOT/scenes/take2.ma");
    EXPECT_STREQ(file.path().asChar(), "/mnt/shot/scenes");
    EXPECT_STREQ(file.name().asChar(), "take2.ma");
    EXPECT_STREQ(file.fullName().asChar(), "/mnt/shot/scenes/take2.ma");
    EXPECT_STREQ(file.rawPath().asChar(), "$QUILLOMAR_TEST_SHOT/scenes/");
    EXPECT_STREQ(file.resolvedFullName().asChar(), "/mnt/shot/scenes/take2.ma");
    ::unsetenv("QUILLOMAR_TEST_SHOT");
}

TEST(FileObject, RawPartsSetSeparatelyGiveTheSameElements) {
    MFileObject file;
    file.setRawPath("/projects/shot");
    file.setRawName("take2.ma");
    EXPECT_STREQ(file.path().asChar(), "/projects/shot");
    EXPECT_STREQ(file.name().asChar(), "take2.ma");
    EXPECT_STREQ(file.rawFullName().asChar(), "/projects/shot/take2.ma");
}

TEST(FileObject, ExistsLooksAtTheResolvedFile) {
    char folder[] = "/tmp/quillomar-file-object-XXXXXX";
    ASSERT_NE(::mkdtemp(folder), nullptr);
    const std::string scene = std::string(folder) + "/take2.ma";
    std::FILE* out = std::fopen(scene.c_str(), "w");
    ASSERT_NE(out, nullptr);
    std::fclose(out);
    ::setenv("QUILLOMAR_TEST_FOLDER", folder, 1);
    MFileObject file;
    file.setRawFullName("$QUILLOMAR_TEST_FOLDER/take2.ma");
    EXPECT_TRUE(file.exists());
    std::remove(scene.c_str());
    EXPECT_FALSE(file.exists());
    std::remove(folder);
    ::unsetenv("QUILLOMAR_TEST_FOLDER");
    EXPECT_FALSE(MFileObject().exists()) << "nothing set";
    EXPECT_TRUE(MFileObject::isAbsolutePath("/a"));
    EXPECT_FALSE(MFileObject::isAbsolutePath("a/b"));
}
