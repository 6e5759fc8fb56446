#include "rayhost/ray_caster.h"
#include "affine.h"
#include "triangle_bvh.h"

#include <cmath>
#include <limits>
#include <optional>

namespace rayhost {

namespace {

constexpr double kPi = 3.14159265358979323846;
// Hits closer than this to a ray's origin are its own start.
constexpr double kMinDistance = 1e-9;

// Angle-weighted averages of the normals of the triangles around each vertex.
std::vector<Vec3> vertexNormals(const TriangleBvh& mesh) {
    const auto& vertices = mesh.vertices();
    std::vector<Vec3> normals(vertices.size());
    for (const auto& triangle : mesh.triangles()) {
        const Vec3 face = normalized(cross(vertices[triangle[1]] - vertices[triangle[0]],
                                           vertices[triangle[2]] - vertices[triangle[0]]));
        for (int corner = 0; corner < 3; ++corner) {
            const Vec3 at = vertices[triangle[corner]];
            const Vec3 a = normalized(vertices[triangle[(corner + 1) % 3]] - at);
            const Vec3 b = normalized(vertices[triangle[(corner + 2) % 3]] - at);
            const double angle = std::acos(std::max(-1.0, std::min(1.0, dot(a, b))));
            normals[triangle[corner]] = normals[triangle[corner]] + face * angle;
        }
    }
    for (Vec3& normal : normals) {
        normal = normalized(normal);
    }
    return normals;
}

} // namespace

struct RayCaster::Placed {
    Affine toCamera;
    const Shape* shape = nullptr;
    Vec3 centre; // sphere centre or a point of the plane
    double radius = 0;
    Vec3 planeNormal;
    std::optional<TriangleBvh> mesh;
    std::vector<Vec3> normals; // smooth meshes: per vertex

    bool hitSphere(const Ray& ray, bool start, double maxDistance, SurfaceHit& hit) const {
        const Vec3 offset = ray.origin - centre;
        const double b = dot(offset, ray.direction);
        const double c = dot(offset, offset) - radius * radius;
        const double discriminant = b * b - c;
        if (discriminant < 0) {
            return false;
        }
        // A ray leaving the sphere from its surface must not meet that point again.
        const double minDistance = start ? 1e-4 * radius : kMinDistance;
        const double root = std::sqrt(discriminant);
        double distance = -b - root;
        if (!(distance > minDistance)) {
            distance = -b + root;
        }
        if (!(distance > minDistance && distance < maxDistance)) {
            return false;
        }
        hit.distance = distance;
        hit.point = ray.origin + ray.direction * distance;
        hit.normal = normalized(hit.point - centre);
        hit.normalGeom = hit.normal;
        hit.primitive = 0;
        const Vec3 local = normalized(toCamera.inversePoint(hit.point));
        hit.uv = {
            static_cast<miScalar>(0.5 + std::atan2(local.x, local.z) / (2 * kPi)),
            static_cast<miScalar>(0.5 + std::asin(std::max(-1.0, std::min(1.0, local.y))) / kPi),
            0.0f};
        return true;
    }

    bool hitPlane(const Ray& ray, double maxDistance, SurfaceHit& hit) const {
        const double facing = dot(planeNormal, ray.direction);
        if (std::abs(facing) < 1e-12) {
            return false;
        }
        const double distance = dot(planeNormal, centre - ray.origin) / facing;
        if (!(distance > kMinDistance && distance < maxDistance)) {
            return false;
        }
        hit.distance = distance;
        hit.point = ray.origin + ray.direction * distance;
        hit.normal = planeNormal;
        hit.normalGeom = planeNormal;
        hit.primitive = 0;
        const Vec3 local = toCamera.inversePoint(hit.point);
        hit.uv = {static_cast<miScalar>(local.x), static_cast<miScalar>(local.z), 0.0f};
        return true;
    }

