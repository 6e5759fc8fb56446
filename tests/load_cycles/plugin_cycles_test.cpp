// The plug-in loaded, used and unloaded again and again: each cycle creates every node type,
// draws them, deforms, saves the scene, deletes the nodes (as Maya's unloadPlugin requires) and
// unloads, which closes the library.
#include "resident_memory.h"

#include <hostkit/host.h>
#include <hostkit/scene.h>
#include <hostkit/viewport.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <string>
#include <unistd.h>

namespace {

constexpr int kCycles = 1000;

const char* const kScene = R"(
createNode transform -n "ball";
createNode mesh -n "ballShape" -p "ball";
setAttr ".i" -type "mesh" 8 -1 -1 1  1 -1 1  -1 1 1  1 1 1  -1 1 -1  1 1 -1  -1 -1 -1  1 -1 -1
    6 4 4 4 4 4 4  24 0 1 3 2  2 3 5 4  4 5 7 6  6 7 1 0  1 7 5 3  6 0 2 4  0 0;
deformer -type obakeDeformer -n "trail" ballShape;
setKeyframe -t 1 -v 0 -at translateX ball;
setKeyframe -t 5 -v 4 -at translateX ball;
createNode transform -n "marker";
createNode sign -n "markerShape" -p "marker";
setAttr ".typ" 9;
createNode transform -n "overlay";
createNode reticle -n "overlayShape" -p "overlay";
)";

// One use of the loaded plug-in; returns what failed, empty when nothing did.
std::string useThePlugin(const std::string& savePath) {
    std::string error;
    if (!hostkit::runMel(kScene, &error))
        return "scene: " + error;
    hostkit::Viewport viewport("persp", 64, 48);
    for (double frame : {1.0, 2.0, 3.0}) {
        hostkit::setTime(frame);
        viewport.draw();
        if (hostkit::meshes().empty())
            return "no mesh to deform";
    }
    if (viewport.locatorDraws().size() != 2)
        return "drew " + std::to_string(viewport.locatorDraws().size()) + " locators, not 2";
    if (!hostkit::saveScene(savePath, &error))
        return "save: " + error;
    return "";
}

TEST(PluginLoadCycles, LoadUseAndUnloadAThousandTimesLeavesNothingBehind) {
    const std::string savePath =
        ::testing::TempDir() + "cycles_" + std::to_string(getpid()) + ".ma";
    // The OpenMP runtime comes with the plug-in's first load and reads this then: its idle
    // workers sleep at once instead of spinning for the next loop, which would take the cores
    // the cycles run on.
    setenv("OMP_WAIT_POLICY", "PASSIVE", 0);
    std::size_t settled = 0;
    for (int cycle = 0; cycle < kCycles; ++cycle) {
        std::string error;
        ASSERT_TRUE(hostkit::loadPlugin(QUILLOMAR_PLUGIN_PATH, &error)) << cycle << ": " << error;
        const std::string failure = useThePlugin(savePath);
        ASSERT_EQ(failure, "") << "cycle " << cycle;
        hostkit::resetScene();
        ASSERT_TRUE(hostkit::unloadPlugin("quillomarPlugins", &error)) << cycle << ": " << error;
        ASSERT_EQ(dlopen(QUILLOMAR_PLUGIN_PATH, RTLD_NOW | RTLD_NOLOAD), nullptr)
            << "cycle " << cycle << ": the library stayed loaded";
        if (cycle == 9)
            settled = cycles::residentBytes();
    }
    std::remove(savePath.c_str());
    const std::size_t last = cycles::residentBytes();
    std::printf("resident memory after 10 cycles %.1f MB, after %d cycles %.1f MB\n",
                settled / 1048576.0, kCycles, last / 1048576.0);
    if (!cycles::kSanitizerKeepsFreedMemory) {
        EXPECT_LT(last, settled + 4 * 1048576) << "resident memory grew over the cycles";
    }
}

} // namespace
