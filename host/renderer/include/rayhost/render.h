#pragma once
// A small render loop: one primary state per pixel, the root shader's colour per pixel, rows
// shared out among render threads with distinct thread numbers.
#include "rayhost/network.h"

#include <image_io.h>
#include <shader.h>

#include <cstdint>
#include <functional>
#include <string>

namespace rayhost {

struct RenderSettings {
    int width = 256;
    int height = 256;
    int threads = 1;
    miColor contrast = {0.1f, 0.1f, 0.1f, 0.1f}; // the options' colour contrast
    // Scene renders only:
    int samples = 0;    // 2^samples x 2^samples eye samples per pixel, 0..3
    int traceDepth = 6; // surfaces a ray may pass through by mi_trace_transparent, 0..16
};

// Throws std::invalid_argument for sizes outside 1..16384, thread counts outside 1..256, and
// sample or trace depth settings outside their ranges.
void checkSettings(const RenderSettings& settings);

// Stores a colour as an RGBA8 pixel: channels clamped to 0..1 and rounded; a negative channel
// or one that is not a number gives 0.
void storePixel(quillomar::Image& image, int x, int y, const miColor& color);

// A colour output: an instance's whole result, or one field of a struct result.
struct Output {
    InstanceId instance = 0;
    std::string field;
};

// Per-sample storage of a primary state: the state and its texture coordinates.
struct PrimarySample {
    miState state{};
    miVector uv{};
};

// Fills a primary ray's state for pixel (x, y) of a width x height image, row 0 at the top:
// texture coordinates u, v in 0..1 (v up) in tex_list[0], the hit point on the plane z = -1
// at (2u - 1, 2v - 1), normals facing the camera.
void fillPrimarySample(PrimarySample& sample, miOptions* options, int x, int y, int width,
                       int height, miSshort thread);

// Runs work(thread) on `count` threads numbered 0 .. count - 1 and waits for them; an
// exception thrown by any is rethrown here.
void runThreads(int count, const std::function<void(miSshort thread)>& work);

// Renders the output (which must be a colour) into an RGBA8 image, channels clamped to 0..1.
// Throws as checkSettings does, and NetworkError for an output that is not a colour.
quillomar::Image render(const ShaderNetwork& network, const Output& root,
                        const RenderSettings& settings);

} // namespace rayhost
