#pragma once
// Scenes in a Maya ASCII subset. Reading runs the file as MEL, command by command: a bad
// command is reported as "file:line: message" on standard error and skipped, an unknown
// command is skipped with a warning, and the rest of the file is kept. Writing produces
// createNode (with -n and -p), addAttr for dynamic attributes, setAttr for every storable
// value that differs from its default, and connectAttr for every connection.
#include <maya/MStatus.h>

#include <string>

namespace scene {

// Fails only when the file cannot be read; `error` then says why.
MStatus readSceneFile(const std::string& path, std::string& error);
MStatus writeSceneFile(const std::string& path, std::string& error);

// The scene file text of the current scene.
std::string sceneText(const std::string& fileName);

} // namespace scene
