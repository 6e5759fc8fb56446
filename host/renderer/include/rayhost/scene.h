#pragma once
// A scene for the ray caster: objects in their own space, placed by instances that carry a
// material and a label, a pinhole camera, the background, and the contour functions. Materials,
// contour shaders and contour functions are instances of a ShaderNetwork.
#include "rayhost/network.h"
#include "rayhost/vec3.h"

#include <shader.h>

#include <array>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace rayhost {

// A sphere of that radius around the object's origin.
struct Sphere {
    double radius = 1;
};

// The infinite plane y = 0 of the object, facing +y.
struct Plane {};

// Triangles over a vertex list, counter-clockwise seen from their front. A smooth mesh
// interpolates vertex normals (angle-weighted averages of the faces around each vertex); a flat
// one uses each triangle's own normal.
struct Mesh {
    std::vector<Vec3> vertices;
    std::vector<std::array<int, 3>> triangles;
    bool smooth = false;
};

using Shape = std::variant<Sphere, Plane, Mesh>;

struct Object {
    std::string name;
    Shape shape;
};

// Scale, then rotation about x, y and z in that order (degrees), then translation.
struct Transform {
    Vec3 translate;
    Vec3 rotate;
    double scale = 1;
};

struct Material {
    std::string name;
    InstanceId shader = 0; // material shader: (color result, state, parameters)
    std::optional<InstanceId> contourShader;
};

// An object placed in the scene. Its primitive indices (mi_query 159) are the triangle numbers
// of a mesh, 0 for a sphere or a plane.
struct ObjectInstance {
    std::string name;
    std::size_t object = 0;
    std::size_t material = 0;
    miUint label = 0;
    Transform transform;
};

// A pinhole camera; the field of view is horizontal.
struct Camera {
    Vec3 position{0, 0, 10};
    Vec3 aim{0, 0, 0};
    Vec3 up{0, 1, 0};
    double fieldOfView = 40; // degrees
};

struct Scene {
    Camera camera;
    std::vector<Object> objects;
    std::vector<Material> materials;
    std::vector<ObjectInstance> instances;
    miColor background{0, 0, 0, 0}; // what rays that hit nothing see
    // The contour pipeline runs when both are given.
    std::optional<InstanceId> contourStore;
    std::optional<InstanceId> contourContrast;
};

struct SceneError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Whether the instance's shader is declared to apply to contours (apply contour).
bool appliesToContours(const ShaderNetwork& network, InstanceId shader);
// Whether the instance's shader can be a material: it returns a colour and, if its declaration
// says what it applies to, it applies to materials.
bool isMaterialShader(const ShaderNetwork& network, InstanceId shader);

// Checks what the ray caster relies on: the camera's field of view, objects and materials of
// instances that exist, positive radii and scales, triangle corners that are vertices. Throws
// SceneError naming the item.
void validateGeometry(const Scene& scene);
// validateGeometry, and what shading relies on: material shaders for materials, contour shaders
// and functions declared to apply to contours, both contour functions or neither.
void validate(const Scene& scene, const ShaderNetwork& network);

// Database tags of the scene's items, as states and options carry them.
struct SceneTags {
    static constexpr miTag camera = 1;
    static miTag material(std::size_t index) { return static_cast<miTag>(2 + 2 * index); }
    static miTag instance(std::size_t index) { return static_cast<miTag>(3 + 2 * index); }
    // The index of the instance with that tag (meaningless for other tags).
    static std::size_t instanceIndex(miTag tag) { return (tag - 3) / 2; }
    static miTag shader(InstanceId id) { return static_cast<miTag>(0x10000 + id); }
};

} // namespace rayhost
