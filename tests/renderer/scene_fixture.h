#pragma once
// Scenes for the shading and contour tests, built from the test shaders: flat materials with
// fixed contour lines, the recording store and the material contrast.
#include "scene_test_shaders.h"

#include <rayhost/network.h>
#include <rayhost/scene.h>

#include <string>

namespace scenetest {

class SceneFixture {
public:
    rayhost::ShaderNetwork network;
    rayhost::Scene scene;

    // A flat material; with a line width, a fixedLine contour shader of that colour and width.
    std::size_t material(const std::string& name, miColor color, bool seeThrough = false,
                         miColor line = {0, 0, 0, 1}, float width = 0) {
        rayhost::Material material{name, network.add(name, kind("flat")), {}};
        network.set(material.shader, "color", {color.r, color.g, color.b, color.a});
        network.set(material.shader, "seeThrough", {seeThrough ? 1.0 : 0.0});
        if (width > 0) {
            const auto contour = network.add(name + "Line", kind("fixedLine"));
            network.set(contour, "color", {line.r, line.g, line.b, line.a});
            network.set(contour, "width", {width});
            material.contourShader = contour;
        }
        scene.materials.push_back(material);
        return scene.materials.size() - 1;
    }

    std::size_t place(const std::string& name, rayhost::Shape shape, std::size_t material,
                      miUint label = 0, rayhost::Transform transform = {}) {
        scene.objects.push_back({name, std::move(shape)});
        scene.instances.push_back({name, scene.objects.size() - 1, material, label, transform});
        return scene.instances.size() - 1;
    }

    void withContours(int maxLevel = 1) {
        scene.contourStore = network.add("store", kind("recordingStore"));
        scene.contourContrast = network.add("contrast", kind("materialContrast"));
        network.set(*scene.contourContrast, "maxLevel", {double(maxLevel)});
    }

    // A white ball of radius 1 at the origin in front of a white wall facing the camera at
    // z = -3; the camera looks from (0, 0, 10). Ball label 7, wall label 9.
    void ballBeforeWall(bool seeThrough = false) {
        const std::size_t ball = material("ballMaterial", {1, 1, 1, 1}, seeThrough);
        const std::size_t wall = material("wallMaterial", {0.5, 0.5, 0.5, 1});
        place("ball", rayhost::Sphere{1}, ball, 7);
        place("wall", rayhost::Plane{}, wall, 9, {{0, 0, -3}, {90, 0, 0}, 1});
    }
};

} // namespace scenetest
