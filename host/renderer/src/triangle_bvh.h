#pragma once
// A bounding volume hierarchy over a mesh's triangles, for the nearest hit along a ray.
#include "rayhost/vec3.h"

#include <array>
#include <cstdint>
#include <vector>

namespace rayhost {

struct TriangleHit {
    double distance = 0;
    std::uint32_t triangle = 0;
    double b1 = 0, b2 = 0; // barycentric weights of the second and third corner
};

class TriangleBvh {
public:
    TriangleBvh(std::vector<Vec3> vertices, std::vector<std::array<int, 3>> triangles);
    // The nearest triangle with a distance in (minDistance, maxDistance), skipping the triangle
    // numbered `skip` (-1: none). Both sides of a triangle are hit; degenerate ones never.
    bool nearest(const Ray& ray, double minDistance, double maxDistance, long skip,
                 TriangleHit& hit) const;

    const std::vector<Vec3>& vertices() const { return vertices_; }
    const std::vector<std::array<int, 3>>& triangles() const { return triangles_; }

private:
    struct Node {
        Vec3 low, high;
        std::uint32_t first = 0; // leaf: first entry of order_; inner: index of the right child
        std::uint32_t count = 0; // leaf: number of triangles; 0 for an inner node
    };
    std::vector<Vec3> vertices_;
    std::vector<std::array<int, 3>> triangles_;
    std::vector<std::uint32_t> order_; // triangle numbers, grouped by leaf
    std::vector<Node> nodes_;

    std::uint32_t build(std::uint32_t begin, std::uint32_t end);
    bool intersect(const Ray& ray, std::uint32_t triangle, double minDistance, double maxDistance,
                   TriangleHit& hit) const;
};

} // namespace rayhost
