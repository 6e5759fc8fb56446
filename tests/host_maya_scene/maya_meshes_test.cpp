// Meshes in scene files as Maya writes them: stored vertex, edge and face lists, tweaks,
// intermediate shapes, poly creation nodes and the history the host does or does not know.
#include "scene_fixture.h"

#include <maya/MFileIO.h>
#include <maya/MFloatArray.h>
#include <maya/MFloatVectorArray.h>
#include <maya/MFnMesh.h>
#include <maya/MPointArray.h>

#include <cmath>
#include <fstream>

namespace {

// Maya's unit cube, written the way Maya writes it: the face list split over two setAttr lines
// of which only the first gives the type.
const char* const kCubeShape = R"(
	setAttr ".uvst[0].uvsn" -type "string" "map1";
	setAttr -s 14 ".uvst[0].uvsp[0:13]" -type "float2" 0.375 0 0.625 0 0.375 0.25
		 0.625 0.25 0.375 0.5 0.625 0.5 0.375 0.75 0.625 0.75 0.375 1 0.625 1 0.875 0
		 0.875 0.25 0.125 0 0.125 0.25;
	setAttr ".cuvs" -type "string" "map1";
	setAttr ".vir" yes;
	setAttr ".vif" yes;
	setAttr -s 8 ".vt[0:7]"  -0.5 -0.5 0.5 0.5 -0.5 0.5 -0.5 0.5 0.5 0.5 0.5 0.5
		 -0.5 0.5 -0.5 0.5 0.5 -0.5 -0.5 -0.5 -0.5 0.5 -0.5 -0.5;
	setAttr -s 12 ".ed[0:11]"  0 1 0 2 3 0 4 5 0 6 7 0 0 2 1 1 3 0 2 4 0 3 5 0 4 6 0 5 7 0
		 6 0 0 7 1 0;
	setAttr -s 6 -ch 24 ".fc";
	setAttr ".fc[0:3]" -type "polyFaces" 
		f 4 0 5 -2 -5 
		mu 0 4 0 1 3 2 
		f 4 1 7 -3 -7 
		mu 0 4 2 3 5 4 
		f 4 2 9 -4 -9 
		mu 0 4 4 5 7 6 
		f 4 3 11 -1 -11 
		mu 0 4 6 7 9 8 ;
	setAttr ".fc[4:5]"
		f 4 -12 -10 -8 -6 
		mu 0 4 1 10 11 3 
		f 4 10 4 6 8 
		mu 0 4 12 0 2 13 ;
)";

std::string writeScene(const std::string& path, const std::string& text) {
    std::ofstream(path) << text;
    return path;
}

const hostkit::MeshInfo* meshNamed(const std::vector<hostkit::MeshInfo>& meshes,
                                   const std::string& path) {
    for (const hostkit::MeshInfo& mesh : meshes)
        if (mesh.shape.fullPathName() == path.c_str())
            return &mesh;
    ADD_FAILURE() << "no mesh " << path;
    return nullptr;
}

} // namespace

using MayaMeshes = SceneTest;

TEST_F(MayaMeshes, StoredListsTweaksAndIntermediateShapesAsMayaWritesThem) {
    const std::string path =
        writeScene(tempPath("stored_cube.ma"),
                   std::string("createNode transform -n \"box\";\n"
                               "createNode mesh -n \"boxShape\" -p \"box\";") +
                       kCubeShape +
                       "\tsetAttr \".pt[7]\" -type \"float3\" 0 -1 0 ;\n"
                       "createNode mesh -n \"boxOrig\" -p \"box\";\n\tsetAttr \".io\" yes;" +
                       kCubeShape);
    testing::internal::CaptureStderr();
    ASSERT_TRUE(hostkit::openScene(path));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    const auto meshes = hostkit::meshes();
    const hostkit::MeshInfo* box = meshNamed(meshes, "|box|boxShape");
    const hostkit::MeshInfo* orig = meshNamed(meshes, "|box|boxOrig");
    ASSERT_TRUE(box && orig);
    EXPECT_TRUE(box->visible) << box->notDrawn; // visible in refractions is a render flag
    EXPECT_EQ(orig->notDrawn, "intermediate object");
    ASSERT_EQ(box->faces.size(), 6u);
    EXPECT_EQ(box->faces[1], (std::vector<int>{2, 3, 5, 4}));
    EXPECT_EQ(box->faces[4], (std::vector<int>{1, 7, 5, 3}));
    EXPECT_EQ(box->points[7], (std::array<double, 3>{0.5, -1.5, -0.5})); // tweaked
    EXPECT_EQ(orig->points[7], (std::array<double, 3>{0.5, -0.5, -0.5}));
    // Hard edges shade each face flat; the soft edge 0-2 joins the front and left faces there.
    EXPECT_EQ(box->faceVertexNormals[1], (std::array<double, 3>{0, 0, 1}));
    EXPECT_NEAR(box->faceVertexNormals[0][0], -std::sqrt(0.5), 1e-12);
    MFnMesh fn(box->shape);
    MFloatArray us, vs;
    ASSERT_TRUE(fn.getUVs(us, vs));
    ASSERT_EQ(us.length(), 14u);
    EXPECT_FLOAT_EQ(us[10], 0.875f);
    std::remove(path.c_str());
}

