#include "triangle_bvh.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace rayhost {

namespace {

constexpr std::uint32_t kLeafSize = 4;

double axisOf(Vec3 v, int axis) {
    return axis == 0 ? v.x : axis == 1 ? v.y : v.z;
}

Vec3 lower(Vec3 a, Vec3 b) {
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::min(a.z, b.z)};
}

Vec3 higher(Vec3 a, Vec3 b) {
    return {std::max(a.x, b.x), std::max(a.y, b.y), std::max(a.z, b.z)};
}

// Slab test: whether the ray passes the box within (minDistance, maxDistance).
bool crossesBox(const Ray& ray, Vec3 low, Vec3 high, double minDistance, double maxDistance) {
    for (int axis = 0; axis < 3; ++axis) {
        const double origin = axisOf(ray.origin, axis);
        const double direction = axisOf(ray.direction, axis);
        if (direction == 0) {
            if (origin < axisOf(low, axis) || origin > axisOf(high, axis)) {
                return false;
            }
            continue;
        }
        double near = (axisOf(low, axis) - origin) / direction;
        double far = (axisOf(high, axis) - origin) / direction;
        if (near > far) {
            std::swap(near, far);
        }
        minDistance = std::max(minDistance, near);
        maxDistance = std::min(maxDistance, far);
        if (minDistance > maxDistance) {
            return false;
        }
    }
    return true;
}

} // namespace

TriangleBvh::TriangleBvh(std::vector<Vec3> vertices, std::vector<std::array<int, 3>> triangles)
    : vertices_(std::move(vertices)), triangles_(std::move(triangles)) {
    order_.resize(triangles_.size());
    for (std::uint32_t i = 0; i < order_.size(); ++i) {
        order_[i] = i;
    }
    if (!order_.empty()) {
        nodes_.reserve(2 * order_.size() / kLeafSize + 1);
        build(0, static_cast<std::uint32_t>(order_.size()));
    }
}

// Splits at the median of the triangle centres along the widest axis of their bounds.
std::uint32_t TriangleBvh::build(std::uint32_t begin, std::uint32_t end) {
    const auto centre = [&](std::uint32_t triangle) {
        const auto& t = triangles_[triangle];
        return (vertices_[t[0]] + vertices_[t[1]] + vertices_[t[2]]) * (1.0 / 3.0);
    };
    Node node;
    const double inf = std::numeric_limits<double>::infinity();
    node.low = {inf, inf, inf};
    node.high = {-inf, -inf, -inf};
    Vec3 centreLow = node.low;
    Vec3 centreHigh = node.high;
    for (std::uint32_t i = begin; i < end; ++i) {
        for (int corner : triangles_[order_[i]]) {
            node.low = lower(node.low, vertices_[corner]);
            node.high = higher(node.high, vertices_[corner]);
        }
        centreLow = lower(centreLow, centre(order_[i]));
        centreHigh = higher(centreHigh, centre(order_[i]));
    }
    // Padded, so that flat boxes of axis-aligned triangles still meet their rays.
    const double pad = 1e-9 * (1 + std::max({std::abs(node.low.x), std::abs(node.low.y),
                                             std::abs(node.low.z), std::abs(node.high.x),
                                             std::abs(node.high.y), std::abs(node.high.z)}));
    node.low = node.low - Vec3{pad, pad, pad};
    node.high = node.high + Vec3{pad, pad, pad};
    const std::uint32_t index = static_cast<std::uint32_t>(nodes_.size());
    nodes_.push_back(node);
    if (end - begin <= kLeafSize) {
        nodes_[index].first = begin;
        nodes_[index].count = end - begin;
        return index;
    }
    const Vec3 extent = centreHigh - centreLow;
    const int axis = extent.x >= extent.y && extent.x >= extent.z ? 0
                     : extent.y >= extent.z                       ? 1
                                                                  : 2;
    const std::uint32_t middle = begin + (end - begin) / 2;
    std::nth_element(order_.begin() + begin, order_.begin() + middle, order_.begin() + end,
                     [&](std::uint32_t a, std::uint32_t b) {
                         return axisOf(centre(a), axis) < axisOf(centre(b), axis);
                     });
    build(begin, middle); // the left child follows its parent
    nodes_[index].first = build(middle, end);
    return index;
}

// Moeller-Trumbore, both sides.
bool TriangleBvh::intersect(const Ray& ray, std::uint32_t triangle, double minDistance,
                            double maxDistance, TriangleHit& hit) const {
    const auto& t = triangles_[triangle];
    const Vec3 v0 = vertices_[t[0]];
    const Vec3 edge1 = vertices_[t[1]] - v0;
    const Vec3 edge2 = vertices_[t[2]] - v0;
    const Vec3 p = cross(ray.direction, edge2);
    const double determinant = dot(edge1, p);
    if (std::abs(determinant) < 1e-14 * length(edge1) * length(edge2)) {
        return false; // parallel to the ray, or degenerate
    }
    const double inverse = 1.0 / determinant;
    const Vec3 s = ray.origin - v0;
    const double b1 = dot(s, p) * inverse;
    if (b1 < 0 || b1 > 1) {
        return false;
    }
    const Vec3 q = cross(s, edge1);
    const double b2 = dot(ray.direction, q) * inverse;
    if (b2 < 0 || b1 + b2 > 1) {
        return false;
    }
    const double distance = dot(edge2, q) * inverse;
    if (!(distance > minDistance && distance < maxDistance)) {
        return false;
    }
    hit = {distance, triangle, b1, b2};
    return true;
}

bool TriangleBvh::nearest(const Ray& ray, double minDistance, double maxDistance, long skip,
                          TriangleHit& hit) const {
    if (nodes_.empty()) {
        return false;
    }
    bool found = false;
    std::uint32_t stack[64];
    int depth = 0;
    stack[depth++] = 0;
    while (depth > 0) {
        const Node& node = nodes_[stack[--depth]];
        if (!crossesBox(ray, node.low, node.high, minDistance, maxDistance)) {
            continue;
        }
        if (node.count == 0) {
            stack[depth++] = node.first;
            stack[depth++] = static_cast<std::uint32_t>(&node - nodes_.data()) + 1;
            continue;
        }
        for (std::uint32_t i = node.first; i < node.first + node.count; ++i) {
            if (static_cast<long>(order_[i]) != skip &&
                intersect(ray, order_[i], minDistance, maxDistance, hit)) {
                maxDistance = hit.distance;
                found = true;
            }
        }
    }
    return found;
}

} // namespace rayhost
