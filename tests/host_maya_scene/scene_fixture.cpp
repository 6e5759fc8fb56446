#include "scene_fixture.h"

#include <maya/MGlobal.h>

#include <unistd.h>

void SceneTest::SetUp() {
    static const bool loaded = [] {
        std::string error;
        bool ok = hostkit::loadPlugin(QUILLOMAR_SCENE_TEST_TYPES, &error);
        EXPECT_TRUE(ok) << error;
        return ok;
    }();
    ASSERT_TRUE(loaded);
    hostkit::resetScene();
}

void SceneTest::mel(const std::string& commands) {
    std::string error;
    ASSERT_TRUE(hostkit::runMel(commands, &error)) << commands << ": " << error;
}

MObject SceneTest::node(const std::string& name) {
    return hostkit::findNode(name);
}

MPlug SceneTest::plug(const std::string& path) {
    return hostkit::findPlug(path);
}

double SceneTest::number(const std::string& path) {
    double value = 0;
    EXPECT_TRUE(hostkit::getAttr(path, value)) << path;
    return value;
}

std::string SceneTest::tempPath(const std::string& name) {
    return ::testing::TempDir() + "scene_" + std::to_string(getpid()) + "_" + name;
}

MDagPath pathTo(const MObject& node) {
    MDagPath path;
    MDagPath::getAPathTo(node, path);
    return path;
}
