// Curves and meshes as data flowing through typed attributes; the mesh and curve function
// sets; deformer wiring; 2D textures sampled by UV.
#include "scene_fixture.h"

#include <maya/MBoundingBox.h>
#include <maya/MDagPath.h>
#include <maya/MDoubleArray.h>
#include <maya/MFnDagNode.h>
#include <maya/MGlobal.h>
#include <maya/MFloatArray.h>
#include <maya/MFloatMatrix.h>
#include <maya/MFloatPointArray.h>
#include <maya/MFloatVectorArray.h>
#include <maya/MFnMesh.h>
#include <maya/MFnMeshData.h>
#include <maya/MFnNurbsCurve.h>
#include <maya/MFnNurbsCurveData.h>
#include <maya/MIntArray.h>
#include <maya/MPlugArray.h>
#include <maya/MPointArray.h>
#include <maya/MRenderUtil.h>

#include <cmath>

namespace {

// A unit quad in the XZ plane facing +Y, with per-vertex UVs.
MObject makeQuad(const MObject& parentOrOwner) {
    MFloatPointArray points;
    points.append(0, 0, 0);
    points.append(0, 0, -1);
    points.append(1, 0, -1);
    points.append(1, 0, 0);
    const int counts[] = {4}, connects[] = {0, 3, 2, 1};
    const float us[] = {0, 0, 1, 1}, vs[] = {0, 1, 1, 0};
    MStatus status;
    MObject result =
        MFnMesh().create(4, 1, points, MIntArray(counts, 1), MIntArray(connects, 4),
                         MFloatArray(us, 4), MFloatArray(vs, 4), parentOrOwner, &status);
    EXPECT_TRUE(status);
    return result;
}

} // namespace

using GeometryFlow = SceneTest;

TEST_F(GeometryFlow, CurveCVsFlowIntoAConnectedTypedAttribute) {
    mel("createNode transform -n curve1; setAttr curve1.t -type double3 0 5 0;"
        "createNode nurbsCurve -n curve1Shape -p curve1;"
        "setAttr curve1Shape.cc -type nurbsCurve 1 3 0 no 3 4 0 1 2 3 4 0 0 0 1 0 0 1 1 0 2 1 0;"
        "createNode allKinds -n k; connectAttr curve1Shape.worldSpace[0] k.curve");
    MObject data = plug("k.curve").asMObject();
    MFnNurbsCurve fn(data);
    EXPECT_EQ(fn.numCVs(), 4);
    EXPECT_EQ(fn.degree(), 1);
    EXPECT_EQ(fn.form(), MFnNurbsCurve::kOpen);
    MPointArray object, world;
    ASSERT_TRUE(fn.getCVs(object, MSpace::kObject));
    ASSERT_TRUE(fn.getCVs(world, MSpace::kWorld));
    EXPECT_EQ(object[3].x, 2.0);
    EXPECT_EQ(object[3].y, 1.0);
    EXPECT_EQ(world[3].y, 6.0); // world-space data carries the transform

    // A new curve reaches the reader through the connection.
    MPointArray cvs;
    cvs.append(MPoint(0, 0, 0));
    cvs.append(MPoint(3, 0, 0));
    MFnNurbsCurveData owner;
    MObject created = owner.create();
    MFnNurbsCurve().create(cvs, MDoubleArray(), 1, MFnNurbsCurve::kOpen, false, false, created);
    MFnNurbsCurve shape(pathTo(node("curve1")));
    cvs.append(MPoint(9, 9, 9));
    cvs.append(MPoint(7, 7, 7));
    ASSERT_TRUE(shape.setCVs(cvs)); // the shape's own curve, while nothing feeds it
    EXPECT_EQ(MFnNurbsCurve(plug("k.curve").asMObject()).numCVs(), 4);
    ASSERT_TRUE(plug("curve1Shape.create").setValue(created));
    EXPECT_EQ(MFnNurbsCurve(plug("k.curve").asMObject()).numCVs(), 2);
    mel("createNode nurbsCurve -n feeder; connectAttr feeder.local curve1Shape.create");
    EXPECT_FALSE(shape.setCVs(cvs)); // fed: not editable
}

TEST_F(GeometryFlow, CurvesCanBeBuiltThroughEditPointsAndRejectBadInput) {
    MPointArray eps;
    for (double x : {0.0, 1.0, 2.0, 3.0, 4.0})
        eps.append(MPoint(x, x * x, 0));
    MFnNurbsCurve fn;
    MStatus status;
    MObject transform = fn.createWithEditPoints(eps, 3, MFnNurbsCurve::kOpen, false, false, true,
                                                MObject::kNullObj, &status);
    ASSERT_TRUE(status);
    EXPECT_TRUE(transform.hasFn(MFn::kTransform));
    EXPECT_EQ(fn.numCVs(), 5); // one CV per edit point
    EXPECT_EQ(fn.numKnots(), 7);
    MPointArray cvs;
    fn.getCVs(cvs);
    EXPECT_NEAR(cvs[0].y, 0.0, 1e-9); // clamped: the curve starts and ends on its points
    EXPECT_NEAR(cvs[4].x, 4.0, 1e-9);
    EXPECT_NEAR(cvs[4].y, 16.0, 1e-9);

    MDoubleArray badKnots;
    badKnots.append(0);
    fn.create(cvs, badKnots, 3, MFnNurbsCurve::kOpen, false, false, MObject::kNullObj, &status);
    EXPECT_FALSE(status);
    MPointArray two;
    two.append(MPoint());
    fn.createWithEditPoints(two, 3, MFnNurbsCurve::kOpen, false, false, true, MObject::kNullObj,
                            &status);
    EXPECT_FALSE(status);
}

