// The meshes the poly creation nodes make, and meshes resolved from Maya's stored lists.
#include "scene/mesh_components.h"
#include "scene/poly_primitives.h"

#include "words.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

using namespace scene;

namespace {

// Maya's unit cube as a scene file stores it.
MeshComponents storedCube() {
    MeshComponents c;
    c.vertices = {{-0.5, -0.5, 0.5}, {0.5, -0.5, 0.5}, {-0.5, 0.5, 0.5},   {0.5, 0.5, 0.5},
                  {-0.5, 0.5, -0.5}, {0.5, 0.5, -0.5}, {-0.5, -0.5, -0.5}, {0.5, -0.5, -0.5}};
    const int ends[12][2] = {{0, 1}, {2, 3}, {4, 5}, {6, 7}, {0, 2}, {1, 3},
                             {2, 4}, {3, 5}, {4, 6}, {5, 7}, {6, 0}, {7, 1}};
    for (const auto& e : ends)
        c.edges.push_back({e[0], e[1], false});
    const auto list = words("f 4 0 5 -2 -5 mu 0 4 0 1 3 2 f 4 1 7 -3 -7 mu 0 4 2 3 5 4 "
                            "f 4 2 9 -4 -9 mu 0 4 4 5 7 6 f 4 3 11 -1 -11 mu 0 4 6 7 9 8 "
                            "f 4 -12 -10 -8 -6 mu 0 4 1 10 11 3 f 4 10 4 6 8 mu 0 4 12 0 2 13");
    for (size_t next = 0; next < list.size();) {
        c.faces.emplace_back();
        EXPECT_EQ(parsePolyFace(list, next, c.faces.back()), "");
    }
    c.us = {0.375f, 0.625f, 0.375f, 0.625f, 0.375f, 0.625f, 0.375f,
            0.625f, 0.375f, 0.625f, 0.875f, 0.875f, 0.125f, 0.125f};
    c.vs = {0, 0, 0.25f, 0.25f, 0.5f, 0.5f, 0.75f, 0.75f, 1, 1, 0, 0.25f, 0, 0.25f};
    return c;
}

Vec3 centroid(const MeshGeometry& m, size_t first, int count) {
    Vec3 c{0, 0, 0};
    for (int k = 0; k < count; ++k)
        for (int i = 0; i < 3; ++i)
            c[i] += m.points[m.faceConnects[first + k]][i] / count;
    return c;
}

// A closed surface around the origin: every edge joins exactly two faces, walked once each
// way, and every face looks away from the origin.
void expectClosedAndOutward(const MeshGeometry& m, const char* what) {
    std::map<std::pair<int, int>, int> walked;
    size_t first = 0;
    for (int count : m.faceCounts) {
        for (int k = 0; k < count; ++k)
            ++walked[{m.faceConnects[first + k], m.faceConnects[first + (k + 1) % count]}];
        const Vec3 n = faceNormal(m, first, count), c = centroid(m, first, count);
        EXPECT_GT(n[0] * c[0] + n[1] * c[1] + n[2] * c[2], 0.0) << what << " face";
        first += static_cast<size_t>(count);
    }
    for (const auto& [edge, times] : walked) {
        EXPECT_EQ(times, 1) << what;
        EXPECT_EQ(walked.count({edge.second, edge.first}), 1u) << what;
    }
    EXPECT_EQ(m.validate(), "") << what;
}

} // namespace

TEST(PolyPrimitives, TheUnitCubeIsMayasCubeVertexForVertex) {
    MeshGeometry stored;
    ASSERT_EQ(buildMesh(storedCube(), stored), "");
    const MeshGeometry made = polyCube({}, true);
    EXPECT_EQ(made.points, stored.points);
    EXPECT_EQ(made.faceCounts, stored.faceCounts);
    EXPECT_EQ(made.faceConnects, stored.faceConnects);
    EXPECT_EQ(made.us, stored.us);
    EXPECT_EQ(made.vs, stored.vs);
    EXPECT_EQ(made.uvIds, stored.uvIds);
    EXPECT_TRUE(made.softEdges.empty()); // a cube is faceted
}