    bool hitMesh(const Ray& ray, long skip, double maxDistance, SurfaceHit& hit) const {
        TriangleHit found;
        if (!mesh->nearest(ray, kMinDistance, maxDistance, skip, found)) {
            return false;
        }
        const auto& corners = mesh->triangles()[found.triangle];
        const auto& v = mesh->vertices();
        hit.distance = found.distance;
        hit.point = ray.origin + ray.direction * found.distance;
        hit.normalGeom =
            normalized(cross(v[corners[1]] - v[corners[0]], v[corners[2]] - v[corners[0]]));
        hit.normal = hit.normalGeom;
        if (!normals.empty()) {
            const double b0 = 1 - found.b1 - found.b2;
            const Vec3 blended = normals[corners[0]] * b0 + normals[corners[1]] * found.b1 +
                                 normals[corners[2]] * found.b2;
            if (length(blended) > 0) {
                hit.normal = normalized(blended);
            }
        }
        hit.primitive = found.triangle;
        hit.uv = {static_cast<miScalar>(found.b1), static_cast<miScalar>(found.b2), 0.0f};
        return true;
    }
};

RayCaster::RayCaster(const Scene& scene, int width, int height) : width_(width), height_(height) {
    tanHalfView_ = std::tan(scene.camera.fieldOfView * kPi / 360.0);
    validateGeometry(scene);
    const Affine view = worldToCamera(scene.camera);
    for (const ObjectInstance& instance : scene.instances) {
        auto placed = std::make_unique<Placed>();
        placed->toCamera = compose(view, objectToWorld(instance.transform));
        placed->shape = &scene.objects[instance.object].shape;
        if (const auto* sphere = std::get_if<Sphere>(placed->shape)) {
            placed->centre = placed->toCamera.t;
            placed->radius = sphere->radius * instance.transform.scale;
        } else if (std::holds_alternative<Plane>(*placed->shape)) {
            placed->centre = placed->toCamera.t;
            placed->planeNormal = placed->toCamera.normal({0, 1, 0});
        } else {
            const Mesh& mesh = std::get<Mesh>(*placed->shape);
            std::vector<Vec3> vertices;
            vertices.reserve(mesh.vertices.size());
            for (const Vec3& vertex : mesh.vertices) {
                vertices.push_back(placed->toCamera.point(vertex));
            }
            placed->mesh.emplace(std::move(vertices), mesh.triangles);
            if (mesh.smooth) {
                placed->normals = vertexNormals(*placed->mesh);
            }
        }
        placed_.push_back(std::move(placed));
    }
}

RayCaster::~RayCaster() = default;

Ray RayCaster::eyeRay(double x, double y) const {
    const double across = (2 * x / width_ - 1) * tanHalfView_;
    const double up = (1 - 2 * y / height_) * tanHalfView_ * height_ / width_;
    return {{0, 0, 0}, normalized({across, up, -1})};
}

bool RayCaster::nearest(const Ray& ray, SurfaceHit& hit, const StartSurface* from) const {
    double maxDistance = std::numeric_limits<double>::infinity();
    bool found = false;
    for (std::size_t i = 0; i < placed_.size(); ++i) {
        const Placed& placed = *placed_[i];
        const bool start = from != nullptr && from->instance == i;
        SurfaceHit candidate;
        bool hitHere = false;
        if (placed.mesh) {
            hitHere = placed.hitMesh(ray, start ? static_cast<long>(from->primitive) : -1,
                                     maxDistance, candidate);
        } else if (std::holds_alternative<Sphere>(*placed.shape)) {
            hitHere = placed.hitSphere(ray, start, maxDistance, candidate);
        } else if (!start) { // a straight ray cannot meet the plane it leaves
            hitHere = placed.hitPlane(ray, maxDistance, candidate);
        }
        if (hitHere) {
            candidate.instance = i;
            maxDistance = candidate.distance;
            hit = candidate;
            found = true;
        }
    }
    if (found && dot(hit.normalGeom, ray.direction) > 0) {
        hit.normal = -hit.normal;
        hit.normalGeom = -hit.normalGeom;
    }
    return found;
}

} // namespace rayhost
