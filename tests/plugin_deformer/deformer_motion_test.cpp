// The obakeDeformer over animated meshes: when it is active, how the mesh trails, what the
// texture and the painted weights do, and meshes that change or differ in size.
#include "deformer_fixture.h"

#include <maya/MDagPath.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFloatPointArray.h>
#include <maya/MFnMesh.h>
#include <maya/MIntArray.h>

#include <gtest/gtest.h>
#include <omp.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace {

// With the texture unconnected every vertex uses g = luminance of white, not 1: a vertex that
// steps one unit straight against its normal ends t (2 - t) short of its previous position,
// t = 1 - g.
double shortfallOfAStepAgainstTheNormal() {
    const double t = 1.0 - static_cast<double>(0.999993f);
    return t * (2.0 - t);
}

MPointArray worldPoints(const std::string& shape) {
    MDagPath path;
    MDagPath::getAPathTo(hostkit::findNode(shape), path);
    MPointArray points;
    MFnMesh(path).getPoints(points, MSpace::kWorld);
    return points;
}

// The grid steps down one unit per frame: against its normals.
MPointArray stepDownTo(const std::string& transform, const std::string& shape, double frame) {
    EXPECT_TRUE(hostkit::setAttr(transform + ".ty", -frame));
    hostkit::setTime(frame);
    return worldPoints(shape);
}

std::vector<double> heights(const MPointArray& points) {
    std::vector<double> y;
    for (unsigned int i = 0; i < points.length(); ++i)
        y.push_back(points[i].y);
    return y;
}

} // namespace

using DeformerMotion = DeformerTest;

TEST_F(DeformerMotion, InactiveUpToTheStartFrameThenSeedsThenTrails) {
    const std::string shape = grid("sheet", 2, 2);
    const std::string d = deform("sheet");
    set(d + ".startFrame", 3.0);
    for (double frame : {2.0, 3.0, 4.0})
        EXPECT_EQ(heights(stepDownTo("sheet", shape, frame)), std::vector<double>(4, -frame))
            << "frame " << frame << ": inactive, then only seeding the history";
    const MPointArray trailing = stepDownTo("sheet", shape, 5.0);
    for (unsigned int i = 0; i < 4; ++i)
        EXPECT_NEAR(trailing[i].y, -4.0 - shortfallOfAStepAgainstTheNormal(), 1e-12) << i;
    EXPECT_EQ(trailing[3].x, 1.0);
    EXPECT_EQ(trailing[3].z, 1.0);
}

TEST_F(DeformerMotion, EnvelopeZeroEmptiesTheHistoryAndTheNextFrameStartsAfresh) {
    const std::string shape = grid("sheet", 2, 2);
    const std::string d = deform("sheet");
    stepDownTo("sheet", shape, 1.0);
    EXPECT_GT(stepDownTo("sheet", shape, 2.0)[0].y, -1.01);
    set(d + ".envelope", 0.0);
    EXPECT_EQ(stepDownTo("sheet", shape, 3.0)[0].y, -3.0);
    set(d + ".envelope", 1.0);
    EXPECT_EQ(stepDownTo("sheet", shape, 4.0)[0].y, -4.0) << "seeded anew, not trailing frame 2";
    EXPECT_GT(stepDownTo("sheet", shape, 5.0)[0].y, -4.01);
}

TEST_F(DeformerMotion, ZeroWeightStrengthOrScaleAndAHighThresholdLeaveVerticesWhereTheyAre) {
    const std::string shape = grid("sheet", 2, 2);
    const std::string d = deform("sheet");
    set(d + ".weightList[0].weights[1]", 0.0);
    stepDownTo("sheet", shape, 1.0);
    const std::vector<double> y = heights(stepDownTo("sheet", shape, 2.0));
    EXPECT_NEAR(y[1], -2.0, 1e-12);
    EXPECT_GT(y[0], -1.01);
    EXPECT_GT(y[2], -1.01);

    struct Still {
        const char* attribute;
        double value, usual;
    };
    double frame = 3.0;
    for (const Still& still :
         {Still{"strength", 0.0, 1.0}, Still{"scale", 0.0, 1.0}, Still{"threshold", 1.5, 0.0}}) {
        SCOPED_TRACE(still.attribute);
        set(d + "." + still.attribute, still.value);
        for (double height : heights(stepDownTo("sheet", shape, frame)))
            EXPECT_NEAR(height, -frame, 1e-12);
        set(d + "." + still.attribute, still.usual);
        EXPECT_GT(stepDownTo("sheet", shape, frame + 1.0)[0].y, -frame - 0.01) << "trails again";
        frame += 2.0;
    }
}

