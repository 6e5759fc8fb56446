#include "scene/mesh_geometry.h"

#include "scene/mel_values.h"
#include "scene/word_reader.h"

#include <cmath>

namespace scene {

namespace {

Vec3 sub(const Vec3& a, const Vec3& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}
Vec3 cross(const Vec3& a, const Vec3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
double dot(const Vec3& a, const Vec3& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}
double length(const Vec3& a) {
    return std::sqrt(dot(a, a));
}

Vec3 normalized(const Vec3& a) {
    double l = length(a);
    return l > 0.0 ? Vec3{a[0] / l, a[1] / l, a[2] / l} : Vec3{0.0, 0.0, 0.0};
}

// Newell's method: robust for non-planar and concave polygons.
Vec3 faceNormal(const MeshGeometry& mesh, size_t first, int count) {
    Vec3 n{0.0, 0.0, 0.0};
    for (int i = 0; i < count; ++i) {
        const Vec3& a = mesh.points[mesh.faceConnects[first + i]];
        const Vec3& b = mesh.points[mesh.faceConnects[first + (i + 1) % count]];
        n[0] += (a[1] - b[1]) * (a[2] + b[2]);
        n[1] += (a[2] - b[2]) * (a[0] + b[0]);
        n[2] += (a[0] - b[0]) * (a[1] + b[1]);
    }
    return normalized(n);
}

double cornerAngle(const Vec3& prev, const Vec3& at, const Vec3& next) {
    Vec3 a = sub(prev, at), b = sub(next, at);
    return std::atan2(length(cross(a, b)), dot(a, b));
}

} // namespace

std::string MeshGeometry::validate() const {
    size_t total = 0;
    for (int count : faceCounts) {
        if (count < 3)
            return "a face has fewer than 3 vertices";
        total += static_cast<size_t>(count);
    }
    if (total != faceConnects.size())
        return "face vertex counts do not match the vertex list";
    for (int id : faceConnects)
        if (id < 0 || static_cast<size_t>(id) >= points.size())
            return "face vertex id " + std::to_string(id) + " is out of range";
    if (us.size() != vs.size())
        return "u and v lists differ in length";
    if (!uvIds.empty() && uvIds.size() != faceConnects.size())
        return "UV ids do not match the face vertices";
    for (int id : uvIds)
        if (id < 0 || static_cast<size_t>(id) >= us.size())
            return "UV id " + std::to_string(id) + " is out of range";
    return "";
}

std::vector<Vec3> vertexNormals(const MeshGeometry& mesh, bool angleWeighted) {
    std::vector<Vec3> sums(mesh.points.size(), Vec3{0.0, 0.0, 0.0});
    size_t first = 0;
    for (int count : mesh.faceCounts) {
        Vec3 n = faceNormal(mesh, first, count);
        for (int i = 0; i < count; ++i) {
            int v = mesh.faceConnects[first + i];
            double w = 1.0;
            if (angleWeighted) {
                const Vec3& prev = mesh.points[mesh.faceConnects[first + (i + count - 1) % count]];
                const Vec3& next = mesh.points[mesh.faceConnects[first + (i + 1) % count]];
                w = cornerAngle(prev, mesh.points[v], next);
            }
            for (int k = 0; k < 3; ++k)
                sums[v][k] += n[k] * w;
        }
        first += static_cast<size_t>(count);
    }
    for (Vec3& n : sums)
        n = normalized(n);
    return sums;
}

std::vector<Vec3> faceVertexNormals(const MeshGeometry& mesh) {
    std::vector<Vec3> perVertex = vertexNormals(mesh, true);
    std::vector<Vec3> out;
    out.reserve(mesh.faceConnects.size());
    for (int v : mesh.faceConnects)
        out.push_back(perVertex[v]);
    return out;
}

std::string formatMesh(const MeshGeometry& mesh) {
    std::string out = std::to_string(mesh.points.size());
    for (const Vec3& p : mesh.points)
        out += "\n" + formatDouble(p[0]) + " " + formatDouble(p[1]) + " " + formatDouble(p[2]);
    auto list = [&out](const auto& values, auto format) {
        out += "\n" + std::to_string(values.size());
        for (const auto& v : values)
            out += " " + format(v);
    };
    auto integer = [](int v) { return std::to_string(v); };
    list(mesh.faceCounts, integer);
    list(mesh.faceConnects, integer);
    out += "\n" + std::to_string(mesh.us.size());
    for (size_t i = 0; i < mesh.us.size(); ++i)
        out += " " + formatFloat(mesh.us[i]) + " " + formatFloat(mesh.vs[i]);
    list(mesh.uvIds, integer);
    return out;
}

std::string parseMesh(const std::vector<std::string>& words, size_t& next, MeshGeometry& mesh) {
    WordReader in(words, next);
    size_t n = 0;
    if (!in.count(n))
        return "bad mesh point count";
    mesh.points.assign(n, Vec3{0.0, 0.0, 0.0});
    for (Vec3& p : mesh.points)
        if (!in.number(p[0]) || !in.number(p[1]) || !in.number(p[2]))
            return "bad mesh point";
    if (!in.counted(mesh.faceCounts) || !in.counted(mesh.faceConnects))
        return "bad mesh faces";
    if (!in.count(n))
        return "bad mesh UV count";
    mesh.us.assign(n, 0.0f);
    mesh.vs.assign(n, 0.0f);
    for (size_t i = 0; i < n; ++i)
        if (!in.number(mesh.us[i]) || !in.number(mesh.vs[i]))
            return "bad mesh UV";
    if (!in.counted(mesh.uvIds))
        return "bad mesh UV ids";
    return mesh.validate();
}

} // namespace scene
