#include "reticle_fixture.h"

#include <hostkit/scene.h>
#include <maya/MGlobal.h>
#include <maya/MString.h>

void ReticleTest::SetUpTestSuite() {
    if (hostkit::isPluginLoaded("quillomarPlugins"))
        return;
    std::string error;
    ASSERT_TRUE(hostkit::loadPlugin(kReticlePluginPath, &error)) << error;
}

void ReticleTest::SetUp() {
    hostkit::resetScene();
    runMel(std::string("createNode transform -n \"") + kCamera + "\"; createNode camera -n \"" +
           kCamera + "Shape\" -p \"" + kCamera + "\";");
    runMel("createNode transform -n \"overlay\"; createNode reticle -n \"overlayShape\" -p "
           "\"overlay\";");
    hostkit::clearSelection();
}

void ReticleTest::runMel(const std::string& command) {
    ASSERT_TRUE(MGlobal::executeCommand(MString(command.c_str()))) << command;
}

void ReticleTest::set(const std::string& plug, double value) {
    const std::string path = plug[0] == '.' ? kReticle + plug : plug;
    ASSERT_TRUE(hostkit::setAttr(path, value)) << path;
}

void ReticleTest::set(const std::string& plug, const std::vector<double>& values) {
    const std::string path = plug[0] == '.' ? kReticle + plug : plug;
    ASSERT_TRUE(hostkit::setAttrValues(path, values)) << path;
}

void ReticleTest::setString(const std::string& plug, const std::string& value) {
    ASSERT_TRUE(hostkit::setAttrString(kReticle + plug, value)) << plug;
}

void ReticleTest::addAspect(int index, double ratio, int displayMode) {
    const std::string element = ".aspectRatios[" + std::to_string(index) + "]";
    set(element + ".aspectRatio", ratio);
    set(element + ".displayMode", displayMode);
}

void ReticleTest::addText(int index, int type, int posRel, int level) {
    const std::string element = ".text[" + std::to_string(index) + "]";
    set(element + ".textType", type);
    set(element + ".textPosRel", posRel);
    set(element + ".textLevel", level);
}

std::vector<glrec::Call> recordAll(hostkit::Viewport& viewport) {
    glrec::Recorder recorder;
    viewport.drawLocators();
    recorder.stop();
    return recorder.calls();
}

std::vector<glrec::Call> recordDraw(hostkit::Viewport& viewport) {
    const std::vector<glrec::Call> calls = recordAll(viewport);
    auto start = calls.begin();
    while (start != calls.end() && start->name != "glPushAttrib")
        ++start;
    return std::vector<glrec::Call>(start, calls.end());
}

std::vector<std::vector<double>> argsOf(const std::vector<glrec::Call>& calls,
                                        const std::string& name) {
    std::vector<std::vector<double>> found;
    for (const glrec::Call& call : calls)
        if (call.name == name)
            found.push_back(call.args);
    return found;
}
