#include "scene/builtin_time.h"

#include "core/internal.h"
#include "scene/builtin_ids.h"
#include "scene/scene_time.h"

#include <hostkit/host.h>
#include <maya/MDataHandle.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnUnitAttribute.h>
#include <maya/MPlug.h>
#include <maya/MTime.h>

namespace scene {

MObject TimeNode::outTime;

void* TimeNode::creator() {
    return new TimeNode();
}

MStatus TimeNode::initialize() {
    MFnUnitAttribute fn;
    outTime = fn.create("outTime", "o", MTime(1.0, MTime::uiUnit()));
    fn.setStorable(true);
    fn.setKeyable(true);
    fn.setInternal(true);
    // The time before any warp; scene files store it, nothing here reads it.
    MObject unwarped = fn.create("unwarpedTime", "unw", MTime(1.0, MTime::uiUnit()));
    fn.setStorable(true);
    addAttribute(unwarped);
    return addAttribute(outTime);
}

// The value is stored as usual; the scene's time follows it.
bool TimeNode::setInternalValue(const MPlug& plug, const MDataHandle& handle) {
    if (plug == outTime && thisMObject() == sceneTimeNode())
        followTimeNode(handle.asTime());
    return false;
}

void registerTimeType() {
    mcore::registerBuiltinNodeType("time", MTypeId(kTimeId), TimeNode::creator,
                                   TimeNode::initialize, MPxNode::kDependNode,
                                   {MFn::kTime, MFn::kDependencyNode});
}

MObject sceneTimeNode() {
    MObject node = hostkit::findNode("time1");
    return node.hasFn(MFn::kTime) ? node : MObject();
}

void createSceneTimeNode() {
    MObject node = hostkit::createNode("time", "time1");
    MPlug(node, TimeNode::outTime).setValue(currentSceneTime());
}

} // namespace scene
