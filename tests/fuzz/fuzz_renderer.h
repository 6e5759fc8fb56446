#pragma once
// What the renderer-side fuzz targets render with: the built shader library with its shipped
// declarations and the stand-in's pattern shaders. Made once in LLVMFuzzerInitialize and kept
// for the whole process, as the renderer keeps a loaded library.
#include <rayhost/patterns.h>
#include <rayhost/shader_library.h>

namespace fuzz {

struct Renderer {
    rayhost::ShaderLibrary library{QUILLOMAR_SHADER_LIBRARY, QUILLOMAR_SHADER_DECLARATIONS};
    rayhost::PatternShaders patterns;
};

inline Renderer* loadRenderer() {
    return new Renderer();
}

} // namespace fuzz