TEST(PolyPrimitives, CountsMatchMayasDefaultsAndSurfacesAreClosed) {
    struct Case {
        const char* name;
        MeshGeometry mesh;
        size_t vertices, faces;
    };
    PolyRoundSize sphere, cylinder, cone, torus;
    cylinder.heightSteps = cone.heightSteps = 1;
    const Case cases[] = {
        {"cube 2x3x4", polyCube({1, 1, 1, 2, 3, 4}, true), 2 * (6 + 12 + 8) + 2, 2 * (6 + 12 + 8)},
        {"sphere", polySphere(sphere, true), 382, 400},
        {"cylinder", polyCylinder(cylinder, true), 40, 22},
        {"cone", polyCone(cone, true), 21, 21},
        {"torus", polyTorus(torus, true), 400, 400},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.mesh.points.size(), c.vertices) << c.name;
        EXPECT_EQ(c.mesh.faceCounts.size(), c.faces) << c.name;
        if (std::string(c.name) != "torus") // a torus does not enclose the origin
            expectClosedAndOutward(c.mesh, c.name);
    }
    EXPECT_EQ(polyPlane({}, true).points.size(), 121u);
    EXPECT_EQ(polyPlane({}, true).faceCounts.size(), 100u);
}

TEST(PolyPrimitives, CapsAndSubdivisionsKeepTheSurfaceClosed) {
    PolyRoundSize size;
    size.axisSteps = 7;
    size.heightSteps = 3;
    size.capSteps = 2;
    const MeshGeometry cylinder = polyCylinder(size, true);
    // Four rings of seven, an inner ring and a centre per cap.
    EXPECT_EQ(cylinder.points.size(), 4u * 7 + 2 * (7 + 1));
    expectClosedAndOutward(cylinder, "capped cylinder");
    expectClosedAndOutward(polyCone(size, true), "capped cone");
    // Maya's first ring vertex lies one step past +X, towards -Z.
    const double step = 2 * M_PI / 7;
    EXPECT_NEAR(cylinder.points[0][0], std::cos(step), 1e-12);
    EXPECT_NEAR(cylinder.points[0][2], -std::sin(step), 1e-12);
    EXPECT_NEAR(cylinder.points[0][1], -1.0, 1e-12);
    // Only the rims are hard.
    for (const Edge& e : cylinder.softEdges)
        EXPECT_FALSE(e[1] < 7) << e[0] << "-" << e[1];
    EXPECT_EQ(polySphere(size, false).uvIds.size(), 0u);
}

TEST(PolyPrimitives, SubdivisionsAreBoundedAndTheAxisTurnsTheMesh) {
    PolyRoundSize huge;
    huge.axisSteps = 1 << 30;
    huge.heightSteps = -4;
    const MeshGeometry sphere = polySphere(huge, false);
    EXPECT_EQ(sphere.points.size(), size_t(kMaxSubdivisions) * 1 + 2); // two bands: one ring

    PolyRoundSize size;
    size.heightSteps = 1;
    MeshGeometry cylinder = polyCylinder(size, false);
    orientToAxis(cylinder, {2, 0, 0}); // Y now points along X
    for (const Vec3& p : cylinder.points) {
        EXPECT_NEAR(std::abs(p[0]), 1.0, 1e-12);
        EXPECT_NEAR(p[1] * p[1] + p[2] * p[2], 1.0, 1e-12);
    }
    expectClosedAndOutward(cylinder, "cylinder along X");
    MeshGeometry down = polyCone(size, false);
    orientToAxis(down, {0, -1, 0});
    EXPECT_NEAR(down.points.back()[1], -1.0, 1e-12); // the apex
}

