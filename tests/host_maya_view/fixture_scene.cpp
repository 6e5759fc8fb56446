#include "fixture_scene.h"

#include <hostkit/host.h>
#include <maya/MFileIO.h>
#include <maya/MGlobal.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <vector>
#include <unistd.h>

namespace viewtest {

const char* const kFixtureSceneText = R"(//Maya ASCII 2019 scene
requires maya "2019";
createNode transform -n "shotCam";
createNode camera -n "shotCamShape" -p "shotCam";
	setAttr ".fl" 12.7;
	setAttr ".hfa" 1;
	setAttr ".vfa" 1;
	setAttr ".ff" 1;
createNode transform -n "marker";
	setAttr ".t" -type "double3" 0 0 -10 ;
createNode fixtureLine -n "markerShape" -p "marker";
	setAttr ".length" 5;
)";

namespace {

// Removes the process's temporary files when it ends.
struct TempFiles {
    std::vector<std::string> paths;
    ~TempFiles() {
        for (const std::string& path : paths)
            std::remove(path.c_str());
    }
};

TempFiles tempFiles;

} // namespace

std::string tempPath(const std::string& name) {
    // ctest runs tests in parallel processes: keep their files apart.
    const std::string path =
        ::testing::TempDir() + "quillomar_view_" + std::to_string(getpid()) + "_" + name;
    tempFiles.paths.push_back(path);
    return path;
}

std::string writeTempFile(const std::string& name, const std::string& text) {
    const std::string path = tempPath(name);
    std::ofstream(path) << text;
    return path;
}

void openFixtureScene(const std::string& extra) {
    static const bool loaded = [] {
        std::string error;
        const bool ok = hostkit::loadPlugin(QUILLOMAR_FIXTURE_PLUGIN, &error);
        EXPECT_TRUE(ok) << error;
        return ok;
    }();
    ASSERT_TRUE(loaded);
    const std::string path = writeTempFile("fixture_scene.ma", kFixtureSceneText + extra);
    ASSERT_TRUE(MFileIO::open(path.c_str(), nullptr, true));
    MGlobal::clearSelectionList();
}

} // namespace viewtest
