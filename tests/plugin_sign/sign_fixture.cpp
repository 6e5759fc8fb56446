#include "sign_fixture.h"

#include <hostkit/scene.h>
#include <maya/MGlobal.h>
#include <maya/MMatrix.h>
#include <maya/MString.h>

void SignSceneTest::SetUpTestSuite() {
    if (hostkit::isPluginLoaded("quillomarPlugins"))
        return;
    std::string error;
    ASSERT_TRUE(hostkit::loadPlugin(kSignPluginPath, &error)) << error;
}

void SignSceneTest::SetUp() {
    hostkit::resetScene();
    runMel(std::string("createNode transform -n \"") + kCamera + "\"; createNode camera -n \"" +
           kCamera + "Shape\" -p \"" + kCamera + "\";");
    set(std::string(kCamera) + ".translate", {0, 10, 0});
    set(std::string(kCamera) + ".rotate", {-90, 0, 0});
}

std::string SignSceneTest::createSign(const std::string& name) {
    const std::string shape = name + "Shape";
    runMel("createNode transform -n \"" + name + "\"; createNode sign -n \"" + shape + "\" -p \"" +
           name + "\";");
    hostkit::clearSelection(); // createNode selects what it made
    return shape;
}

void SignSceneTest::runMel(const std::string& command) {
    ASSERT_TRUE(MGlobal::executeCommand(MString(command.c_str()))) << command;
}

void SignSceneTest::set(const std::string& plug, double value) {
    ASSERT_TRUE(hostkit::setAttr(plug, value)) << plug;
}

void SignSceneTest::set(const std::string& plug, const std::vector<double>& values) {
    ASSERT_TRUE(hostkit::setAttrValues(plug, values)) << plug;
}

double SignSceneTest::get(const std::string& plug) {
    double value = -12345.0;
    EXPECT_TRUE(hostkit::getAttr(plug, value)) << plug;
    return value;
}

std::vector<std::vector<glrec::Call>> callsPerDraw(const std::vector<glrec::Call>& calls) {
    std::vector<std::vector<glrec::Call>> draws;
    for (const glrec::Call& call : calls) {
        if (call.name == "glPushAttrib")
            draws.emplace_back();
        if (!draws.empty())
            draws.back().push_back(call);
    }
    return draws;
}

std::vector<std::vector<double>> argsOf(const std::vector<glrec::Call>& calls,
                                        const std::string& name) {
    std::vector<std::vector<double>> found;
    for (const glrec::Call& call : calls)
        if (call.name == name)
            found.push_back(call.args);
    return found;
}

MPoint toWindow(const hostkit::Viewport& viewport, const MPoint& world) {
    MPoint clip = world * viewport.viewMatrix() * viewport.projectionMatrix();
    clip.cartesianize();
    return MPoint((clip.x + 1.0) * 0.5 * viewport.width(), (clip.y + 1.0) * 0.5 * viewport.height(),
                  (clip.z + 1.0) * 0.5);
}