TEST_F(MayaMeshes, TheCurrentUVSetIsTheOneUsed) {
    const std::string path = writeScene(
        tempPath("uv_sets.ma"),
        "createNode transform -n \"tri\";\ncreateNode mesh -n \"triShape\" -p \"tri\";\n"
        "\tsetAttr -s 3 \".vt[0:2]\"  0 0 0 1 0 0 0 1 0;\n"
        "\tsetAttr -s 3 \".ed[0:2]\"  0 1 0 1 2 0 2 0 0;\n"
        "\tsetAttr \".uvst[0].uvsn\" -type \"string\" \"map1\";\n"
        "\tsetAttr \".uvst[0].uvsp[0:2]\" -type \"float2\" 0 0 1 0 0 1;\n"
        "\tsetAttr \".uvst[1].uvsn\" -type \"string\" \"shifted\";\n"
        "\tsetAttr \".uvst[1].uvsp[0:2]\" -type \"float2\" 5 5 6 5 5 6;\n"
        "\tsetAttr \".cuvs\" -type \"string\" \"shifted\";\n"
        "\tsetAttr \".fc[0]\" -type \"polyFaces\" f 3 0 1 2 mu 0 3 0 1 2 mu 1 3 2 1 0;\n");
    ASSERT_TRUE(hostkit::openScene(path));
    MFnMesh fn(node("triShape"));
    MFloatArray us, vs;
    ASSERT_TRUE(fn.getUVs(us, vs));
    ASSERT_EQ(us.length(), 3u);
    EXPECT_FLOAT_EQ(us[0], 5.0f);
    std::remove(path.c_str());
}

TEST_F(MayaMeshes, BrokenStoredListsLeaveTheMeshUndrawnWithTheReason) {
    std::string broken = kCubeShape;
    broken.replace(broken.find("f 4 1 7 -3 -7"), 13, "f 4 1 7 -3 -6");
    const std::string path = writeScene(
        tempPath("broken_cube.ma"),
        "createNode transform -n \"box\";\ncreateNode mesh -n \"boxShape\" -p \"box\";" + broken +
            "createNode transform -n \"hidden\";\n\tsetAttr \".v\" no;\n"
            "createNode mesh -n \"hiddenShape\" -p \"hidden\";" +
            kCubeShape +
            "createNode transform -n \"empty\";\ncreateNode mesh -n \"emptyShape\" -p "
            "\"empty\";\n");
    ASSERT_TRUE(hostkit::openScene(path));
    const auto meshes = hostkit::meshes();
    EXPECT_EQ(meshNamed(meshes, "|box|boxShape")->notDrawn,
              "bad stored geometry: face 1: its edges do not join up into a loop");
    EXPECT_EQ(meshNamed(meshes, "|hidden|hiddenShape")->notDrawn, "hidden");
    EXPECT_EQ(meshNamed(meshes, "|empty|emptyShape")->notDrawn, "no geometry");
    std::remove(path.c_str());
}

TEST_F(MayaMeshes, PolyNodesFeedMeshesAndFollowTheirAttributes) {
    mel("createNode transform -n box; createNode mesh -n boxShape -p box;"
        "createNode polyCube -n make; setAttr make.w 2; setAttr make.sw 2;"
        "createNode polyTweak -n move; setAttr move.tk[0] -type float3 0 0 1;"
        "createNode groupParts -n group; setAttr group.ic -type componentList 1 \"f[0:3]\";"
        "createNode polyTweakUV -n shift; setAttr shift.uvtk[1] -type float2 0.5 0;"
        "connectAttr make.out move.ip; connectAttr move.out group.ig;"
        "connectAttr group.og shift.ip; connectAttr shift.out boxShape.i");
    MFnMesh fn(node("boxShape"));
    EXPECT_EQ(fn.numVertices(), 2 * (2 + 1 + 2) + 2);
    MPointArray points;
    ASSERT_TRUE(fn.getPoints(points));
    EXPECT_EQ(points[0], MPoint(-1, -0.5, 1.5)); // width 2, tweaked towards +Z
    EXPECT_EQ(points[1], MPoint(0, -0.5, 0.5));
    MFloatArray us, vs;
    ASSERT_TRUE(fn.getUVs(us, vs));
    EXPECT_FLOAT_EQ(us[1], 0.5f + 0.5f);
    mel("setAttr make.h 4");
    ASSERT_TRUE(fn.getPoints(points));
    EXPECT_EQ(points[0], MPoint(-1, -2, 1.5));
    // Cutting the UV layout apart is not rebuilt: the mesh keeps its shape and loses its UVs.
    mel("createNode polyMapCut -n cut; connectAttr -f make.out cut.ip;"
        "connectAttr -f cut.out move.ip");
    ASSERT_TRUE(fn.getUVs(us, vs));
    EXPECT_EQ(us.length(), 0u);
    EXPECT_EQ(fn.numPolygons(), 10);
}

