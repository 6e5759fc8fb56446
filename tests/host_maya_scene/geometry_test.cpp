#include "scene/curve_geometry.h"
#include "scene/mesh_geometry.h"

#include "words.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace scene;

namespace {

// A unit-square quad split asymmetrically: vertex 0 is shared by a face in the XY plane with a
// 90 degree corner and by a face in the XZ plane with a 45 degree corner.
MeshGeometry corner() {
    MeshGeometry m;
    m.points = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {1, 0, 1}};
    m.faceCounts = {4, 3};
    m.faceConnects = {0, 1, 2, 3, 0, 4, 1};
    return m;
}

} // namespace

TEST(MeshGeometry, VertexNormalsWeighByCornerAngle) {
    MeshGeometry m = corner();
    auto weighted = vertexNormals(m, true);
    auto plain = vertexNormals(m, false);
    // Face normals: +Z (quad) and +Y (triangle 0,4,1 winds towards +Y).
    const double a = M_PI / 2, b = M_PI / 4, l = std::hypot(a, b);
    EXPECT_NEAR(weighted[0][2], a / l, 1e-12);
    EXPECT_NEAR(weighted[0][1], b / l, 1e-12);
    EXPECT_NEAR(plain[0][1], std::sqrt(0.5), 1e-12);
    EXPECT_NEAR(plain[0][2], std::sqrt(0.5), 1e-12);
    EXPECT_NEAR(weighted[3][2], 1.0, 1e-12); // only on the quad
}

TEST(MeshGeometry, FaceVertexNormalsAreSmoothOnlyAcrossSoftEdgesAndUserNormalsWin) {
    MeshGeometry m = corner();
    auto hard = faceVertexNormals(m); // no soft edges: every face flat
    ASSERT_EQ(hard.size(), 7u);
    EXPECT_EQ(hard[0], (Vec3{0, 0, 1}));
    EXPECT_EQ(hard[4], (Vec3{0, 1, 0}));
    m.softEdges = {makeEdge(1, 0)}; // the edge the two faces share
    auto smooth = faceVertexNormals(m);
    const auto weighted = vertexNormals(m, true);
    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR(smooth[0][k], weighted[0][k], 1e-12); // quad corner at vertex 0
        EXPECT_NEAR(smooth[4][k], weighted[0][k], 1e-12); // triangle corner at vertex 0
        EXPECT_NEAR(smooth[1][k], weighted[1][k], 1e-12); // and both at vertex 1
        EXPECT_NEAR(smooth[6][k], weighted[1][k], 1e-12);
    }
    EXPECT_EQ(smooth[3], (Vec3{0, 0, 1})); // vertex 3 touches only the quad
    m.normals.assign(7, Vec3{kUnsetNormal, kUnsetNormal, kUnsetNormal});
    m.normals[4] = {2, 0, 0};
    auto user = faceVertexNormals(m);
    EXPECT_EQ(user[4], (Vec3{1, 0, 0}));
    EXPECT_EQ(user[0], smooth[0]);
}

TEST(MeshGeometry, TextFormRoundTripsAndBadTopologyIsRejected) {
    MeshGeometry m = corner();
    m.us = {0, 1, 0.5f};
    m.vs = {0, 0, 1};
    m.uvIds = {0, 1, 2, 0, 0, 1, 2};
    auto w = words(formatMesh(m));
    size_t next = 0;
    MeshGeometry back;
    ASSERT_EQ(parseMesh(w, next, back), "");
    EXPECT_EQ(next, w.size());
    EXPECT_EQ(back.points, m.points);
    EXPECT_EQ(back.faceConnects, m.faceConnects);
    EXPECT_EQ(back.vs, m.vs);
    EXPECT_EQ(back.uvIds, m.uvIds);

    m.faceConnects[2] = 9;
    EXPECT_NE(m.validate(), "");
    next = 0;
    EXPECT_NE(parseMesh(words("3 0 0 0 1 0 0 0 1 0 1 3 3 0 1 7 0 0"), next, back), "");
    next = 0;
    EXPECT_NE(parseMesh(words("1000000 0 0"), next, back), ""); // truncated, no huge allocation
}

TEST(CurveGeometry, TextFormRoundTripsAndCountsMustAgree) {
    CurveGeometry c;
    c.degree = 3;
    c.cvs = {{0, 0, 0, 1}, {1, 2, 0, 1}, {2, 2, 0, 1}, {3, 0, 0.5, 1}, {4, 1, 0, 1}};
    c.knots = CurveGeometry::defaultKnots(5, 3, CurveGeometry::kOpen);
    EXPECT_EQ(c.knots, (std::vector<double>{0, 0, 0, 1, 2, 2, 2}));
    ASSERT_EQ(c.validate(), "");
    auto w = words(formatCurve(c));
    EXPECT_EQ(w[1], "2"); // spans
    size_t next = 0;
    CurveGeometry back;
    ASSERT_EQ(parseCurve(w, next, back), "");
    EXPECT_EQ(back.cvs, c.cvs);
    EXPECT_EQ(back.knots, c.knots);

    next = 0; // a 2D linear curve: "1 1 0 no 2  2 0 1  2  0 0  1 1"
    ASSERT_EQ(parseCurve(words("1 1 0 no 2 2 0 1 2 0 0 1 1"), next, back), "");
    EXPECT_EQ(back.cvs[1][1], 1.0);
    next = 0; // knot count wrong for 4 CVs of degree 3
    EXPECT_NE(parseCurve(words("3 1 0 no 3 4 0 0 1 1 4 0 0 0 1 0 0 2 0 0 3 0 0"), next, back), "");
    next = 0;
    EXPECT_NE(parseCurve(words("3 1 0 no"), next, back), "");
}
