// Vertex lists of the marker drawers, recorded from the drawer code linked into this test.
#include "drawers.h"
#include "signShapes.h"

#include <gl_recorder.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace {
using Vertex = std::array<double, 3>;
using glrec::Batch;

std::vector<Batch> recordDraw(Drawer& drawer) {
    glrec::Recorder recorder;
    drawer.draw(GL_LINES);
    return recorder.batches();
}

std::vector<Batch> recordShape(int type) {
    glrec::Recorder recorder;
    drawSignShape(type, GL_LINES);
    return recorder.batches();
}

float angle(int step) {
    return static_cast<float>(step) * 0.09817477f + 1.5707964f;
}

// A vertex as the drawers pass it, in single precision.
Vertex at(float x, float y, float z) {
    return {x, y, z};
}

// The edges P0-P1, P1-P2, ..., Pn-P0, each as a vertex pair.
std::vector<Vertex> outline(const std::vector<Vertex>& points) {
    std::vector<Vertex> edges;
    for (std::size_t i = 0; i < points.size(); ++i) {
        edges.push_back(points[i]);
        edges.push_back(points[(i + 1) % points.size()]);
    }
    return edges;
}

std::vector<Vertex> joined(const std::vector<std::vector<Vertex>>& parts) {
    std::vector<Vertex> all;
    for (const std::vector<Vertex>& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

double radiusIn(const Vertex& v, int a, int b) {
    return std::hypot(v[a], v[b]);
}

void expectVertex(const Vertex& actual, double x, double y, double z, double tolerance = 1e-6) {
    EXPECT_NEAR(actual[0], x, tolerance);
    EXPECT_NEAR(actual[1], y, tolerance);
    EXPECT_NEAR(actual[2], z, tolerance);
}

} // namespace

TEST(SignShapes, EveryTypeDrawsItsShapeAsLinePairs) {
    const std::map<std::string, std::vector<std::size_t>> expected = {{"Circle", {128}},
                                                                      {"Square", {8}},
                                                                      {"Triangle", {6}},
                                                                      {"Cross", {24}},
                                                                      {"Arrow", {14}},
                                                                      {"Both Arrow", {20}},
                                                                      {"Arch", {132}},
                                                                      {"Ellipse", {132}},
                                                                      {"Star", {20}},
                                                                      {"Cube", {24}},
                                                                      {"Sphere", {128, 128, 128}},
                                                                      {"Pyramid", {16}},
                                                                      {"Sign", {6}},
                                                                      {"Root", {128, 6}},
                                                                      {"CV Curve", {}},
                                                                      {"None", {}}};
    ASSERT_EQ(kSignShapeCount, expected.size());
    for (std::size_t i = 0; i < kSignShapeCount; ++i) {
        const SignShape& shape = kSignShapes[i];
        SCOPED_TRACE(shape.label);
        const std::vector<Batch> batches = recordShape(shape.value);
        const std::vector<std::size_t>& counts = expected.at(shape.label);
        ASSERT_EQ(batches.size(), counts.size());
        for (std::size_t b = 0; b < batches.size(); ++b) {
            EXPECT_EQ(batches[b].mode, unsigned(GL_LINES));
            EXPECT_EQ(batches[b].vertices.size(), counts[b]);
            for (const Vertex& v : batches[b].vertices)
                for (double c : v)
                    EXPECT_LE(std::fabs(c), 1.0 + 1e-6);
        }
    }
}

TEST(SignShapes, EachTypeDrawsWithTheDrawerItNames) {
    Circle circle;
    Square square;
    Triangle triangle;
    Cross cross;
    Arrow arrow;
    BothArrow bothArrow;
    Arch arch;
    Ellipse1 ellipse;
    Star star;
    Cube cube;
    Sphere sphere;
    Pyramid pyramid;
    MayaSign axes;
    Root root;
    const std::pair<int, Drawer*> drawers[] = {
        {0, &circle},     {1, &square},   {2, &triangle}, {3, &cross}, {30, &arrow},
        {31, &bothArrow}, {60, &arch},    {61, &ellipse}, {62, &star}, {90, &cube},
        {91, &sphere},    {92, &pyramid}, {120, &axes},   {121, &root}};
    for (const auto& [type, drawer] : drawers) {
        SCOPED_TRACE(type);
        const std::vector<Batch> byType = recordShape(type);
        const std::vector<Batch> byDrawer = recordDraw(*drawer);
        ASSERT_EQ(byType.size(), byDrawer.size());
        for (std::size_t b = 0; b < byType.size(); ++b)
            EXPECT_EQ(byType[b].vertices, byDrawer[b].vertices);
    }
}

TEST(Drawers, BaseDrawerEmitsNothing) {
    Drawer drawer;
    glrec::Recorder recorder;
    drawer.draw(GL_LINES);
    EXPECT_EQ(recorder.count("glBegin"), 0);
    EXPECT_TRUE(recorder.calls().empty());
}

TEST(Drawers, StraightShapesDrawTheirExactVertexLists) {
    // Constants as drawn so far, quirks included: Triangle's 0.866026 and Star's uneven halves.
    Square square;
    Triangle triangle;
    Cross cross;
    Arrow arrow;
    BothArrow bothArrow;
    Star star;
    MayaSign axes;
    Cube cube;
    Pyramid pyramid;
    const struct {
        const char* name;
        Drawer* drawer;
        std::vector<Vertex> vertices;
    } shapes[] = {
        {"Square", &square, outline({at(-1, 0, 1), at(1, 0, 1), at(1, 0, -1), at(-1, 0, -1)})},
        {"Triangle", &triangle,
         outline({at(0, 0, 1), at(0.866026f, 0, -0.5f), at(-0.866026f, 0, -0.5f)})},
        {"Cross", &cross,
         outline({at(0.5f, 0, -1), at(0.5f, 0, -0.5f), at(1, 0, -0.5f), at(1, 0, 0.5f),
                  at(0.5f, 0, 0.5f), at(0.5f, 0, 1), at(-0.5f, 0, 1), at(-0.5f, 0, 0.5f),
                  at(-1, 0, 0.5f), at(-1, 0, -0.5f), at(-0.5f, 0, -0.5f), at(-0.5f, 0, -1)})},
        {"Arrow", &arrow,
         outline({at(0, 0, -1), at(0.6f, 0, 0), at(0.3f, 0, 0), at(0.3f, 0, 1), at(-0.3f, 0, 1),
                  at(-0.3f, 0, 0), at(-0.6f, 0, 0)})},
        {"Both Arrow", &bothArrow,
         outline({at(0, 0, -1), at(0.3f, 0, -0.5f), at(0.15f, 0, -0.5f), at(0.15f, 0, 0.5f),
                  at(0.3f, 0, 0.5f), at(0, 0, 1), at(-0.3f, 0, 0.5f), at(-0.15f, 0, 0.5f),
                  at(-0.15f, 0, -0.5f), at(-0.3f, 0, -0.5f)})},
        {"Star", &star,
         outline({at(0, 0, -0.948926f), at(0.308316f, 0, -0.324186f), at(1, 0, -0.22401f),
                  at(0.498872f, 0, 0.262274f), at(0.61665f, 0, 0.948926f), at(0, 0, 0.62472f),
                  at(-0.61665f, 0, 0.948926f), at(-0.498884f, 0, 0.262274f), at(-1, 0, -0.22401f),
                  at(-0.30833f, 0, -0.324186f)})},
        {"Sign",
         &axes,
         {at(-1, 0, 0), at(1, 0, 0), at(0, -1, 0), at(0, 1, 0), at(0, 0, -1), at(0, 0, 1)}},
        {"Cube", &cube,
         joined({outline({at(-1, 1, 1), at(1, 1, 1), at(1, 1, -1), at(-1, 1, -1)}),
                 outline({at(-1, -1, 1), at(1, -1, 1), at(1, -1, -1), at(-1, -1, -1)}),
                 {at(1, 1, 1), at(1, -1, 1), at(-1, 1, 1), at(-1, -1, 1), at(1, 1, -1),
                  at(1, -1, -1), at(-1, 1, -1), at(-1, -1, -1)}})},
        {"Pyramid", &pyramid,
         joined({outline({at(-1, -1, 1), at(1, -1, 1), at(1, -1, -1), at(-1, -1, -1)}),
                 {at(1, -1, 1), at(0, 1, 0), at(-1, -1, 1), at(0, 1, 0), at(1, -1, -1), at(0, 1, 0),
                  at(-1, -1, -1), at(0, 1, 0)}})},
    };
    for (const auto& shape : shapes) {
        SCOPED_TRACE(shape.name);
        const std::vector<Batch> batches = recordDraw(*shape.drawer);
        ASSERT_EQ(batches.size(), 1u);
        EXPECT_EQ(batches[0].vertices, shape.vertices);
    }
}

TEST(Drawers, CircleUsesSinglePrecisionAnglesInItsPlane) {
    Circle flat;
    EXPECT_EQ(flat.plane, 1);
    const std::vector<Vertex> xz = recordDraw(flat)[0].vertices;
    for (int i = 1; i <= 64; ++i) {
        const float a0 = angle(i - 1), a1 = angle(i);
        const Vertex& from = xz[2 * (i - 1)];
        const Vertex& to = xz[2 * (i - 1) + 1];
        EXPECT_EQ(from, (Vertex{std::sin(a0), 0.0, std::cos(a0)})) << i;
        EXPECT_EQ(to, (Vertex{std::sin(a1), 0.0, std::cos(a1)})) << i;
    }
    expectVertex(xz.front(), 1, 0, 0);
    expectVertex(xz[31], 0, 0, -1); // a quarter of the way round
    expectVertex(xz.back(), 1, 0, 0, 1e-5);

    Circle upright(2);
    const std::vector<Vertex> xy = recordDraw(upright)[0].vertices;
    expectVertex(xy.front(), 0, 1, 0);
    for (const Vertex& v : xy) {
        EXPECT_EQ(v[2], 0.0);
        EXPECT_NEAR(radiusIn(v, 0, 1), 1.0, 1e-6);
    }

    Circle side(0), otherSide(5);
    const std::vector<Vertex> yz = recordDraw(side)[0].vertices;
    EXPECT_EQ(recordDraw(otherSide)[0].vertices, yz);
    expectVertex(yz.front(), 0, 0, 1);
    for (const Vertex& v : yz)
        EXPECT_EQ(v[0], 0.0);
}

TEST(Drawers, ArchIsAHalfRingOnTheNegativeZSide) {
    Arch arch;
    const std::vector<Vertex> v = recordDraw(arch)[0].vertices;
    for (std::size_t i = 0; i < 64; ++i) {
        EXPECT_NEAR(radiusIn(v[i], 0, 2), 1.0, 1e-6);
        EXPECT_LE(v[i][2], 1e-6);
        // The inner arc repeats the outer one scaled in double precision.
        EXPECT_EQ(v[64 + i][0], double(static_cast<float>(0.7 * v[i][0])));
        EXPECT_EQ(v[64 + i][2], double(static_cast<float>(0.7 * v[i][2])));
    }
    expectVertex(v[0], 1, 0, 0);
    expectVertex(v[63], -1, 0, 0, 1e-6);
    expectVertex(v[128], 1, 0, 0);
    expectVertex(v[129], 0.7, 0, 0);
    expectVertex(v[130], -1, 0, 0);
    expectVertex(v[131], -0.7, 0, 0);
}

TEST(Drawers, EllipseIsAStadiumOneWideTwoLong) {
    Ellipse1 ellipse;
    const std::vector<Vertex> v = recordDraw(ellipse)[0].vertices;
    for (std::size_t i = 0; i < 64; ++i) {
        EXPECT_NEAR(std::hypot(v[i][0], v[i][2] + 0.5), 0.5, 1e-6) << i;      // front half
        EXPECT_NEAR(std::hypot(v[64 + i][0], v[64 + i][2] - 0.5), 0.5, 1e-6); // back half
    }
    expectVertex(v[0], 0.5, 0, -0.5);
    expectVertex(v[31], 0, 0, -1);
    expectVertex(v[63], -0.5, 0, -0.5);
    expectVertex(v[64], -0.5, 0, 0.5);
    expectVertex(v[95], 0, 0, 1);
    expectVertex(v[127], 0.5, 0, 0.5);
    expectVertex(v[128], 0.5, 0, 0.5);
    expectVertex(v[129], 0.5, 0, -0.5);
    expectVertex(v[130], -0.5, 0, 0.5);
    expectVertex(v[131], -0.5, 0, -0.5);
}

TEST(Drawers, CompoundShapesDrawTheirPartsInOrder) {
    Sphere sphere;
    const std::vector<Batch> circles = recordDraw(sphere);
    ASSERT_EQ(circles.size(), 3u);
    Circle xz(1), yz(0), xy(2);
    EXPECT_EQ(circles[0].vertices, recordDraw(xz)[0].vertices);
    EXPECT_EQ(circles[1].vertices, recordDraw(yz)[0].vertices);
    EXPECT_EQ(circles[2].vertices, recordDraw(xy)[0].vertices);

    Root root;
    const std::vector<Batch> parts = recordDraw(root);
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_EQ(parts[0].vertices, recordDraw(xz)[0].vertices);
    Triangle triangle;
    EXPECT_EQ(parts[1].vertices, recordDraw(triangle)[0].vertices);
    for (const Vertex& corner : parts[1].vertices) // the triangle sits on the circle
        EXPECT_NEAR(radiusIn(corner, 0, 2), 1.0, 1e-6);
}