TEST_F(GeometryFlow, MeshPointsNormalsAndUVsInObjectAndWorldSpace) {
    mel("createNode transform -n quad; setAttr quad.t -type double3 0 2 0; setAttr quad.rx 90");
    makeQuad(node("quad"));
    MDagPath path = pathTo(node("quad"));
    MFnMesh fn(path);
    EXPECT_EQ(fn.numVertices(), 4);
    EXPECT_EQ(fn.numPolygons(), 1);
    MPointArray points;
    ASSERT_TRUE(fn.getPoints(points, MSpace::kWorld));
    EXPECT_NEAR(points[1].y, 3.0, 1e-9); // (0,0,-1) turned 90 degrees about X is (0,1,0)
    EXPECT_NEAR(points[1].z, 0.0, 1e-9);
    MFloatVectorArray normals;
    ASSERT_TRUE(fn.getVertexNormals(true, normals, MSpace::kObject));
    EXPECT_NEAR(normals[0].y, 1.0, 1e-6);
    ASSERT_TRUE(fn.getVertexNormals(true, normals, MSpace::kWorld));
    EXPECT_NEAR(normals[0].z, 1.0, 1e-6);
    ASSERT_TRUE(fn.getNormals(normals));
    EXPECT_EQ(normals.length(), 4u);
    MFloatArray u, v;
    ASSERT_TRUE(fn.getUVs(u, v));
    EXPECT_EQ(u[2], 1.0f);

    // Writing world positions stores object positions.
    points[0] = MPoint(0, 2, 1); // the world position of object (0, 1, 0)
    ASSERT_TRUE(fn.setPoints(points, MSpace::kWorld));
    MPoint p;
    fn.getPoint(0, p, MSpace::kObject);
    EXPECT_NEAR(p.y, 1.0, 1e-9);
    EXPECT_NEAR(p.z, 0.0, 1e-9);

    MBoundingBox box = MFnDagNode(fn.object()).boundingBox();
    EXPECT_NEAR(box.min().z, -1.0, 1e-9);
    EXPECT_NEAR(box.max().y, 1.0, 1e-9); // the moved point

    MPointArray wrongCount(2);
    EXPECT_FALSE(fn.setPoints(wrongCount));
}

TEST_F(GeometryFlow, DeformerSitsBetweenAnOriginalShapeAndTheMesh) {
    mel("createNode transform -n quad; setAttr quad.t -type double3 0 0 4");
    makeQuad(node("quad"));
    MString name;
    ASSERT_TRUE(MGlobal::executeCommand("deformer -type lift quad", name));
    EXPECT_STREQ(name.asChar(), "lift1");
    MObject orig = node("meshShape1Orig");
    ASSERT_FALSE(orig.isNull());
    EXPECT_TRUE(MFnDagNode(orig).isIntermediateObject());
    MPlugArray sources;
    ASSERT_TRUE(plug("meshShape1.inMesh").connectedTo(sources, true, false));
    EXPECT_STREQ(sources[0].name().asChar(), "lift1.outputGeometry[0]");

    // The deformer lifts world positions by one; the shape shows it, the original does not.
    MPointArray lifted, original;
    MFnMesh(pathTo(node("meshShape1"))).getPoints(lifted, MSpace::kWorld);
    MFnMesh(pathTo(orig)).getPoints(original, MSpace::kWorld);
    ASSERT_EQ(lifted.length(), 4u);
    EXPECT_NEAR(lifted[2].y, 1.0, 1e-9);
    EXPECT_NEAR(lifted[2].z, 3.0, 1e-9);
    EXPECT_NEAR(original[2].y, 0.0, 1e-9);
    // Both shapes are listed; only the final one is drawn.
    auto meshes = hostkit::meshes();
    ASSERT_EQ(meshes.size(), 2u);
    EXPECT_TRUE(meshes[0].visible);
    EXPECT_EQ(meshes[0].points[2][1], 1.0);
    EXPECT_FALSE(meshes[1].visible);
    EXPECT_TRUE(meshes[1].shape.node() == orig);

    // The deformed shape is fed by the deformer: its own points cannot be edited.
    MFnMesh deformed(pathTo(node("meshShape1")));
    EXPECT_FALSE(deformed.setPoints(lifted, MSpace::kWorld));

    std::string error;
    EXPECT_FALSE(hostkit::runMel("deformer -type allKinds quad", &error));
    EXPECT_NE(error.find("not a deformer"), std::string::npos);
    EXPECT_TRUE(node("allKinds1").isNull());
    EXPECT_FALSE(hostkit::runMel("deformer -type lift time1", &error));
}

