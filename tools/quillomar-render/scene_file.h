#pragma once
// Scene files of quillomar-render: one statement per line, '#' starts a comment. A scene either
// previews a shader output over the image (shader, array, set, connect, render) or places
// objects to ray cast (camera, object, vertex, triangle, material, instance, label, scale,
// rotate, translate, contour, option, background). The tool's --help describes each statement.
#include <rayhost/network.h>
#include <rayhost/patterns.h>
#include <rayhost/render.h>
#include <rayhost/scene.h>
#include <rayhost/shader_library.h>

#include <istream>
#include <optional>
#include <stdexcept>
#include <string>

namespace quillomar {

struct SceneError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct LoadedScene {
    std::optional<rayhost::Output> output; // a shader preview
    rayhost::Scene scene;                  // otherwise the objects to ray cast
    rayhost::RenderSettings options;       // contrast, samples and depth as the scene sets them
};

// Builds the scene's instances into `network` and reads the rest. Throws SceneError naming
// `origin` and the line.
LoadedScene loadScene(std::istream& in, const std::string& origin,
                      const rayhost::ShaderLibrary& library,
                      const rayhost::PatternShaders& patterns, rayhost::ShaderNetwork& network);

} // namespace quillomar
