#pragma once
// The host's "time" node. Every scene has one, "time1", whose "outTime" follows the current
// time (MAnimControl::setCurrentTime, the "currentTime" command).
#include <maya/MObject.h>
#include <maya/MPxNode.h>

namespace scene {

class TimeNode : public MPxNode {
public:
    static MObject outTime;

    static void* creator();
    static MStatus initialize();
    // Setting the scene's time node's outTime sets the scene's time, as in Maya.
    bool setInternalValue(const MPlug& plug, const MDataHandle& handle) override;
};

void registerTimeType();
// The scene's "time1" (null when it was deleted).
MObject sceneTimeNode();
// Creates "time1" for a new scene.
void createSceneTimeNode();

} // namespace scene