// A ramp from black at v = 0 to white at v = 1 on noiseMap: the bottom row keeps up with the
// motion, the top row trails fully, the middle row in between.
TEST_F(DeformerMotion, TheTextureOnNoiseMapSetsTheTrailPerVertex) {
    const std::string shape = grid("sheet", 2, 3);
    const std::string d = deform("sheet");
    runMel("createNode ramp -n fade; setAttr fade.cel[0].ep 0;"
           "setAttr fade.cel[0].ec -type float3 0 0 0; setAttr fade.cel[1].ep 1;"
           "setAttr fade.cel[1].ec -type float3 1 1 1; connectAttr fade.outColor " +
           d + ".noiseMap;");
    stepDownTo("sheet", shape, 1.0);
    const std::vector<double> y = heights(stepDownTo("sheet", shape, 2.0));
    EXPECT_NEAR(y[0], -2.0, 1e-12); // row 0, black
    EXPECT_NEAR(y[1], -2.0, 1e-12);
    EXPECT_NEAR(y[4], -1.0 - shortfallOfAStepAgainstTheNormal(), 1e-12); // row 2, white
    EXPECT_GT(y[2], -2.0 + 0.1);                                         // row 1, grey
    EXPECT_LT(y[2], -1.0 - 0.1);

    // A network the host cannot sample leaves every vertex white, as if nothing fed noiseMap.
    runMel("createNode transform -n elsewhere; connectAttr -f elsewhere.translate " + d +
           ".noiseMap;");
    const std::vector<double> unsampled = heights(stepDownTo("sheet", shape, 3.0));
    for (unsigned int i = 0; i < 6; ++i)
        EXPECT_NEAR(unsampled[i], -2.0 - shortfallOfAStepAgainstTheNormal(), 1e-12) << i;
}

// The texture is sampled once per evaluation, at the input mesh's object-space vertex positions
// with its UVs and its world-space normals, an identity camera and nothing else: a grid moved
// and turned a quarter about X (its normals then face +Z in the world).
TEST_F(DeformerMotion, TheTextureIsSampledOnceAtObjectPositionsWithUVsAndWorldNormals) {
    const std::string shape = grid("sheet", 3, 2);
    runMel("setAttr sheet.tx 5; setAttr sheet.rx 90;");
    const std::string d = deform("sheet");
    runMel("createNode checker -n squares; connectAttr squares.outColor " + d + ".noiseMap;");
    const int before = hostkit::shadingSampleCalls();
    pointsAt(shape, 1.0);
    EXPECT_EQ(hostkit::shadingSampleCalls(), before + 1);
    const hostkit::ShadingSampleCall call = hostkit::lastShadingSample();
    const MFnDependencyNode squares(hostkit::findNode("squares"));
    EXPECT_EQ(call.shadingNode, squares.findPlug("outColor", true).name().asChar());
    EXPECT_EQ(call.samples, 6);
    EXPECT_FALSE(call.useShadowMaps);
    EXPECT_FALSE(call.reuseMaps);
    for (unsigned int i = 0; i < 16; ++i)
        EXPECT_EQ(call.camera[i], i % 5 == 0 ? 1.0f : 0.0f) << i;
    EXPECT_TRUE(call.hasPoints && call.hasU && call.hasV && call.hasNormals);
    EXPECT_FALSE(call.hasRefPoints || call.hasTangentUs || call.hasTangentVs ||
                 call.hasFilterSizes);
    ASSERT_EQ(call.points.size(), 6u);
    ASSERT_EQ(call.u.size(), 6u);
    ASSERT_EQ(call.v.size(), 6u);
    ASSERT_GE(call.normals.size(), 6u);
    for (unsigned int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        const float column = static_cast<float>(i % 3), row = static_cast<float>(i / 3);
        EXPECT_EQ(call.points[i], (std::array<float, 3>{column, 0.0f, row}));
        EXPECT_EQ(call.u[i], column / 2.0f);
        EXPECT_EQ(call.v[i], row);
    }
    for (const std::array<float, 3>& normal : call.normals) {
        EXPECT_NEAR(normal[0], 0.0f, 1e-6f);
        EXPECT_NEAR(normal[1], 0.0f, 1e-6f);
        EXPECT_NEAR(normal[2], 1.0f, 1e-6f);
    }
}

