#pragma once
// What the viewport needs from the scene, in one place: cameras, meshes and locators to draw,
// and the selection's display status.
#include "camera_projection.h"

#include <maya/M3dView.h>
#include <maya/MDagPath.h>
#include <maya/MMatrix.h>

#include <array>
#include <string>
#include <vector>

class MPxLocatorNode;

namespace hostkit::detail {

struct MeshToDraw {
    MMatrix world;
    std::vector<std::array<double, 3>> points;
    std::vector<std::vector<int>> faces; // vertex indices per face
    // Shading normals per face-vertex, face after face (empty: each face's own normal).
    std::vector<std::array<double, 3>> normals;
    std::vector<std::pair<int, std::vector<int>>> holes; // face id, the hole's vertex loop
};

struct LocatorToDraw {
    MDagPath path;
    MPxLocatorNode* node = nullptr;
};

// A camera shape, or the camera shape under a transform of that name.
bool findCamera(const std::string& name, MDagPath& camera);
CameraLens lensOf(const MDagPath& camera);
std::vector<MeshToDraw> meshesToDraw();
std::vector<LocatorToDraw> locatorsToDraw();
M3dView::DisplayStatus displayStatusOf(const MDagPath& path);

} // namespace hostkit::detail
