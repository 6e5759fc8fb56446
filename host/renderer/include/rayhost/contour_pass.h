#pragma once
// The contour pass: the contrast function between neighbouring samples, level by level, and the
// contour shader of the material in front for every contour found. The renderer keeps its own
// record of each sample's depth and material per level; the info records themselves are the
// store function's and are only handed on.
#include "rayhost/network.h"
#include "rayhost/scene.h"
#include "rayhost/scene_shading.h"

#include <shader.h>

#include <cstdint>
#include <vector>

namespace rayhost {

// Two neighbouring samples of the sample grid: (x, y) and its right (across) or lower
// neighbour.
struct SamplePair {
    int x = 0;
    int y = 0;
    bool across = true;
};

// A point of a contour line, halfway between the two samples it separates.
struct ContourPoint {
    SamplePair pair;
    int level = 1;
    double x = 0, y = 0; // image position in pixels, y down from the top
    miColor color{};
    double width = 0; // pixels
};

class ContourPass {
public:
    // An image of width x height pixels, sampled samplesPerPixel x samplesPerPixel times per
    // pixel. The scene must have its contour functions.
    ContourPass(const ShaderNetwork& network, const Scene& scene, miOptions& options, int width,
                int height, int samplesPerPixel);

    // Compares the two samples' records (levels() entries each) level by level while either
    // has one; appends a point for every level where the contrast function finds a contour,
    // with the colour and width that the contour shader of the front sample's material gives
    // it. No point where that material has no contour shader or its shader returns false.
    void compare(const ContourLevel* first, const ContourLevel* second, int levels,
                 const SamplePair& pair, miSshort thread, std::vector<ContourPoint>& out) const;

private:
    const ShaderNetwork& network_;
    const Scene& scene_;
    miOptions& options_;
    int height_;
    int samplesPerPixel_;
    double pixelsPerWidth_; // a contour width is a percentage of the smaller image side

    void shadePoint(const ContourLevel* first, const ContourLevel* second, int level,
                    miState& state, ContourPoint point, std::vector<ContourPoint>& out) const;
};

} // namespace rayhost
