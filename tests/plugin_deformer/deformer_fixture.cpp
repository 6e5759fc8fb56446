#include "deformer_fixture.h"

#include <maya/MDagPath.h>
#include <maya/MFloatArray.h>
#include <maya/MFloatPointArray.h>
#include <maya/MFnMesh.h>
#include <maya/MFnMeshData.h>
#include <maya/MGlobal.h>
#include <maya/MIntArray.h>
#include <maya/MString.h>

void DeformerTest::SetUpTestSuite() {
    if (hostkit::isPluginLoaded("quillomarPlugins"))
        return;
    std::string error;
    ASSERT_TRUE(hostkit::loadPlugin(QUILLOMAR_PLUGIN_PATH, &error)) << error;
}

// An evaluation at or before the start frame empties the history the nodes share.
void DeformerTest::SetUp() {
    hostkit::resetScene();
    const std::string shape = grid("flush", 2, 2);
    deform("flush");
    pointsAt(shape, 0.0);
    hostkit::resetScene();
    hostkit::setTime(0.0);
}

namespace {

// Creates the grid under a transform, or into mesh data.
MObject createGrid(int columns, int rows, const MObject& parentOrOwner, MFnMesh& mesh) {
    MFloatPointArray points;
    MFloatArray u, v;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            points.append(static_cast<float>(c), 0.0f, static_cast<float>(r));
            u.append(static_cast<float>(c) / static_cast<float>(columns - 1));
            v.append(static_cast<float>(r) / static_cast<float>(rows - 1));
        }
    MIntArray counts, connects;
    for (int r = 0; r + 1 < rows; ++r)
        for (int c = 0; c + 1 < columns; ++c) {
            counts.append(4);
            for (int corner : {r * columns + c, (r + 1) * columns + c, (r + 1) * columns + c + 1,
                               r * columns + c + 1})
                connects.append(corner);
        }
    MStatus status;
    MObject created = mesh.create(columns * rows, static_cast<int>(counts.length()), points, counts,
                                  connects, u, v, parentOrOwner, &status);
    EXPECT_TRUE(status);
    return created;
}

} // namespace

std::string DeformerTest::grid(const std::string& name, int columns, int rows) {
    runMel("createNode transform -n " + name + ";");
    MFnMesh mesh;
    createGrid(columns, rows, hostkit::findNode(name), mesh);
    return mesh.name().asChar();
}

MObject DeformerTest::gridData(int columns, int rows) {
    MFnMeshData data;
    MObject owner = data.create();
    MFnMesh mesh;
    createGrid(columns, rows, owner, mesh);
    return owner;
}

std::string DeformerTest::deform(const std::string& meshes) {
    MString name;
    EXPECT_TRUE(MGlobal::executeCommand(("deformer -type obakeDeformer " + meshes).c_str(), name))
        << meshes;
    const std::string deformer = name.asChar();
    runMel("connectAttr time1.outTime " + deformer + ".time;");
    return deformer;
}

MPointArray DeformerTest::pointsAt(const std::string& shape, double frame) {
    hostkit::setTime(frame);
    return worldPoints(shape);
}

MPointArray DeformerTest::worldPoints(const std::string& shape) {
    MPointArray points;
    MDagPath path;
    EXPECT_TRUE(MDagPath::getAPathTo(hostkit::findNode(shape), path)) << shape;
    EXPECT_TRUE(MFnMesh(path).getPoints(points, MSpace::kWorld)) << shape;
    return points;
}

void DeformerTest::runMel(const std::string& commands) {
    std::string error;
    ASSERT_TRUE(hostkit::runMel(commands, &error)) << commands << ": " << error;
}

void DeformerTest::set(const std::string& plug, double value) {
    ASSERT_TRUE(hostkit::setAttr(plug, value)) << plug;
}
