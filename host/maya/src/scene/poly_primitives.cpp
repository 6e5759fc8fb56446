#include "scene/poly_primitives.h"

#include <algorithm>
#include <cmath>

namespace scene {

namespace {

constexpr double kPi = 3.14159265358979323846;

int steps(int value, int minimum) {
    return std::clamp(value, minimum, kMaxSubdivisions);
}

// Collects vertices, UVs and faces in order; edges are hard unless softened.
class Builder {
public:
    explicit Builder(bool uvs) : uvs_(uvs) {}

    int vertex(double x, double y, double z) {
        mesh_.points.push_back({x, y, z});
        return static_cast<int>(mesh_.points.size()) - 1;
    }
    int uv(double u, double v) {
        if (!uvs_)
            return -1;
        mesh_.us.push_back(static_cast<float>(u));
        mesh_.vs.push_back(static_cast<float>(v));
        return static_cast<int>(mesh_.us.size()) - 1;
    }
    void face(const std::vector<int>& vertices, const std::vector<int>& uvIds) {
        mesh_.faceCounts.push_back(static_cast<int>(vertices.size()));
        mesh_.faceConnects.insert(mesh_.faceConnects.end(), vertices.begin(), vertices.end());
        if (uvs_)
            mesh_.uvIds.insert(mesh_.uvIds.end(), uvIds.begin(), uvIds.end());
    }
    // Softens every edge of the faces so far that `hard(a, b)` (a < b) does not keep hard.
    template <class Hard> void softenAllBut(Hard hard) {
        size_t first = 0;
        for (int count : mesh_.faceCounts) {
            for (int i = 0; i < count; ++i) {
                const Edge e = makeEdge(mesh_.faceConnects[first + i],
                                        mesh_.faceConnects[first + (i + 1) % count]);
                if (!hard(e[0], e[1]))
                    mesh_.softEdges.push_back(e);
            }
            first += static_cast<size_t>(count);
        }
        std::sort(mesh_.softEdges.begin(), mesh_.softEdges.end());
        mesh_.softEdges.erase(std::unique(mesh_.softEdges.begin(), mesh_.softEdges.end()),
                              mesh_.softEdges.end());
    }
    MeshGeometry take() { return std::move(mesh_); }

private:
    bool uvs_;
    MeshGeometry mesh_;
};

// A ring's vertex `j`: one step past +X for j = 0, turning towards -Z.
double ringAngle(int j, int count) {
    return 2.0 * kPi * (j + 1) / count;
}

// Quads between two rings of `count` vertices (first ids), outward for rings going up.
void ringBand(Builder& b, int lower, int upper, int count, int lowerUv, int upperUv) {
    for (int j = 0; j < count; ++j) {
        const int k = (j + 1) % count;
        b.face({lower + j, lower + k, upper + k, upper + j},
               {lowerUv + j, lowerUv + j + 1, upperUv + j + 1, upperUv + j});
    }
}

// UV ids of a row of count + 1 points (the last closes the seam) from u0 to u1 at v.
int uvRow(Builder& b, int count, double u0, double u1, double v) {
    int first = -1;
    for (int j = 0; j <= count; ++j) {
        const int id = b.uv(u0 + (u1 - u0) * j / count, v);
        if (j == 0)
            first = id;
    }
    return first;
}

// A flat cap over a ring of `count` vertices at height y: one polygon without cap steps, else
// `capSteps - 1` inner rings and a fan around a centre. `up` faces +Y, else -Y. UVs lie on a disc
// of radius 0.15625 about (cu, cv).
void cap(Builder& b, int ring, int count, double radius, double y, int capSteps, bool up, double cu,
         double cv) {
    constexpr double kDisc = 0.15625;
    auto discUv = [&](int j, double scale) {
        const double a = ringAngle(j, count);
        return b.uv(cu + kDisc * scale * std::cos(a),
                    cv + kDisc * scale * (up ? 1 : -1) * std::sin(a));
    };
    std::vector<int> outer(count), outerUv(count);
    for (int j = 0; j < count; ++j) {
        outer[j] = ring + j;
        outerUv[j] = discUv(j, 1.0);
    }
    auto orient = [up](std::vector<int> ids) {
        if (!up)
            std::reverse(ids.begin(), ids.end());
        return ids;
    };
    if (capSteps == 0) {
        b.face(orient(outer), orient(outerUv));
        return;
    }
    for (int m = 1; m < capSteps; ++m) {
        const double scale = double(capSteps - m) / capSteps;
        std::vector<int> inner(count), innerUv(count);
        for (int j = 0; j < count; ++j) {
            const double a = ringAngle(j, count);
            inner[j] = b.vertex(radius * scale * std::cos(a), y, -radius * scale * std::sin(a));
            innerUv[j] = discUv(j, scale);
        }
        for (int j = 0; j < count; ++j) {
            const int k = (j + 1) % count;
            b.face(orient({outer[j], outer[k], inner[k], inner[j]}),
                   orient({outerUv[j], outerUv[k], innerUv[k], innerUv[j]}));
        }
        outer = inner;
        outerUv = innerUv;
    }
    const int centre = b.vertex(0.0, y, 0.0);
    const int centreUv = b.uv(cu, cv);
    for (int j = 0; j < count; ++j) {
        const int k = (j + 1) % count;
        b.face(orient({outer[j], outer[k], centre}), orient({outerUv[j], outerUv[k], centreUv}));
    }
}

Vec3 rotate(const Vec3& p, const Vec3& k, double c, double s) {
    const double d = k[0] * p[0] + k[1] * p[1] + k[2] * p[2];
    const Vec3 x{k[1] * p[2] - k[2] * p[1], k[2] * p[0] - k[0] * p[2], k[0] * p[1] - k[1] * p[0]};
    Vec3 out;
    for (int i = 0; i < 3; ++i)
        out[i] = p[i] * c + x[i] * s + k[i] * d * (1.0 - c);
    return out;
}

} // namespace

MeshGeometry polyCube(const PolyCubeSize& size, bool uvs) {
    const int sw = steps(size.widthSteps, 1), sh = steps(size.heightSteps, 1),
              sd = steps(size.depthSteps, 1);
    const double w = size.width, h = size.height, d = size.depth;
    Builder b(uvs);
    // The band of rows around X: front (up), top (back), back (down), bottom (forward). Row t
    // runs across the width; the last row would repeat the first.
    const int rows = 2 * (sh + sd);
    auto rowPlace = [&](int t, double& y, double& z) {
        if (t <= sh) {
            y = -h / 2 + h * t / sh, z = d / 2;
        } else if (t <= sh + sd) {
            y = h / 2, z = d / 2 - d * (t - sh) / sd;
        } else if (t <= 2 * sh + sd) {
            y = h / 2 - h * (t - sh - sd) / sh, z = -d / 2;
        } else {
            y = -h / 2, z = -d / 2 + d * (t - 2 * sh - sd) / sd;
        }
    };
    auto rowV = [&](int t) {
        if (t <= sh)
            return 0.25 * t / sh;
        if (t <= sh + sd)
            return 0.25 + 0.25 * (t - sh) / sd;
        if (t <= 2 * sh + sd)
            return 0.5 + 0.25 * (t - sh - sd) / sh;
        return 0.75 + 0.25 * (t - 2 * sh - sd) / sd;
    };
    for (int t = 0; t < rows; ++t)
        for (int c = 0; c <= sw; ++c) {
            double y = 0, z = 0;
            rowPlace(t, y, z);
            b.vertex(-w / 2 + w * c / sw, y, z);
        }
    auto band = [&](int t, int c) { return (t % rows) * (sw + 1) + c; };
    for (int t = 0; t <= rows; ++t)
        for (int c = 0; c <= sw; ++c)
            b.uv(0.375 + 0.25 * c / sw, rowV(t));
    auto bandUv = [&](int t, int c) { return t * (sw + 1) + c; };
    // A side's grid point (k across the depth from its band edge, r up the height): on the
    // band's rows at the border, a new vertex inside.
    auto sideGrid = [&](int column, bool right) {
        std::vector<std::vector<int>> grid(sd + 1, std::vector<int>(sh + 1));
        for (int k = 0; k <= sd; ++k)
            for (int r = 0; r <= sh; ++r) {
                const int kf = right ? k : sd - k; // depth steps from the front
                int t = -1;
                if (kf == 0)
                    t = r;
                else if (r == sh)
                    t = sh + kf;
                else if (kf == sd)
                    t = 2 * sh + sd - r;
                else if (r == 0)
                    t = rows - kf;
                if (t >= 0) {
                    grid[k][r] = band(t, column);
                } else {
                    grid[k][r] = b.vertex(column == 0 ? -w / 2 : w / 2, -h / 2 + h * r / sh,
                                          d / 2 - d * kf / sd);
                }
            }
        return grid;
    };
    const auto right = sideGrid(sw, true);
    const auto left = sideGrid(0, false);
    // Side UVs: the band's front column where a side meets the front, new ones elsewhere.
    auto sideUvs = [&](bool isRight) {
        std::vector<std::vector<int>> grid(sd + 1, std::vector<int>(sh + 1));
        for (int k = 0; k <= sd; ++k)
            for (int r = 0; r <= sh; ++r) {
                const bool atFront = isRight ? k == 0 : k == sd;
                grid[k][r] = atFront ? bandUv(r, isRight ? sw : 0) : -2;
            }
        for (int k = 0; k <= sd; ++k)
            for (int r = 0; r <= sh; ++r)
                if (grid[k][r] == -2)
                    grid[k][r] = b.uv(isRight ? 0.625 + 0.25 * k / sd : 0.125 + 0.25 * k / sd,
                                      0.25 * r / sh);
        return grid;
    };
    const auto rightUv = sideUvs(true);
    const auto leftUv = sideUvs(false);
    for (int t = 0; t < rows; ++t)
        for (int c = 0; c < sw; ++c)
            b.face({band(t, c), band(t, c + 1), band(t + 1, c + 1), band(t + 1, c)},
                   {bandUv(t, c), bandUv(t, c + 1), bandUv(t + 1, c + 1), bandUv(t + 1, c)});
    for (const auto* side : {&right, &left}) {
        const auto& uv = side == &right ? rightUv : leftUv;
        for (int r = 0; r < sh; ++r)
            for (int k = 0; k < sd; ++k)
                b.face({(*side)[k][r], (*side)[k + 1][r], (*side)[k + 1][r + 1], (*side)[k][r + 1]},
                       {uv[k][r], uv[k + 1][r], uv[k + 1][r + 1], uv[k][r + 1]});
    }
    return b.take(); // every edge hard: a cube is faceted
}

MeshGeometry polyPlane(const PolyPlaneSize& size, bool uvs) {
    const int sw = steps(size.widthSteps, 1), sh = steps(size.heightSteps, 1);
    Builder b(uvs);
    for (int r = 0; r <= sh; ++r)
        for (int c = 0; c <= sw; ++c) {
            b.vertex(-size.width / 2 + size.width * c / sw, 0.0,
                     size.height / 2 - size.height * r / sh);
            b.uv(double(c) / sw, double(r) / sh);
        }
    auto at = [sw](int r, int c) { return r * (sw + 1) + c; };
    for (int r = 0; r < sh; ++r)
        for (int c = 0; c < sw; ++c) {
            const std::vector<int> ids{at(r, c), at(r, c + 1), at(r + 1, c + 1), at(r + 1, c)};
            b.face(ids, ids);
        }
    b.softenAllBut([](int, int) { return false; });
    return b.take();
}

MeshGeometry polySphere(const PolyRoundSize& size, bool uvs) {
    const int sa = steps(size.axisSteps, 3), sh = steps(size.heightSteps, 2);
    const double r = size.radius;
    Builder b(uvs);
    // Rings from the bottom up, then the bottom and the top pole.
    for (int i = 1; i < sh; ++i) {
        const double polar = kPi * i / sh;
        for (int j = 0; j < sa; ++j) {
            const double a = ringAngle(j, sa);
            b.vertex(r * std::sin(polar) * std::cos(a), -r * std::cos(polar),
                     -r * std::sin(polar) * std::sin(a));
        }
    }
    const int bottom = b.vertex(0.0, -r, 0.0);
    const int top = b.vertex(0.0, r, 0.0);
    std::vector<int> rowUv;
    for (int i = 1; i < sh; ++i)
        rowUv.push_back(uvRow(b, sa, 0.0, 1.0, double(i) / sh));
    int bottomUv = -1, topUv = -1;
    for (int j = 0; j < sa; ++j) {
        const int id = b.uv((j + 0.5) / sa, 0.0);
        if (j == 0)
            bottomUv = id;
    }
    for (int j = 0; j < sa; ++j) {
        const int id = b.uv((j + 0.5) / sa, 1.0);
        if (j == 0)
            topUv = id;
    }
    for (int i = 0; i + 1 < sh - 1; ++i)
        ringBand(b, i * sa, (i + 1) * sa, sa, rowUv[i], rowUv[i + 1]);
    const int last = (sh - 2) * sa;
    for (int j = 0; j < sa; ++j) {
        const int k = (j + 1) % sa;
        b.face({k, j, bottom}, {rowUv.front() + j + 1, rowUv.front() + j, bottomUv + j});
    }
    for (int j = 0; j < sa; ++j) {
        const int k = (j + 1) % sa;
        b.face({last + j, last + k, top}, {rowUv.back() + j, rowUv.back() + j + 1, topUv + j});
    }
    b.softenAllBut([](int, int) { return false; });
    return b.take();
}

namespace {

// Cylinder and cone: rings from the bottom up with radius(k) at height step k; the cone's top
// ring is its apex. Caps are hard-edged against the side, which is smooth.
MeshGeometry roundSided(const PolyRoundSize& size, bool uvs, bool cone) {
    const int sa = steps(size.axisSteps, 3), sh = steps(size.heightSteps, 1);
    const int sc = std::clamp(size.capSteps, 0, kMaxSubdivisions);
    const double r = size.radius, h = size.height;
    Builder b(uvs);
    const int rings = cone ? sh : sh + 1;
    for (int k = 0; k < rings; ++k) {
        const double radius = cone ? r * (1.0 - double(k) / sh) : r;
        for (int j = 0; j < sa; ++j) {
            const double a = ringAngle(j, sa);
            b.vertex(radius * std::cos(a), -h / 2 + h * k / sh, -radius * std::sin(a));
        }
    }
    std::vector<int> rowUv;
    for (int k = 0; k < rings; ++k)
        rowUv.push_back(uvRow(b, sa, 0.375, 0.625, 0.3125 + 0.375 * k / sh));
    for (int k = 0; k + 1 < rings; ++k)
        ringBand(b, k * sa, (k + 1) * sa, sa, rowUv[k], rowUv[k + 1]);
    if (cone) {
        const int apex = b.vertex(0.0, h / 2, 0.0);
        const int last = (rings - 1) * sa;
        for (int j = 0; j < sa; ++j) {
            const int apexUv = b.uv(0.375 + 0.25 * (j + 0.5) / sa, 0.6875);
            b.face({last + j, last + (j + 1) % sa, apex},
                   {rowUv[rings - 1] + j, rowUv[rings - 1] + j + 1, apexUv});
        }
    }
    cap(b, 0, sa, r, -h / 2, sc, false, 0.5, 0.15625);
    if (!cone)
        cap(b, sh * sa, sa, r, h / 2, sc, true, 0.5, 0.84375);
    // Hard: the rims where a cap meets the side.
    const int topRim = cone ? -1 : sh * sa;
    b.softenAllBut([sa, topRim](int a, int c) {
        const bool bottomRim = c < sa;
        const bool onTop = topRim >= 0 && a >= topRim && c < topRim + sa;
        return bottomRim || onTop;
    });
    return b.take();
}

} // namespace

MeshGeometry polyCylinder(const PolyRoundSize& size, bool uvs) {
    return roundSided(size, uvs, false);
}

MeshGeometry polyCone(const PolyRoundSize& size, bool uvs) {
    return roundSided(size, uvs, true);
}

MeshGeometry polyTorus(const PolyRoundSize& size, bool uvs) {
    const int sa = steps(size.axisSteps, 3), sh = steps(size.heightSteps, 3);
    Builder b(uvs);
    const double twist = size.twistDegrees * kPi / 180.0;
    // Section rings around the tube, each going once around the main axis.
    for (int j = 0; j < sh; ++j) {
        const double section = 2.0 * kPi * j / sh + twist;
        const double radius = size.radius + size.sectionRadius * std::cos(section);
        for (int i = 0; i < sa; ++i) {
            const double a = ringAngle(i, sa);
            b.vertex(radius * std::cos(a), size.sectionRadius * std::sin(section),
                     -radius * std::sin(a));
        }
    }
    std::vector<int> rowUv;
    for (int j = 0; j <= sh; ++j)
        rowUv.push_back(uvRow(b, sa, 0.0, 1.0, double(j) / sh));
    for (int j = 0; j < sh; ++j)
        ringBand(b, j * sa, ((j + 1) % sh) * sa, sa, rowUv[j], rowUv[j + 1]);
    b.softenAllBut([](int, int) { return false; });
    return b.take();
}

void orientToAxis(MeshGeometry& mesh, const Vec3& axis) {
    const double length = std::sqrt(axis[0] * axis[0] + axis[1] * axis[1] + axis[2] * axis[2]);
    if (length == 0.0)
        return;
    const Vec3 a{axis[0] / length, axis[1] / length, axis[2] / length};
    // Rotation taking +Y to a: about Y x a by the angle between them (about X when opposite).
    Vec3 k{a[2], 0.0, -a[0]};
    const double s = std::sqrt(k[0] * k[0] + k[2] * k[2]), c = a[1];
    if (s < 1e-12) {
        if (c > 0)
            return;
        k = {1.0, 0.0, 0.0};
    } else {
        k = {k[0] / s, 0.0, k[2] / s};
    }
    const double sine = s < 1e-12 ? 0.0 : s;
    for (Vec3& p : mesh.points)
        p = rotate(p, k, c, sine);
    for (Vec3& n : mesh.normals)
        if (std::abs(n[0]) < kUnsetNormal)
            n = rotate(n, k, c, sine);
}

} // namespace scene
