// select, currentTime, playbackOptions, currentUnit, requires.
#include "scene/builtin_anim_curve.h"
#include "scene/mel_commands.h"
#include "scene/mel_values.h"
#include "scene/scene_time.h"
#include "scene/selection.h"

#include <hostkit/host.h>
#include <maya/MAnimControl.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MSelectionList.h>
#include <maya/MTime.h>

namespace scene {

namespace {

MStatus select(const MelArgs& args, MelSession& session, MelResult&, std::string& error) {
    session.current = MObject();
    MSelectionList named;
    for (const MelWord& word : args.positional())
        if (!named.add(word.text.c_str())) {
            error = "No object matches name: " + word.text;
            return MS::kInvalidParameter;
        }
    if (named.length() > 0)
        named.getDependNode(0, session.current);
    MSelectionList& active = activeSelection();
    if (args.has("clear")) {
        active.clear();
        return MS::kSuccess;
    }
    const bool add = args.has("add"), remove = args.has("deselect"), toggle = args.has("toggle");
    if (!add && !remove && !toggle) {
        active = named;
        return MS::kSuccess;
    }
    for (unsigned int i = 0; i < named.length(); ++i) {
        MObject node;
        named.getDependNode(i, node);
        bool present = active.hasItem(node);
        if (present && (remove || toggle))
            removeNode(active, node);
        else if (!present && (add || toggle))
            active.add(node);
    }
    return MS::kSuccess;
}

bool timeWord(const std::string& word, MTime& time) {
    double value = 0;
    if (!parseDouble(word, value))
        return false;
    time = MTime(value, MTime::uiUnit());
    return true;
}

MStatus currentTime(const MelArgs& args, MelSession&, MelResult& result, std::string& error) {
    if (!args.positional().empty()) {
        MTime time;
        if (!timeWord(args.positional()[0].text, time)) {
            error = "bad time '" + args.positional()[0].text + "'";
            return MS::kInvalidParameter;
        }
        setCurrentSceneTime(time);
    }
    result.numbers.push_back(currentSceneTime().as(MTime::uiUnit()));
    return MS::kSuccess;
}

MStatus playbackOptions(const MelArgs& args, MelSession&, MelResult&, std::string& error) {
    TimeRange range = timeRange();
    const std::pair<const char*, MTime TimeRange::*> fields[] = {
        {"minTime", &TimeRange::playbackMin},
        {"maxTime", &TimeRange::playbackMax},
        {"animationStartTime", &TimeRange::animationStart},
        {"animationEndTime", &TimeRange::animationEnd}};
    for (const auto& [flag, member] : fields)
        if (args.has(flag) && !timeWord(args.value(flag), range.*member)) {
            error = "bad time '" + args.value(flag) + "'";
            return MS::kInvalidParameter;
        }
    if (range.playbackMax < range.playbackMin || range.animationEnd < range.animationStart) {
        error = "the range ends before it starts";
        return MS::kInvalidParameter;
    }
    timeRange() = range;
    return MS::kSuccess;
}

MStatus currentUnit(const MelArgs& args, MelSession&, MelResult&, std::string& error) {
    static const std::pair<const char*, MTime::Unit> units[] = {
        {"game", MTime::kGames},           {"film", MTime::kFilm},
        {"pal", MTime::kPALFrame},         {"ntsc", MTime::kNTSCFrame},
        {"show", MTime::kShowScan},        {"palf", MTime::kPALField},
        {"ntscf", MTime::kNTSCField},      {"hour", MTime::kHours},
        {"min", MTime::kMinutes},          {"sec", MTime::kSeconds},
        {"millisec", MTime::kMilliseconds}};
    const std::string linear = args.value("linear", "centimeter");
    const std::string angle = args.value("angle", "degree");
    if ((linear != "centimeter" && linear != "cm") || (angle != "degree" && angle != "deg")) {
        error = "only centimeters and degrees are supported";
        return MS::kNotImplemented;
    }
    if (!args.has("time"))
        return MS::kSuccess;
    for (const auto& [name, unit] : units)
        if (args.value("time") == name)
            return MTime::setUIUnit(unit);
    error = "unknown time unit '" + args.value("time") + "'";
    return MS::kInvalidParameter;
}

// setKeyframe [-t time] [-v value] -at attribute... objects: keys each attribute of each object
// at the time (default: the current time) with the value (default: its current value).
MStatus setKeyframe(const MelArgs& args, MelSession& session, MelResult& result,
                    std::string& error) {
    if (!args.has("attribute")) {
        error = "needs -attribute";
        return MS::kInvalidParameter;
    }
    double time = currentSceneTime().as(MTime::uiUnit()), value = 0.0;
    if (args.has("time") && !parseDouble(args.value("time"), time)) {
        error = "bad time '" + args.value("time") + "'";
        return MS::kInvalidParameter;
    }
    if (args.has("value") && !parseDouble(args.value("value"), value)) {
        error = "bad value '" + args.value("value") + "'";
        return MS::kInvalidParameter;
    }
    std::vector<std::string> objects;
    for (const MelWord& word : args.positional())
        objects.push_back(word.text);
    if (objects.empty() && !session.current.isNull())
        objects.push_back(MFnDependencyNode(session.current).name().asChar());
    double keys = 0;
    for (const std::string& object : objects)
        for (const MelWord& attribute : args.values("attribute")) {
            MStatus status;
            MPlug plug = hostkit::findPlug(object + "." + attribute.text, &status);
            if (!status) {
                error = "No object matches name: " + object + "." + attribute.text;
                return MS::kInvalidParameter;
            }
            status = setKey(plug, time, args.has("value") ? value : plug.asDouble(), error);
            if (!status)
                return status;
            ++keys;
        }
    result.numbers.push_back(keys);
    return MS::kSuccess;
}

// Scene files name the plug-ins and versions they were saved with; the host loads plug-ins
// only when asked, so the line is accepted as information.
MStatus requires(const MelArgs&, MelSession&, MelResult&, std::string&) {
    return MS::kSuccess;
}

} // namespace

const std::vector<MelCommandDef>& sceneCommands() {
    static const std::vector<MelCommandDef> table = {
        {"select",
         {{"r", "replace", 0},
          {"add", "add", 0},
          {"af", "addFirst", 0},
          {"d", "deselect", 0},
          {"tgl", "toggle", 0},
          {"cl", "clear", 0},
          {"ne", "noExpand", 0},
          {"hi", "hierarchy", 0}},
         select},
        {"currentTime", {{"e", "edit", 0}, {"u", "update", 1}}, currentTime},
        {"playbackOptions",
         {{"min", "minTime", 1},
          {"max", "maxTime", 1},
          {"ast", "animationStartTime", 1},
          {"aet", "animationEndTime", 1},
          {"e", "edit", 0}},
         playbackOptions},
        {"currentUnit", {{"l", "linear", 1}, {"a", "angle", 1}, {"t", "time", 1}}, currentUnit},
        {"requires", {{"nodeType", "nodeType", 1}, {"dataType", "dataType", 1}}, requires},
        {"setKeyframe", {{"t", "time", 1}, {"v", "value", 1}, {"at", "attribute", 1}}, setKeyframe},
    };
    return table;
}

} // namespace scene
