#include "scene/mesh_geometry.h"

#include "scene/mel_values.h"
#include "scene/word_reader.h"

#include <cmath>
#include <numeric>
#include <unordered_map>
#include <unordered_set>

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

double cornerAngle(const Vec3& prev, const Vec3& at, const Vec3& next) {
    Vec3 a = sub(prev, at), b = sub(next, at);
    return std::atan2(length(cross(a, b)), dot(a, b));
}

long long edgeKey(const Edge& e) {
    return (static_cast<long long>(e[0]) << 32) | static_cast<unsigned int>(e[1]);
}

// Face-vertices that share a smooth shading normal, as sets of a union-find forest.
class CornerGroups {
public:
    explicit CornerGroups(size_t count) : parent_(count) {
        std::iota(parent_.begin(), parent_.end(), size_t{0});
    }
    size_t find(size_t c) {
        while (parent_[c] != c)
            c = parent_[c] = parent_[parent_[c]];
        return c;
    }
    void join(size_t a, size_t b) { parent_[find(a)] = find(b); }

private:
    std::vector<size_t> parent_;
};

// Joins, across every soft edge, the face-vertices at each of its two ends.
void joinAcrossSoftEdges(const MeshGeometry& mesh, CornerGroups& groups) {
    std::unordered_set<long long> soft;
    for (const Edge& e : mesh.softEdges)
        soft.insert(edgeKey(makeEdge(e[0], e[1])));
    // Per soft edge: the face-vertex at its first end and at its second, in each face using it.
    std::unordered_map<long long, std::vector<std::array<size_t, 2>>> uses;
    size_t first = 0;
    for (int count : mesh.faceCounts) {
        for (int i = 0; i < count; ++i) {
            const size_t a = first + i, b = first + (i + 1) % count;
            const int va = mesh.faceConnects[a], vb = mesh.faceConnects[b];
            const long long key = edgeKey(makeEdge(va, vb));
            if (soft.count(key))
                uses[key].push_back(va < vb ? std::array<size_t, 2>{a, b}
                                            : std::array<size_t, 2>{b, a});
        }
        first += static_cast<size_t>(count);
    }
    for (const auto& entry : uses)
        for (const auto& use : entry.second) {
            groups.join(use[0], entry.second.front()[0]);
            groups.join(use[1], entry.second.front()[1]);
        }
}

bool isUnset(const Vec3& n) {
    return std::abs(n[0]) >= kUnsetNormal || std::abs(n[1]) >= kUnsetNormal ||
           std::abs(n[2]) >= kUnsetNormal;
}

std::string validateIds(const std::vector<int>& ids, size_t limit, const char* what) {
    for (int id : ids)
        if (id < 0 || static_cast<size_t>(id) >= limit)
            return std::string(what) + " id " + std::to_string(id) + " is out of range";
    return "";
}

} // namespace

Edge makeEdge(int a, int b) {
    return a < b ? Edge{a, b} : Edge{b, a};
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

std::string MeshGeometry::validate() const {
    size_t total = 0;
    for (int count : faceCounts) {
        if (count < 3)
            return "a face has fewer than 3 vertices";
        total += static_cast<size_t>(count);
    }
    if (total != faceConnects.size())
        return "face vertex counts do not match the vertex list";
    std::string problem = validateIds(faceConnects, points.size(), "face vertex");
    if (!problem.empty())
        return problem;
    if (us.size() != vs.size())
        return "u and v lists differ in length";
    if (!uvIds.empty() && uvIds.size() != faceConnects.size())
        return "UV ids do not match the face vertices";
    if (!(problem = validateIds(uvIds, us.size(), "UV")).empty())
        return problem;
    for (const Edge& e : softEdges)
        if (!(problem = validateIds({e[0], e[1]}, points.size(), "edge vertex")).empty())
            return problem;
    if (!normals.empty() && normals.size() != faceConnects.size())
        return "normals do not match the face vertices";
    for (const Hole& hole : holes) {
        if (hole.face < 0 || static_cast<size_t>(hole.face) >= faceCounts.size())
            return "a hole lies in face " + std::to_string(hole.face) + ", which does not exist";
        if (hole.vertices.size() < 3)
            return "a hole has fewer than 3 vertices";
        if (!(problem = validateIds(hole.vertices, points.size(), "hole vertex")).empty())
            return problem;
    }
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
    const size_t corners = mesh.faceConnects.size();
    CornerGroups groups(corners);
    joinAcrossSoftEdges(mesh, groups);
    std::vector<Vec3> faceNormals(corners), sums(corners, Vec3{0.0, 0.0, 0.0});
    size_t first = 0;
    for (int count : mesh.faceCounts) {
        const Vec3 n = faceNormal(mesh, first, count);
        for (int i = 0; i < count; ++i) {
            const size_t c = first + i;
            const Vec3& prev = mesh.points[mesh.faceConnects[first + (i + count - 1) % count]];
            const Vec3& next = mesh.points[mesh.faceConnects[first + (i + 1) % count]];
            const double w = cornerAngle(prev, mesh.points[mesh.faceConnects[c]], next);
            faceNormals[c] = n;
            Vec3& sum = sums[groups.find(c)];
            for (int k = 0; k < 3; ++k)
                sum[k] += n[k] * w;
        }
        first += static_cast<size_t>(count);
    }
    std::vector<Vec3> out(corners);
    for (size_t c = 0; c < corners; ++c) {
        if (!mesh.normals.empty() && !isUnset(mesh.normals[c])) {
            out[c] = normalized(mesh.normals[c]);
            continue;
        }
        const Vec3 n = normalized(sums[groups.find(c)]);
        out[c] = n == Vec3{0.0, 0.0, 0.0} ? faceNormals[c] : n;
    }
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
    if (!mesh.softEdges.empty()) {
        out += "\n" + std::to_string(mesh.softEdges.size());
        for (const Edge& e : mesh.softEdges)
            out += " " + std::to_string(e[0]) + " " + std::to_string(e[1]);
    }
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
    mesh.softEdges.clear();
    if (next < words.size()) {
        size_t n = 0;
        if (!in.count(n))
            return "bad mesh soft edge count";
        mesh.softEdges.resize(n);
        for (Edge& e : mesh.softEdges) {
            int a = 0, b = 0;
            if (!in.integer(a) || !in.integer(b))
                return "bad mesh soft edge";
            e = makeEdge(a, b);
        }
    }
    return mesh.validate();
}

} // namespace scene
