#pragma once
// Shading of ray-cast samples as the renderer does it: a hit becomes a render state, the
// instance's material shader runs in it and, when contours are on, the contour store function
// runs right after it on the same thread with the state and the material's colour.
// mi_trace_transparent continues a state's ray through its surface and shades what it meets
// the same way, one level deeper in the sample's ray tree.
#include "rayhost/network.h"
#include "rayhost/ray_caster.h"
#include "rayhost/scene.h"

#include <shader.h>

#include <cstddef>

namespace rayhost {

// The largest contour info record a store function may write.
constexpr int kContourInfoCapacity = 256;

// What the store function recorded for one sample at one level of its ray tree: level 1 is the
// surface the eye ray hit, level n the one reached through n - 1 surfaces.
struct ContourLevel {
    bool present = false;
    float depth = 0; // z of the state's point
    std::size_t material = 0;
    miTag materialTag = miNULLTAG;
    miUint label = 0;
    miVector normal{};
    int infoSize = 0;
    alignas(16) unsigned char info[kContourInfoCapacity];
};

class SceneShading {
public:
    // `levels`: how deep a sample's ray tree may go (1: no continued rays). The scene, network
    // and options must outlive the shading.
    SceneShading(const ShaderNetwork& network, const Scene& scene, const RayCaster& caster,
                 miOptions& options, int levels);

    int levels() const { return levels_; }

    // The colour an eye sample at image position (x, y) in pixels sees (y down from the top
    // of a `height` pixel image), shaded on render thread `thread`. With contours on and
    // `record` given, record[0 .. levels - 1] receive what the store function stored at each
    // level (levels not reached are marked absent). Throws std::runtime_error when a store
    // function writes more than kContourInfoCapacity bytes.
    miColor shadeEye(double x, double y, int height, miSshort thread,
                     ContourLevel* record = nullptr) const;

    // mi_trace_transparent for states of this render.
    miBoolean traceTransparent(miColor* result, miState* state) const;

private:
    const ShaderNetwork& network_;
    const Scene& scene_;
    const RayCaster& caster_;
    miOptions& options_;
    int levels_;

    miColor shade(miState& state, const SurfaceHit& hit, int level) const;
};

} // namespace rayhost
