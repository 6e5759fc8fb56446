// quillomar-render: renders a shader preview or a ray-cast scene with the stand-in renderer,
// loading the shader library as the renderer does; one picture, or one per frame of a range.
#include "render_options.h"
#include "scene_file.h"
#include "scene_frames.h"

#include <image_io.h>
#include <frame_pictures.h>
#include <input_file.h>
#include <rayhost/scene_render.h>
#include <tool_main.h>

#include <chrono>
#include <iomanip>
#include <iostream>
#include <sstream>
#include <string>

namespace {

using quillomar_render::RenderOptions;

class Renderer {
public:
    explicit Renderer(const RenderOptions& options)
        : options_(options),
          library_(options.library.empty() ? QUILLOMAR_DEFAULT_LIBRARY : options.library,
                   options.declarations.empty() ? QUILLOMAR_DEFAULT_DECLARATIONS
                                                : options.declarations),
          text_(quillomar_tools::readWholeFile(options.scene, "scene")) {}

    // Renders the scene at `frame`; `seconds` is how long it took.
    quillomar::Image renderFrame(int frame, double& seconds) const {
        const auto start = std::chrono::steady_clock::now();
        std::istringstream scene(quillomar_render::sceneAtFrame(text_, frame));
        rayhost::ShaderNetwork network;
        const quillomar::LoadedScene loaded =
            quillomar::loadScene(scene, options_.scene, library_, patterns_, network);
        rayhost::RenderSettings settings = loaded.options;
        settings.width = options_.width;
        settings.height = options_.height;
        settings.threads = quillomar_render::threadsToUse(options_);
        quillomar::Image image = loaded.output ? rayhost::render(network, *loaded.output, settings)
                                               : rayhost::render(network, loaded.scene, settings);
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        return image;
    }

private:
    const RenderOptions& options_;
    rayhost::ShaderLibrary library_;
    rayhost::PatternShaders patterns_;
    std::string text_;
};

void run(const RenderOptions& options) {
    const Renderer renderer(options);
    double seconds = 0;
    if (!options.hasFrames) {
        quillomar_tools::writePicture(renderer.renderFrame(options.firstFrame, seconds),
                                      options.output);
        std::cout << "wrote " << options.output << " (" << std::fixed << std::setprecision(2)
                  << seconds << " s)\n";
        return;
    }
    quillomar_tools::FramePictures pictures(
        std::cout, options.output, options.firstFrame, options.lastFrame, options.sheet,
        options.width, options.height, quillomar_tools::FrameProgress::stdoutIsTerminal());
    for (int frame = options.firstFrame; frame <= options.lastFrame; ++frame) {
        const quillomar::Image picture = renderer.renderFrame(frame, seconds);
        pictures.add(frame, picture, seconds);
    }
    pictures.finish();
}

} // namespace

int main(int argc, char** argv) {
    return quillomar_tools::toolMain("quillomar-render", argc, argv,
                                     quillomar_render::parseRenderOptions,
                                     quillomar_render::usageText, run);
}
