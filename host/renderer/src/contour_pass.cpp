#include "rayhost/contour_pass.h"
#include "rayhost/shader_frame.h"

#include <algorithm>
#include <cmath>

namespace rayhost {

ContourPass::ContourPass(const ShaderNetwork& network, const Scene& scene, miOptions& options,
                         int width, int height, int samplesPerPixel)
    : network_(network), scene_(scene), options_(options), height_(height),
      samplesPerPixel_(samplesPerPixel), pixelsPerWidth_(std::min(width, height) / 100.0) {}

void ContourPass::compare(const ContourLevel* first, const ContourLevel* second, int levels,
                          const SamplePair& pair, miSshort thread,
                          std::vector<ContourPoint>& out) const {
    ContourPoint point;
    point.pair = pair;
    const double step = 0.5 / samplesPerPixel_;
    point.x = (pair.x + 0.5) / samplesPerPixel_ + (pair.across ? step : 0);
    point.y = (pair.y + 0.5) / samplesPerPixel_ + (pair.across ? 0 : step);

    miState state{};
    state.version = 1;
    state.camera_inst = SceneTags::camera;
    state.options = &options_;
    state.type = miRAY_NONE;
    state.thread = thread;
    state.raster_x = static_cast<miScalar>(point.x);
    state.raster_y = static_cast<miScalar>(height_ - point.y);
    for (int level = 1; level <= levels; ++level) {
        const ContourLevel* a = first[level - 1].present ? &first[level - 1] : nullptr;
        const ContourLevel* b = second[level - 1].present ? &second[level - 1] : nullptr;
        if (a == nullptr && b == nullptr) {
            break; // a ray tree has no level below an absent one
        }
        bool contour = false;
        {
            ShaderFrame frame(network_, *scene_.contourContrast, &state);
            contour = frame.function<miContour_Contrast_Function>()(
                          a != nullptr ? const_cast<unsigned char*>(a->info) : nullptr,
                          b != nullptr ? const_cast<unsigned char*>(b->info) : nullptr, level,
                          &state, frame.parameters()) != miFALSE;
        }
        if (contour) {
            shadePoint(a, b, level, state, point, out);
        }
    }
}

void ContourPass::shadePoint(const ContourLevel* first, const ContourLevel* second, int level,
                             miState& state, ContourPoint point,
                             std::vector<ContourPoint>& out) const {
    // The sample nearer the camera is in front: the larger z.
    const ContourLevel* near = first;
    const ContourLevel* far = second;
    if (near == nullptr || (far != nullptr && far->depth > near->depth)) {
        std::swap(near, far);
    }
    const Material& material = scene_.materials[near->material];
    if (!material.contourShader) {
        return;
    }
    miContour_endpoint end{};
    end.point = {static_cast<miScalar>(point.x), static_cast<miScalar>(height_ - point.y),
                 near->depth};
    end.normal = near->normal;
    end.material = near->materialTag;
    end.label = static_cast<miInteger>(near->label);
    bool drawn = false;
    {
        ShaderFrame frame(network_, *material.contourShader, &state);
        drawn = frame.function<miContour_Shader_Function>()(
                    &end, const_cast<unsigned char*>(near->info),
                    far != nullptr ? const_cast<unsigned char*>(far->info) : nullptr, &state,
                    frame.parameters()) != miFALSE;
    }
    if (!drawn) {
        return;
    }
    point.level = level;
    point.color = end.color;
    const double width = end.width * pixelsPerWidth_;
    point.width = width > 0 ? width : 0; // also for a width that is not a number
    out.push_back(point);
}

} // namespace rayhost