TEST_F(MayaMeshes, UnknownHistoryLeavesItsMeshUndrawnWithOneWarningPerType) {
    const std::string path = writeScene(
        tempPath("unknown_history.ma"),
        "createNode transform -n \"a\";\n"
        "\tsetAttr \".t\" -type \"double3\" 1 2 3 ;\n"
        "createNode mesh -n \"aShape\" -p \"a\";\n"
        "createNode transform -n \"b\";\ncreateNode mesh -n \"bShape\" -p \"b\";\n"
        "createNode transform -n \"c\";\ncreateNode mesh -n \"cShape\" -p \"c\";\n"
        "createNode polyCube -n \"cube1\";\ncreateNode polyCube -n \"cube2\";\n"
        "createNode polyBevel3 -n \"bevel1\";\n\tsetAttr \".o\" 0.2;\n"
        "createNode polyBevel3 -n \"bevel2\";\ncreateNode polyTweak -n \"tweak\";\n"
        "createNode pointConstraint -n \"pin\" -p \"a\";\n"
        "connectAttr \"cube1.out\" \"bevel1.ip\";\nconnectAttr \"bevel1.out\" \"aShape.i\";\n"
        "connectAttr \"cube2.out\" \"bevel2.ip\";\nconnectAttr \"bevel2.out\" \"tweak.ip\";\n"
        "connectAttr \"tweak.out\" \"bShape.i\";\n"
        // Component groups of unknown type do not stop geometry.
        "createNode groupId -n \"gid\";\ncreateNode groupParts -n \"parts\";\n"
        "connectAttr \"gid.id\" \"parts.gi\";\nconnectAttr \"cube2.out\" \"parts.ig\";\n"
        "connectAttr \"parts.og\" \"cShape.i\";\n"
        "connectAttr \"pin.ctx\" \"a.tx\";\n");
    testing::internal::CaptureStderr();
    ASSERT_TRUE(hostkit::openScene(path));
    const std::string messages = testing::internal::GetCapturedStderr();
    const auto meshes = hostkit::meshes();
    const std::string why = "history through unknown node type 'polyBevel3'";
    EXPECT_EQ(meshNamed(meshes, "|a|aShape")->notDrawn, why);
    EXPECT_EQ(meshNamed(meshes, "|b|bShape")->notDrawn, why); // behind a known node too
    EXPECT_TRUE(meshNamed(meshes, "|c|cShape")->visible);
    size_t lines = 0;
    for (size_t at = messages.find("polyBevel3"); at != std::string::npos;
         at = messages.find("polyBevel3", at + 1))
        ++lines;
    EXPECT_EQ(lines, 1u) << messages;
    EXPECT_NE(messages.find(":10: warning: unknown node type 'polyBevel3'"), std::string::npos)
        << messages;
    EXPECT_NE(messages.find("(2 lines"), std::string::npos) << messages;
    // A channel an unknown node drives keeps the value the file stored.
    EXPECT_EQ(number("a.tx"), 1.0);
    EXPECT_FALSE(plug("a.tx").isDestination());
    // Saved and read back, the placeholders keep their type and connections.
    ASSERT_TRUE(hostkit::saveScene(path));
    testing::internal::CaptureStderr();
    ASSERT_TRUE(hostkit::openScene(path));
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(meshNamed(hostkit::meshes(), "|b|bShape")->notDrawn, why);
    EXPECT_EQ(number("a.tx"), 1.0);
    std::remove(path.c_str());
}

TEST_F(MayaMeshes, ADeformedStoredMeshStartsFromItsTweakedShape) {
    const std::string path =
        writeScene(tempPath("deformed.ma"),
                   std::string("createNode transform -n \"box\";\n"
                               "createNode mesh -n \"boxShape\" -p \"box\";") +
                       kCubeShape + "\tsetAttr \".pt[7]\" -type \"float3\" 0 -1 0 ;\n");
    ASSERT_TRUE(hostkit::openScene(path));
    mel("deformer -type lift -n push box");
    MPointArray points;
    ASSERT_TRUE(MFnMesh(node("boxShapeOrig")).getPoints(points));
    EXPECT_EQ(points[7], MPoint(0.5, -1.5, -0.5));
    ASSERT_TRUE(MFnMesh(node("boxShape")).getPoints(points));
    EXPECT_EQ(points.length(), 8u);
    EXPECT_NEAR(points[7].y, -1.5 + 1.0, 1e-9); // lifted by one; the tweak counts once
    std::remove(path.c_str());
}
