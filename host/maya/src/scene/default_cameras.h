#pragma once
// The cameras every new Maya scene has, with Maya's placements: "persp" (35 mm, looking at the
// origin from (28, 21, 28)) and the orthographic "top", "front" and "side", 1000.1 units out,
// 30 units wide. Their transforms are hidden, as Maya hides them. A scene file that creates
// them with createNode -s updates these nodes.
#include <maya/MObject.h>

namespace scene {

void createDefaultCameras();
// One of the four transforms or their camera shapes.
bool isDefaultCamera(const MObject& node);

} // namespace scene