TEST_F(GeometryFlow, TexturesSampleByUVAndAcceptMissingArrays) {
    mel("createNode checker -n chk; setAttr chk.c1 -type float3 1 0 0;"
        "createNode ramp -n rmp; setAttr rmp.cel[0].ep 0; setAttr rmp.cel[0].ec -type float3 0 0 0;"
        "setAttr rmp.cel[1].ep 1; setAttr rmp.cel[1].ec -type float3 1 1 1;"
        "createNode noise -n nz");
    MFloatArray u, v;
    for (float x : {0.1f, 0.3f, 0.6f}) {
        u.append(x);
        v.append(0.1f);
    }
    MFloatMatrix camera;
    MFloatVectorArray colors, transparencies;
    ASSERT_TRUE(MRenderUtil::sampleShadingNetwork("chk.outColor", 3, false, false, camera, nullptr,
                                                  &u, &v, nullptr, nullptr, nullptr, nullptr,
                                                  nullptr, colors, transparencies));
    ASSERT_EQ(colors.length(), 3u);
    EXPECT_EQ(colors[0].x, 1.0f); // color1 in the first square
    EXPECT_EQ(colors[1].x, 0.0f); // color2 next to it
    EXPECT_EQ(transparencies[2].x, 0.0f);

    ASSERT_TRUE(MRenderUtil::sampleShadingNetwork("rmp", 3, false, false, camera, nullptr, &v, &u,
                                                  nullptr, nullptr, nullptr, nullptr, nullptr,
                                                  colors, transparencies));
    EXPECT_NEAR(colors[2].y, 0.6f, 1e-6); // a V ramp read at v = 0.6

    MFloatVectorArray first, again;
    ASSERT_TRUE(MRenderUtil::sampleShadingNetwork("nz", 3, false, false, camera, nullptr, &u, &v,
                                                  nullptr, nullptr, nullptr, nullptr, nullptr,
                                                  first, transparencies));
    MRenderUtil::sampleShadingNetwork("nz", 3, false, false, camera, nullptr, &u, &v, nullptr,
                                      nullptr, nullptr, nullptr, nullptr, again, transparencies);
    for (unsigned int i = 0; i < 3; ++i) {
        EXPECT_EQ(first[i].x, again[i].x);
        EXPECT_GE(first[i].x, 0.0f);
        EXPECT_LE(first[i].x, 1.0f);
    }
    EXPECT_NE(first[0].x, first[2].x);

    // No UVs at all: every sample reads (0, 0).
    ASSERT_TRUE(MRenderUtil::sampleShadingNetwork("chk", 2, false, false, camera, nullptr, nullptr,
                                                  nullptr, nullptr, nullptr, nullptr, nullptr,
                                                  nullptr, colors, transparencies));
    EXPECT_EQ(colors[1].x, 1.0f);
    EXPECT_FALSE(MRenderUtil::sampleShadingNetwork("time1", 1, false, false, camera, nullptr,
                                                   nullptr, nullptr, nullptr, nullptr, nullptr,
                                                   nullptr, nullptr, colors, transparencies));
}

// Maya reads an entry per sample from every array it is given: a shorter one is refused with
// an error naming it, where a padded read would hide a plug-in reading past its arrays in Maya.
TEST_F(GeometryFlow, SamplingRefusesArraysShorterThanTheSampleCount) {
    mel("createNode checker -n chk");
    MFloatArray u(3, 0.25f), v(2, 0.25f);
    MFloatVectorArray normals(1), colors, transparencies;
    MFloatPointArray points(3);
    MFloatMatrix camera;
    testing::internal::CaptureStderr();
    const MStatus status = MRenderUtil::sampleShadingNetwork(
        "chk.outColor", 3, false, false, camera, &points, &u, &v, &normals, nullptr, nullptr,
        nullptr, nullptr, colors, transparencies);
    const std::string message = testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, MS::kInvalidParameter);
    EXPECT_NE(message.find("// Error: "), std::string::npos) << message;
    EXPECT_NE(message.find("vCoords (2)"), std::string::npos) << message;
    EXPECT_NE(message.find("normals (1)"), std::string::npos) << message;
    EXPECT_EQ(message.find("uCoords"), std::string::npos) << message;
    EXPECT_EQ(message.find("points"), std::string::npos) << message;

    v.append(0.25f);
    normals.setLength(4); // longer than needed is fine
    ASSERT_TRUE(MRenderUtil::sampleShadingNetwork("chk.outColor", 3, false, false, camera, &points,
                                                  &u, &v, &normals, nullptr, nullptr, nullptr,
                                                  nullptr, colors, transparencies));
    EXPECT_EQ(colors.length(), 3u);
}