// Meshes whose UV or normal lists are shorter than their vertex list, under a ramp from black at
// v = 0 to white at v = 1: each vertex is sampled at its own UV (that of its first face-vertex)
// and with its own normal, and nothing is read past a list. With two UVs, vertices 0 and 3 are
// black; without UVs every vertex samples (0, 0), black; with loose vertices (off every face)
// the face-vertex normals are fewer than the vertices.
TEST_F(DeformerMotion, MeshesWithShortUVOrNormalListsAreSampledPerVertex) {
    struct Case {
        const char* faces;
        const char* uvs;
        std::vector<unsigned int> white;
    };
    const Case cases[] = {
        {"2 4 4 8 0 3 4 1 1 4 5 2", "2 0 0 0 1 8 0 0 1 1 0 1 1 1", {1, 2, 4, 5}},
        {"2 4 4 8 0 3 4 1 1 4 5 2", "0 0", {}},
        {"1 3 3 0 3 4", "0 0", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.faces) + " / " + c.uvs);
        SetUp();
        runMel(std::string("createNode transform -n strip; createNode mesh -n stripShape -p strip;"
                           "setAttr stripShape.i -type \"mesh\" 6 0 0 0 1 0 0 2 0 0 0 0 1 1 0 1 "
                           "2 0 1 ") +
               c.faces + " " + c.uvs + ";");
        const std::string d = deform("strip");
        runMel("createNode ramp -n fade; setAttr fade.cel[0].ep 0;"
               "setAttr fade.cel[0].ec -type float3 0 0 0; setAttr fade.cel[1].ep 1;"
               "setAttr fade.cel[1].ec -type float3 1 1 1; connectAttr fade.outColor " +
               d + ".noiseMap;");
        testing::internal::CaptureStderr();
        stepDownTo("strip", "stripShape", 1.0);
        const std::vector<double> y = heights(stepDownTo("strip", "stripShape", 2.0));
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        for (unsigned int i = 0; i < 6; ++i) {
            const bool white = std::find(c.white.begin(), c.white.end(), i) != c.white.end();
            EXPECT_NEAR(y[i], white ? -1.0 - shortfallOfAStepAgainstTheNormal() : -2.0, 1e-12) << i;
        }
    }
}

// Positions are taken in world space and normals in object space, angle-weighted: a mesh turned
// a quarter turn about X steps straight against the object-space angle-weighted normal of its
// corner vertex (a square's right angle and a thin triangle's sharp one meet there), which then
// stays (all but) where it was.
TEST_F(DeformerMotion, AVertexSteppingAgainstItsObjectSpaceAngleWeightedNormalStaysBehind) {
    runMel("createNode transform -n tent; setAttr tent.rx 90;");
    MFloatPointArray points;
    for (const MFloatPoint& p : {MFloatPoint(0, 0, 0), MFloatPoint(1, 0, 0), MFloatPoint(1, 0, 1),
                                 MFloatPoint(0, 0, 1), MFloatPoint(-0.2f, 1, 3)})
        points.append(p);
    const int counts[] = {4, 3}, connects[] = {0, 3, 2, 1, 3, 0, 4};
    MFnMesh mesh;
    mesh.create(5, 2, points, MIntArray(counts, 2), MIntArray(connects, 7),
                hostkit::findNode("tent"));
    const std::string shape = mesh.name().asChar();
    deform("tent");
    const MPoint before = pointsAt(shape, 1.0)[0];
    MVector normal;
    for (const hostkit::MeshInfo& info : hostkit::meshes())
        if (info.shape.partialPathName() == MString((shape + "Orig").c_str()))
            normal = MVector(info.vertexNormals[0][0], info.vertexNormals[0][1],
                             info.vertexNormals[0][2]);
    ASSERT_NEAR(normal.length(), 1.0, 1e-9);
    ASSERT_LT(normal.y, 0.99) << "the triangle tilts the corner's normal";
    set("tent.tx", -normal.x);
    set("tent.ty", -normal.y);
    set("tent.tz", -normal.z);
    const MPoint after = pointsAt(shape, 2.0)[0];
    EXPECT_LT(after.distanceTo(before), 1e-4) << after;
}

