#include "vp2_fixture.h"

#include <gl_recorder.h>
#include <hostkit/scene.h>
#include <maya/MGlobal.h>
#include <maya/MString.h>

void Vp2Test::SetUpTestSuite() {
    if (hostkit::isPluginLoaded("quillomarPlugins"))
        return;
    std::string error;
    ASSERT_TRUE(hostkit::loadPlugin(kPluginPath, &error)) << error;
}

void Vp2Test::SetUp() {
    hostkit::resetScene();
}

void Vp2Test::runMel(const std::string& command) {
    ASSERT_TRUE(MGlobal::executeCommand(MString(command.c_str()))) << command;
}

void Vp2Test::set(const std::string& plug, double value) {
    ASSERT_TRUE(hostkit::setAttr(plug, value)) << plug;
}

void Vp2Test::set(const std::string& plug, const std::vector<double>& values) {
    ASSERT_TRUE(hostkit::setAttrValues(plug, values)) << plug;
}

void Vp2Test::setString(const std::string& plug, const std::string& value) {
    ASSERT_TRUE(hostkit::setAttrString(plug, value)) << plug;
}

std::string Vp2Test::create(const std::string& type, const std::string& name,
                            const std::vector<double>& position) {
    const std::string shape = name + "Shape";
    runMel("createNode transform -n \"" + name + "\"; createNode " + type + " -n \"" + shape +
           "\" -p \"" + name + "\";");
    set(name + ".translate", position);
    hostkit::clearSelection(); // createNode selects what it made
    return shape;
}

void Vp2Test::createCamera(const std::vector<double>& position,
                           const std::vector<double>& rotation) {
    create("camera", "viewer", position);
    set("viewer.rotate", rotation);
}

const hostkit::OverrideDraw& overrideOf(const hostkit::Viewport& viewport,
                                        const std::string& shape) {
    const std::string tail = "|" + shape;
    for (const hostkit::OverrideDraw& draw : viewport.overrideDraws())
        if (draw.path.size() >= tail.size() &&
            draw.path.compare(draw.path.size() - tail.size(), tail.size(), tail) == 0)
            return draw;
    throw std::runtime_error("no override draw of " + shape);
}

hostkit::OverrideDraw updateOverrides(hostkit::Viewport& viewport, const std::string& shape) {
    glrec::Recorder recorder;
    viewport.updateOverrides();
    recorder.stop();
    EXPECT_TRUE(recorder.calls().empty()) << recorder.calls().front().name;
    const hostkit::OverrideDraw draw = overrideOf(viewport, shape);
    EXPECT_EQ(draw.drawReads, 0);
    return draw;
}
