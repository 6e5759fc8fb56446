#pragma once
// The scene's geometry in the renderer's internal space, which is camera space (the camera at
// the origin looking down -z, y up, so the z of a point in front of the camera is negative), and
// the nearest surface along a ray.
#include "rayhost/scene.h"
#include "rayhost/vec3.h"

#include <shader.h>

#include <memory>

namespace rayhost {

struct SurfaceHit {
    double distance = 0; // along the ray
    Vec3 point;
    // Unit normals turned towards the side the ray came from, as states carry them: the
    // interpolated one and the geometric one.
    Vec3 normal;
    Vec3 normalGeom;
    std::size_t instance = 0;
    miUint primitive = 0;
    // Texture coordinates: longitude and latitude (0..1) on a sphere, the object's x and z on a
    // plane, the barycentric weights of the second and third corner on a triangle.
    miVector uv{};
};

// The surface a continued ray leaves, which it must not find again at its own start.
struct StartSurface {
    std::size_t instance = 0;
    miUint primitive = 0;
};

class RayCaster {
public:
    // Throws SceneError for a scene whose geometry or camera cannot be set up (see validate).
    RayCaster(const Scene& scene, int width, int height);
    ~RayCaster();
    RayCaster(const RayCaster&) = delete;
    RayCaster& operator=(const RayCaster&) = delete;

    // The eye ray through an image position in pixels, x to the right and y down from the
    // top-left corner of a width x height image.
    Ray eyeRay(double x, double y) const;
    // The nearest surface in front of the ray's origin; `from` is skipped where the ray starts.
    bool nearest(const Ray& ray, SurfaceHit& hit, const StartSurface* from = nullptr) const;

private:
    struct Placed;
    std::vector<std::unique_ptr<Placed>> placed_;
    double width_, height_, tanHalfView_;
};

} // namespace rayhost
