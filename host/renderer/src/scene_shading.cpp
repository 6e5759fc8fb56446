#include "rayhost/scene_shading.h"
#include "rayhost/call_memory.h"
#include "rayhost/shader_frame.h"

#include <stdexcept>
#include <string>

namespace rayhost {

namespace {

// The sample being shaded on this thread: where its contour records go, and a store fault to
// report once the shaders have returned (never thrown through a shader's frames).
struct SampleContext {
    ContourLevel* record = nullptr;
    int overflow = 0; // info size of a store function that wrote too much
};

thread_local SampleContext currentSample;

// A state and the texture coordinates its tex_list points to.
struct StateWithCoordinates {
    miState state;
    miVector uv;
};

void placeHit(miState& state, const SurfaceHit& hit, const Ray& ray, const Scene& scene,
              miVector* uv) {
    const ObjectInstance& instance = scene.instances[hit.instance];
    state.instance = SceneTags::instance(hit.instance);
    state.material = SceneTags::material(instance.material);
    state.label = instance.label;
    state.pri_idx = hit.primitive;
    state.org = toMiVector(ray.origin);
    state.dir = toMiVector(ray.direction);
    state.dist = static_cast<miScalar>(hit.distance);
    state.point = toMiVector(hit.point);
    state.normal = toMiVector(hit.normal);
    state.normal_geom = toMiVector(hit.normalGeom);
    state.dot_nd = static_cast<miScalar>(dot(hit.normal, ray.direction));
    *uv = hit.uv;
    state.tex_list = uv;
}

int chainLength(const miState* state) {
    int length = 0;
    for (; state != nullptr; state = state->parent) {
        ++length;
    }
    return length;
}

} // namespace

SceneShading::SceneShading(const ShaderNetwork& network, const Scene& scene,
                           const RayCaster& caster, miOptions& options, int levels)
    : network_(network), scene_(scene), caster_(caster), options_(options), levels_(levels) {}

miColor SceneShading::shade(miState& state, const SurfaceHit& hit, int level) const {
    const Material& material = scene_.materials[scene_.instances[hit.instance].material];
    miColor color{0, 0, 0, 0};
    network_.call(material.shader, &color, &state);
    ContourLevel* record = currentSample.record;
    if (record == nullptr || !scene_.contourStore || level > levels_) {
        return color;
    }
    ContourLevel& slot = record[level - 1];
    ShaderFrame frame(network_, *scene_.contourStore, &state);
    int size = 0;
    miColor stored = color;
    const bool kept =
        frame.function<miContour_Store_Function>()(slot.info, &size, &state, &stored) != miFALSE;
    if (size < 0 || size > kContourInfoCapacity) {
        currentSample.overflow = size;
    }
    slot.present = kept;
    slot.infoSize = size;
    slot.depth = state.point.z;
    slot.material = scene_.instances[hit.instance].material;
    slot.materialTag = state.material;
    slot.label = state.label;
    slot.normal = state.normal;
    return color;
}

miColor SceneShading::shadeEye(double x, double y, int height, miSshort thread,
                               ContourLevel* record) const {
    for (int level = 0; record != nullptr && level < levels_; ++level) {
        record[level].present = false;
    }
    const Ray ray = caster_.eyeRay(x, y);
    SurfaceHit hit;
    if (!caster_.nearest(ray, hit)) {
        return scene_.background;
    }
    StateWithCoordinates eye{};
    miState& state = eye.state;
    state.version = 1;
    state.camera_inst = SceneTags::camera;
    state.raster_x = static_cast<miScalar>(x);
    state.raster_y = static_cast<miScalar>(height - y);
    state.options = &options_;
    state.type = miRAY_EYE;
    state.thread = thread;
    placeHit(state, hit, ray, scene_, &eye.uv);

    currentSample = {record, 0};
    CallScope scope; // continued rays' states stay valid until the sample is done
    const miColor color = shade(state, hit, 1);
    const int overflow = currentSample.overflow;
    currentSample = {};
    if (overflow != 0) {
        throw std::runtime_error("the contour store function wrote an info of " +
                                 std::to_string(overflow) + " bytes; at most " +
                                 std::to_string(kContourInfoCapacity) + " are allowed");
    }
    return color;
}

miBoolean SceneShading::traceTransparent(miColor* result, miState* state) const {
    state->child = nullptr;
    const int level = chainLength(state) + 1;
    if (level > levels_) {
        *result = {0, 0, 0, 0};
        return miFALSE;
    }
    const Ray ray{fromMiVector(state->point), normalized(fromMiVector(state->dir))};
    const StartSurface from{SceneTags::instanceIndex(state->instance), state->pri_idx};
    SurfaceHit hit;
    if (!caster_.nearest(ray, hit, &from)) {
        *result = scene_.background;
        return miFALSE;
    }
    auto* continued = static_cast<StateWithCoordinates*>(callMemory(sizeof(StateWithCoordinates)));
    miState& child = continued->state;
    child = *state;
    child.type = miRAY_TRANSPARENT;
    child.parent = state;
    child.child = nullptr;
    placeHit(child, hit, ray, scene_, &continued->uv);
    state->child = &child;
    *result = shade(child, hit, level);
    return miTRUE;
}

} // namespace rayhost
