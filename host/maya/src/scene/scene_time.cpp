#include "scene/scene_time.h"

#include "scene/builtin_anim_curve.h"
#include "scene/builtin_time.h"

#include <maya/MPlug.h>

namespace scene {

namespace {

MTime& current() {
    static MTime time(1.0, MTime::uiUnit());
    return time;
}

} // namespace

MTime currentSceneTime() {
    return current();
}

// Kept in the UI unit, as the host reports it.
void setCurrentSceneTime(const MTime& time) {
    current() = MTime(time.as(MTime::uiUnit()), MTime::uiUnit());
    MObject node = sceneTimeNode();
    if (!node.isNull())
        MPlug(node, TimeNode::outTime).setValue(current());
    animCurvesTimeChanged();
}

void followTimeNode(const MTime& time) {
    const MTime now(time.as(MTime::uiUnit()), MTime::uiUnit());
    if (now == current())
        return;
    current() = now;
    animCurvesTimeChanged();
}

TimeRange& timeRange() {
    static TimeRange range{MTime(1.0, MTime::uiUnit()), MTime(120.0, MTime::uiUnit()),
                           MTime(1.0, MTime::uiUnit()), MTime(200.0, MTime::uiUnit())};
    return range;
}

// A new scene counts in film frames again.
void resetSceneTime() {
    MTime::setUIUnit(MTime::kFilm);
    const MTime::Unit unit = MTime::uiUnit();
    current() = MTime(1.0, unit);
    timeRange() = {MTime(1.0, unit), MTime(120.0, unit), MTime(1.0, unit), MTime(200.0, unit)};
}

} // namespace scene
