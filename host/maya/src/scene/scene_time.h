#pragma once
// The scene's current time and its playback and animation ranges (new scene: time 1,
// playback 1..120, animation 1..200, in the UI unit).
#include <maya/MTime.h>

namespace scene {

MTime currentSceneTime();
// Also moves "time1.outTime", which dirties everything that reads the time.
void setCurrentSceneTime(const MTime& time);
// "time1.outTime" was set (a scene file stores the time it was saved at there): the scene's
// time follows it.
void followTimeNode(const MTime& time);

struct TimeRange {
    MTime playbackMin, playbackMax, animationStart, animationEnd;
};
TimeRange& timeRange();

void resetSceneTime();

} // namespace scene
