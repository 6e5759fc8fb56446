#pragma once
// Scene files of quillomar-render: shader instances, their values and attachments, and the
// output to render. One statement per line, '#' starts a comment:
//   shader NAME SHADER                  an instance of a library shader or a renderer pattern
//   array NAME.PATH COUNT               gives an array COUNT elements
//   set NAME.PATH VALUE...              1 value; 3 for a vector; 3 or 4 for a color
//   connect NAME.PATH SOURCE[.FIELD]    attaches a field to another instance's output
//   render SOURCE[.FIELD]               the color output to render (exactly once)
#include <rayhost/network.h>
#include <rayhost/patterns.h>
#include <rayhost/render.h>
#include <rayhost/shader_library.h>

#include <istream>
#include <stdexcept>
#include <string>

namespace quillomar {

struct SceneError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Builds the scene's instances into `network`; returns the output to render. Throws SceneError
// naming `origin` and the line.
rayhost::Output loadScene(std::istream& in, const std::string& origin,
                          const rayhost::ShaderLibrary& library,
                          const rayhost::PatternShaders& patterns, rayhost::ShaderNetwork& network);

} // namespace quillomar
