#include <maya/MAnimControl.h>

#include "scene/scene_time.h"

using scene::timeRange;

MTime MAnimControl::currentTime() {
    return scene::currentSceneTime();
}

MStatus MAnimControl::setCurrentTime(const MTime& newTime) {
    scene::setCurrentSceneTime(newTime);
    return MS::kSuccess;
}

MTime MAnimControl::minTime() {
    return timeRange().playbackMin;
}
MTime MAnimControl::maxTime() {
    return timeRange().playbackMax;
}

MStatus MAnimControl::setMinTime(MTime newTime) {
    timeRange().playbackMin = newTime;
    return MS::kSuccess;
}

MStatus MAnimControl::setMaxTime(MTime newTime) {
    timeRange().playbackMax = newTime;
    return MS::kSuccess;
}

MStatus MAnimControl::setMinMaxTime(const MTime& min, const MTime& max) {
    if (max < min)
        return MS::kInvalidParameter;
    timeRange().playbackMin = min;
    timeRange().playbackMax = max;
    return MS::kSuccess;
}

MTime MAnimControl::animationStartTime() {
    return timeRange().animationStart;
}
MTime MAnimControl::animationEndTime() {
    return timeRange().animationEnd;
}

MStatus MAnimControl::setAnimationStartTime(MTime newTime) {
    timeRange().animationStart = newTime;
    return MS::kSuccess;
}

MStatus MAnimControl::setAnimationEndTime(MTime newTime) {
    timeRange().animationEnd = newTime;
    return MS::kSuccess;
}

MStatus MAnimControl::setAnimationStartEndTime(const MTime& start, const MTime& end) {
    if (end < start)
        return MS::kInvalidParameter;
    timeRange().animationStart = start;
    timeRange().animationEnd = end;
    return MS::kSuccess;
}

// The stand-in never plays back on its own.
bool MAnimControl::isPlaying() {
    return false;
}
