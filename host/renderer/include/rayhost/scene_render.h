#pragma once
// Renders a scene by ray casting: the image is cut into tiles that render threads with distinct
// thread numbers take in turn. Each eye sample is shaded by its instance's material; with the
// scene's contour functions, the store function records every sample, the contrast function
// compares neighbouring samples across and down, the contour shader of the material in front
// colours each contour point, and the lines they make are drawn over the image.
#include "rayhost/network.h"
#include "rayhost/render.h"
#include "rayhost/scene.h"

#include <image_io.h>

namespace rayhost {

// Uses width, height, threads, contrast, samples and traceDepth of the settings. Installs its
// own transparency tracer while it runs, so one scene renders at a time in a process. Throws
// as checkSettings and validate do, and std::runtime_error for a store function that writes
// too large an info record.
quillomar::Image render(const ShaderNetwork& network, const Scene& scene,
                        const RenderSettings& settings);

// Eye samples are shaded tile by tile, a tile being this many samples each way.
constexpr int kTileSamples = 32;

} // namespace rayhost
