#pragma once
// What quillomar-view --stats prints for a drawn frame, as a heads-up display in Maya's
// viewport would show it: the meshes drawn with their vertices and faces, those not drawn and
// why, the locators drawn, and what loading the scene reported, counted by kind.
#include <hostkit/scene.h>

#include <string>
#include <vector>

namespace quillomar_view {

struct FrameStats {
    std::string camera;
    double frame = 0;
    std::vector<hostkit::MeshInfo> meshes;
    int locatorsDrawn = 0;
    std::vector<hostkit::LoadMessage> loadMessages;
};

// The scene as it stands now.
FrameStats gatherFrameStats(const std::string& camera);
std::string formatFrameStats(const FrameStats& stats);

} // namespace quillomar_view
