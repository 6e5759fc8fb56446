#include "rayhost/scene.h"

#include <algorithm>

namespace rayhost {

namespace {

void checkMesh(const Object& object) {
    const auto* mesh = std::get_if<Mesh>(&object.shape);
    if (mesh == nullptr) {
        return;
    }
    const long vertices = static_cast<long>(mesh->vertices.size());
    for (std::size_t t = 0; t < mesh->triangles.size(); ++t) {
        for (int corner : mesh->triangles[t]) {
            if (corner < 0 || corner >= vertices) {
                throw SceneError("mesh \"" + object.name + "\": triangle " + std::to_string(t) +
                                 " names vertex " + std::to_string(corner) + " of " +
                                 std::to_string(vertices));
            }
        }
    }
}

void checkContourFunction(const ShaderNetwork& network, InstanceId id, const std::string& what) {
    if (!appliesToContours(network, id)) {
        throw SceneError(what + " \"" + network.declaration(id).name +
                         "\" is not declared to apply to contours");
    }
}

} // namespace

bool appliesToContours(const ShaderNetwork& network, InstanceId shader) {
    const auto& apply = network.declaration(shader).apply;
    return std::find(apply.begin(), apply.end(), "contour") != apply.end();
}

bool isMaterialShader(const ShaderNetwork& network, InstanceId shader) {
    const ShaderDeclaration& declaration = network.declaration(shader);
    const auto& apply = declaration.apply;
    return declaration.hasResult && declaration.result.kind == ValueKind::Color &&
           (apply.empty() || std::find(apply.begin(), apply.end(), "material") != apply.end());
}

void validateGeometry(const Scene& scene) {
    if (!(scene.camera.fieldOfView > 0 && scene.camera.fieldOfView < 180)) {
        throw SceneError("the camera's field of view must lie between 0 and 180 degrees");
    }
    for (const Object& object : scene.objects) {
        const auto* sphere = std::get_if<Sphere>(&object.shape);
        if (sphere != nullptr && !(sphere->radius > 0)) {
            throw SceneError("sphere \"" + object.name + "\" has a radius that is not positive");
        }
        checkMesh(object);
    }
    for (const ObjectInstance& instance : scene.instances) {
        if (instance.object >= scene.objects.size()) {
            throw SceneError("instance \"" + instance.name + "\" places no object");
        }
        if (instance.material >= scene.materials.size()) {
            throw SceneError("instance \"" + instance.name + "\" has no material");
        }
        if (!(instance.transform.scale > 0)) {
            throw SceneError("instance \"" + instance.name + "\" has a scale that is not positive");
        }
    }
}

void validate(const Scene& scene, const ShaderNetwork& network) {
    validateGeometry(scene);
    for (const Material& material : scene.materials) {
        if (!isMaterialShader(network, material.shader)) {
            throw SceneError("material \"" + material.name + "\": shader \"" +
                             network.declaration(material.shader).name +
                             "\" is not a material shader");
        }
        if (material.contourShader) {
            checkContourFunction(network, *material.contourShader,
                                 "material \"" + material.name + "\": contour shader");
        }
    }
    if (scene.contourStore.has_value() != scene.contourContrast.has_value()) {
        throw SceneError("contours need both a store and a contrast function");
    }
    if (scene.contourStore) {
        checkContourFunction(network, *scene.contourStore, "contour store");
        checkContourFunction(network, *scene.contourContrast, "contour contrast");
    }
}

} // namespace rayhost
