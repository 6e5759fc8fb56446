#pragma once
// Driver face of the Maya stand-in's scene: run MEL, open and save scenes, select, set the
// time, and the queries a viewport needs (cameras, meshes, locators, display status).
#include <maya/M3dView.h>
#include <maya/MDagPath.h>
#include <maya/MMatrix.h>
#include <maya/MStatus.h>
#include <maya/MVector.h>

#include <array>
#include <string>
#include <vector>

class MPxLocatorNode;

namespace hostkit {

// Runs MEL commands; stops at the first error, which *error receives.
MStatus runMel(const std::string& commands, std::string* error = nullptr);
// Replaces the scene with the file's. Bad lines are skipped and reported on standard error as
// "file:line: message": one line per kind of message with its count (a kind seen once shows its
// own line), or every line after setLoadReportsEveryLine(true). Only an unreadable file fails.
MStatus openScene(const std::string& path, std::string* error = nullptr);
void setLoadReportsEveryLine(bool everyLine);

struct LoadMessage {
    int line = 0;
    std::string kind; // what the messages of one kind share
    std::string text;
};
// What the last scene opened reported, in line order.
std::vector<LoadMessage> loadMessages();
MStatus saveScene(const std::string& path, std::string* error = nullptr);
// The scene as the text a save would write.
std::string sceneText();

// Replaces the selection (or adds to it); the last node selected is the lead.
MStatus select(const std::vector<std::string>& names, bool add = false,
               std::string* error = nullptr);
void clearSelection();
M3dView::DisplayStatus displayStatus(const MDagPath& path);

// Frames in the UI unit.
void setTime(double frame);
double currentTime();
MStatus setPlaybackRange(double first, double last);

struct CameraInfo {
    MDagPath shape;
    std::string shapeName, transformName;
};
std::vector<CameraInfo> cameras();
// By the name of the camera shape or of its transform.
bool findCamera(const std::string& name, MDagPath& shape);

struct MeshInfo {
    MDagPath shape;
    MMatrix world;
    std::vector<std::array<double, 3>> points;        // object space
    std::vector<std::vector<int>> faces;              // vertex ids per face
    std::vector<std::array<double, 3>> vertexNormals; // object space, angle-weighted
    // Shading normals, one per face-vertex, face after face: smooth across soft edges only,
    // user normals where the mesh has them.
    std::vector<std::array<double, 3>> faceVertexNormals;
    std::vector<std::pair<int, std::vector<int>>> holes; // a face id and a hole's vertex loop
    bool visible = false;                                // drawn
    // Why the viewport does not draw it: "hidden", "intermediate object", "history through
    // unknown node type 'polyBevel'", "bad stored geometry: ...", "no geometry"; empty if drawn.
    std::string notDrawn;
};
std::vector<MeshInfo> meshes();

struct LocatorInfo {
    MDagPath path;
    MPxLocatorNode* node = nullptr;
    bool visible = false;
};
std::vector<LocatorInfo> locators();

// Attributes declared paintable with makePaintable, in the order they were declared.
struct PaintableInfo {
    std::string nodeType, attribute, attrType, shapeMode;
};
std::vector<PaintableInfo> paintableAttributes();

// Every command run through MGlobal::executeCommand in this process, in order, with the flags it
// was run with.
struct ExecutedCommand {
    std::string command;
    bool displayEnabled = false, undoEnabled = false;
};
std::vector<ExecutedCommand> executedCommands();

// The arguments of the last MRenderUtil::sampleShadingNetwork call, as given (copied before the
// call is checked). An optional array the caller did not pass is absent (`has...` false).
struct ShadingSampleCall {
    std::string shadingNode;
    int samples = 0;
    bool useShadowMaps = false, reuseMaps = false;
    std::array<float, 16> camera{}; // row by row
    std::vector<std::array<float, 3>> points, normals;
    std::vector<float> u, v;
    bool hasPoints = false, hasU = false, hasV = false, hasNormals = false;
    bool hasRefPoints = false, hasTangentUs = false, hasTangentVs = false, hasFilterSizes = false;
};
// Calls made in this process so far, and the last of them.
int shadingSampleCalls();
ShadingSampleCall lastShadingSample();

} // namespace hostkit
