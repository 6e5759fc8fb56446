#pragma once
// Scene-wide state of the host besides the graph: the scene's file, and the start-up that
// registers the built-in node types and prepares a new scene.
#include <string>

namespace scene {

// Full path of the file the scene was opened from or saved to; empty for a new scene.
std::string& currentSceneFile();

// Registers the built-in types, installs the DAG and the scene-reset hook and creates the
// first scene's default nodes. Runs once, when the host library is loaded.
void startHost();

} // namespace scene
