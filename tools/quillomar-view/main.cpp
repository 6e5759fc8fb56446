// quillomar-view: draws a scene's viewport the way Maya's legacy viewport would and writes PNGs.
#include "view_options.h"
#include "view_stats.h"

#include <hostkit/host.h>
#include <hostkit/viewport.h>
#include <maya/MAnimControl.h>
#include <maya/MFileIO.h>
#include <maya/MFnCamera.h>
#include <maya/MFnDagNode.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MTime.h>
#include <frame_pictures.h>
#include <input_file.h>
#include <tool_main.h>

#include <chrono>
#include <iostream>

namespace {

using quillomar_view::ViewOptions;

// A failure that ends the run with a message.
class RunError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

void loadPlugins(const std::vector<std::string>& plugins) {
    for (const std::string& path : plugins) {
        std::string error;
        // The host's reason names the library.
        if (!hostkit::loadPlugin(path, &error))
            throw RunError(error.empty() ? "cannot load plug-in " + path : error);
    }
}

void openScene(const std::string& path) {
    quillomar_tools::checkReadableFile(path, "scene file");
    if (!MFileIO::open(MString(path.c_str()), nullptr, true))
        throw RunError("cannot open scene file " + path);
}

// "persp" when the scene has it, else the first perspective camera.
std::string defaultCamera() {
    std::string first;
    for (const MObject& node : hostkit::allNodes()) {
        if (!node.hasFn(MFn::kCamera) || MFnCamera(node).isOrtho())
            continue;
        const MFnDagNode shape(node);
        if (shape.parentCount() > 0 && MFnDependencyNode(shape.parent(0)).name() == "persp")
            return "persp";
        if (first.empty())
            first = shape.name().asChar();
    }
    if (first.empty())
        throw RunError("the scene has no perspective camera; name one with --camera");
    return first;
}

// With --stats: what a heads-up display shows for the frame just drawn.
void printStats(const ViewOptions& options, const std::string& camera) {
    if (options.stats)
        std::cout << quillomar_view::formatFrameStats(quillomar_view::gatherFrameStats(camera));
}

// Draws `frame`; returns the seconds it took.
double drawFrame(hostkit::Viewport& viewport, int frame, const ViewOptions& options,
                 const std::string& camera) {
    const auto start = std::chrono::steady_clock::now();
    MAnimControl::setCurrentTime(MTime(frame, MTime::uiUnit()));
    viewport.draw();
    printStats(options, camera);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Every frame in turn, so that history-dependent nodes see the frames in order; a progress line
// per frame (plain lines when --stats prints between them).
void drawFrames(hostkit::Viewport& viewport, const ViewOptions& options,
                const std::string& camera) {
    quillomar_tools::FramePictures pictures(
        std::cout, options.output, options.firstFrame, options.lastFrame, options.sheet,
        options.width, options.height,
        !options.stats && quillomar_tools::FrameProgress::stdoutIsTerminal());
    for (int frame = options.firstFrame; frame <= options.lastFrame; ++frame) {
        const double seconds = drawFrame(viewport, frame, options, camera);
        pictures.add(frame, viewport.image(), seconds);
    }
    pictures.finish();
}

void run(const ViewOptions& options) {
    loadPlugins(options.plugins);
    hostkit::setLoadReportsEveryLine(options.verbose);
    openScene(options.scene);
    const std::string camera = options.camera.empty() ? defaultCamera() : options.camera;
    hostkit::Viewport viewport(camera, options.width, options.height);
    viewport.setDisplayStyle(options.shaded ? M3dView::kGouraudShaded : M3dView::kWireFrame);
    viewport.setMode(options.legacyViewport ? hostkit::ViewportMode::kLegacy
                                            : hostkit::ViewportMode::kViewport2);
    if (options.hasFrames) {
        drawFrames(viewport, options, camera);
        return;
    }
    viewport.draw();
    quillomar_tools::writePicture(viewport.image(), options.output);
    std::cout << "wrote " << options.output << "\n";
    printStats(options, camera);
}

} // namespace

int main(int argc, char** argv) {
    return quillomar_tools::toolMain("quillomar-view", argc, argv, quillomar_view::parseViewOptions,
                                     quillomar_view::usageText, run);
}
