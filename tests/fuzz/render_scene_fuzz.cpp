// quillomar-render's scene reader on any text, in both forms (a shader network previewed, or
// objects ray cast with contour functions), and what it accepts rendered small: a scene is
// refused with a SceneError, NetworkError or LoadError naming what is wrong, or it renders.
#include "fuzz_renderer.h"

#include <rayhost/render.h>
#include <rayhost/scene_render.h>
#include <scene_file.h>

#include <sstream>
#include <stdexcept>
#include <string>

namespace {

fuzz::Renderer* renderer = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    renderer = fuzz::loadRenderer();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream text(std::string(reinterpret_cast<const char*>(data), size));
    rayhost::ShaderNetwork network;
    try {
        const quillomar::LoadedScene loaded = quillomar::loadScene(
            text, "fuzz.scene", renderer->library, renderer->patterns, network);
        rayhost::RenderSettings settings = loaded.options;
        settings.width = 7;
        settings.height = 5;
        settings.threads = 1;
        if (loaded.output)
            rayhost::render(network, *loaded.output, settings);
        else
            rayhost::render(network, loaded.scene, settings);
    } catch (const std::exception&) {
        // Refused with a message: what a hostile scene may get.
    }
    return 0;
}