TEST_F(DeformerMotion, AChangeOfVertexCountStartsTheHistoryAfresh) {
    const std::string shape = grid("sheet", 2, 2);
    deform("sheet");
    stepDownTo("sheet", shape, 1.0);
    stepDownTo("sheet", shape, 2.0);
    ASSERT_TRUE(hostkit::setAttrData(shape + "Orig.inMesh", gridData(4, 3)));
    const MPointArray grown = stepDownTo("sheet", shape, 3.0);
    ASSERT_EQ(grown.length(), 12u);
    EXPECT_EQ(heights(grown), std::vector<double>(12, -3.0));
    EXPECT_GT(stepDownTo("sheet", shape, 4.0)[11].y, -3.01);
    ASSERT_TRUE(hostkit::setAttrData(shape + "Orig.inMesh", gridData(2, 2)));
    EXPECT_EQ(heights(stepDownTo("sheet", shape, 5.0)), std::vector<double>(4, -5.0));
}

// The history is shared, so meshes of different sizes take turns seeding it; each one is still
// evaluated and follows its own input; read on its own, the second trails by its own weights.
TEST_F(DeformerMotion, OneDeformerOverTwoMeshesOfDifferentSizesEvaluatesBoth) {
    const std::string small = grid("small", 2, 2);
    const std::string large = grid("large", 5, 4);
    const std::string d = deform("small large");
    set(d + ".weightList[1].weights[0]", 0.0);
    for (double frame = 1.0; frame <= 3.0; frame += 1.0) {
        set("large.ty", -frame);
        EXPECT_EQ(heights(stepDownTo("small", small, frame)), std::vector<double>(4, -frame));
        EXPECT_EQ(heights(worldPoints(large)), std::vector<double>(20, -frame))
            << "frame " << frame;
    }
    // The large mesh was evaluated last, so the history is its own.
    const std::vector<double> y = heights(stepDownTo("large", large, 4.0));
    EXPECT_EQ(y[0], -4.0) << "painted 0 on the second mesh";
    for (unsigned int i = 1; i < 20; ++i)
        EXPECT_NEAR(y[i], -3.0 - shortfallOfAStepAgainstTheNormal(), 1e-12) << i;
}

TEST_F(DeformerMotion, OneAndTwoThreadsGiveTheSameMesh) {
    auto run = [this](int threads) {
        SetUp();
        omp_set_num_threads(threads);
        const std::string shape = grid("sheet", 40, 30);
        const std::string d = deform("sheet");
        runMel("createNode noise -n grain; connectAttr grain.outColor " + d + ".noiseMap;");
        set(d + ".scale", 1.7);
        MPointArray points;
        for (double frame = 1.0; frame <= 4.0; frame += 1.0) {
            set("sheet.rx", 9.0 * frame * frame);
            set("sheet.tz", 0.5 * frame);
            points = stepDownTo("sheet", shape, frame);
        }
        std::vector<MPoint> copy(points.length());
        for (unsigned int i = 0; i < points.length(); ++i)
            copy[i] = points[i];
        return copy;
    };
    const int threadsBefore = omp_get_max_threads();
    const std::vector<MPoint> one = run(1);
    const std::vector<MPoint> two = run(2);
    omp_set_num_threads(threadsBefore);
    ASSERT_EQ(one.size(), 1200u);
    ASSERT_EQ(two.size(), one.size());
    EXPECT_EQ(std::memcmp(one.data(), two.data(), one.size() * sizeof(MPoint)), 0);
}