TEST(StoredMesh, EdgeLoopsHolesAndNormalsResolveOrFailWithTheReason) {
    MeshComponents c = storedCube();
    c.edges[4].smooth = true;
    c.normals.assign(2, Vec3{kUnsetNormal, kUnsetNormal, kUnsetNormal});
    c.normals[1] = {0, 0, 2};
    MeshGeometry m;
    ASSERT_EQ(buildMesh(c, m), "");
    EXPECT_EQ(m.softEdges, (std::vector<Edge>{{0, 2}}));
    ASSERT_EQ(m.normals.size(), 24u); // missing user normals are derived
    EXPECT_EQ(m.normals[1], (Vec3{0, 0, 2}));

    // A hole inside the front face: its own loop of edges.
    c = storedCube();
    const int base = static_cast<int>(c.vertices.size());
    for (const Vec3& p : std::vector<Vec3>{{-.2, -.2, .5}, {.2, -.2, .5}, {0, .2, .5}})
        c.vertices.push_back(p);
    for (int k = 0; k < 3; ++k)
        c.edges.push_back({base + k, base + (k + 1) % 3, false});
    c.faces[0].holes.push_back({~12, ~14, ~13});
    ASSERT_EQ(buildMesh(c, m), "");
    ASSERT_EQ(m.holes.size(), 1u);
    EXPECT_EQ(m.holes[0].face, 0);
    EXPECT_EQ(m.holes[0].vertices, (std::vector<int>{base + 1, base, base + 2}));

    c = storedCube();
    c.faces[1].edges[3] = ~5; // edge 5 does not close face 1's loop
    EXPECT_NE(buildMesh(c, m).find("do not join up"), std::string::npos);
    c = storedCube();
    c.faces[2].edges[0] = 40;
    EXPECT_NE(buildMesh(c, m).find("edge 40"), std::string::npos);
    c = storedCube();
    c.edges[3].to = 99;
    EXPECT_NE(buildMesh(c, m).find("does not exist"), std::string::npos);
    // A face without UVs in the drawn set, or with too few: the mesh has none rather than half.
    c = storedCube();
    c.faces[5].uvs.clear();
    ASSERT_EQ(buildMesh(c, m), "");
    EXPECT_TRUE(m.uvIds.empty());
    c = storedCube();
    c.faces[2].uvs[0][0].pop_back();
    ASSERT_EQ(buildMesh(c, m), "");
    EXPECT_TRUE(m.uvIds.empty());
}

TEST(StoredMesh, FaceTextRoundTripsAndBadFaceDataIsRefused) {
    const auto w = words("f 3 0 1 -3 h 3 4 5 6 mu 0 3 0 1 2 mu 0 3 3 4 5 mc 1 3 7 8 9 "
                         "f 3 1 2 3");
    size_t next = 0;
    PolyFace face;
    ASSERT_EQ(parsePolyFace(w, next, face), "");
    EXPECT_EQ(w[next], "f"); // stops at the next face
    EXPECT_EQ(face.edges, (std::vector<int>{0, 1, -3}));
    ASSERT_EQ(face.uvs[0].size(), 2u);
    EXPECT_EQ(face.uvs[0][1], (std::vector<int>{3, 4, 5}));
    EXPECT_EQ(face.colours[1][0], (std::vector<int>{7, 8, 9}));
    const auto again = words(formatPolyFace(face));
    size_t from = 0;
    PolyFace back;
    ASSERT_EQ(parsePolyFace(again, from, back), "");
    EXPECT_EQ(back.holes, face.holes);
    EXPECT_EQ(back.uvs, face.uvs);

    for (const char* bad : {"3 0 1 2", "f 9 0 1", "f 3 0 1 2 zz 1", "f 3 0 1 2 mu 0 2 0",
                            "f 3 0 1 2 mu 0 3 0 1 2 mu 0 3 0 1 2"}) {
        size_t n = 0;
        EXPECT_NE(parsePolyFace(words(bad), n, face), "") << bad;
    }
}
