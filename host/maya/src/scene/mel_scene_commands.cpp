// select, currentTime, playbackOptions, currentUnit, requires.
#include "scene/builtin_anim_curve.h"
#include "scene/mel_commands.h"
#include "scene/mel_values.h"
#include "scene/units.h"
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
    session.missingCurrent.clear();
    MSelectionList named;
    for (const MelWord& word : args.positional())
        if (!named.add(word.text.c_str())) {
            // ":name" in a scene file is a node of Maya's default scene.
            if (session.readingFile && args.has("noExpand") && word.text[0] == ':') {
                session.missingCurrent = word.text;
                session.failureKind = kMissingDefaultNodeKind;
                error = "warning: skipped: " + word.text + " is not in the stand-in's scene";
            } else {
                error = "No object matches name: " + word.text;
            }
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

// Values the file writes after this line are in these units.
MStatus currentUnit(const MelArgs& args, MelSession&, MelResult&, std::string& error) {
    MTime::Unit time = MTime::uiUnit();
    if (args.has("time") && !timeUnitNamed(args.value("time"), time)) {
        error = "unknown time unit '" + args.value("time") + "'";
        return MS::kInvalidParameter;
    }
    if (args.has("linear") && !setLinearUnit(args.value("linear"))) {
        error = "unknown linear unit '" + args.value("linear") + "'";
        return MS::kInvalidParameter;
    }
    if (args.has("angle") && !setAngleUnit(args.value("angle"))) {
        error = "unknown angle unit '" + args.value("angle") + "'";
        return MS::kInvalidParameter;
    }
    return MTime::setUIUnit(time);
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

// Scene files name the plug-ins and versions they were saved with, and facts about themselves
// (fileInfo); the host loads plug-ins only when asked, so these lines are accepted as
// information. So is lockNode: the host does not lock nodes.
MStatus accepted(const MelArgs&, MelSession&, MelResult&, std::string&) {
    return MS::kSuccess;
}

// rename -uid gives the current node its identity in Maya, which the host does not keep;
// rename [old] new renames (a DAG node keeps its name unless a sibling has it).
MStatus rename(const MelArgs& args, MelSession& session, MelResult& result, std::string& error) {
    const auto& words = args.positional();
    if (args.has("uuid"))
        return MS::kSuccess;
    if (words.empty() || words.size() > 2) {
        error = "needs the new name, or the node and its new name";
        return MS::kInvalidParameter;
    }
    MObject node = words.size() == 2 ? resolveNode(words[0].text, error) : session.current;
    if (node.isNull()) {
        error = error.empty() ? "no node to rename" : error;
        return MS::kInvalidParameter;
    }
    MStatus status;
    MString name = MFnDependencyNode(node).setName(words.back().text.c_str(), false, &status);
    if (!status) {
        error = "cannot name a node '" + words.back().text + "'";
        return status;
    }
    result.strings.push_back(name.asChar());
    return MS::kSuccess;
}

// Light links and shading assignments between default nodes the host does not have.
MStatus relationship(const MelArgs&, MelSession& session, MelResult&, std::string&) {
    const std::string text = "warning: light links and shading assignments (relationship) are "
                             "not kept";
    session.notes.push_back({text, text});
    return MS::kSuccess;
}

// References (file -r, and -rdi for their load depth): the host does not load referenced
// scenes. Each referenced file is reported once.
MStatus file(const MelArgs& args, MelSession& session, MelResult&, std::string& error) {
    if (!args.has("reference") && !args.has("referenceDepthInfo")) {
        error = "only file references (-r) are read from scene files";
        return MS::kNotImplemented;
    }
    const std::string path = args.positional().empty() ? "" : args.positional().back().text;
    static const char* const kind = "warning: file references are not loaded";
    for (const MelNote& note : session.fileReferences)
        if (note.text == path)
            return MS::kSuccess;
    session.fileReferences.push_back({kind, path});
    session.notes.push_back({kind, std::string(kind) + ": " + path + " (namespace " +
                                       args.value("namespace", ":") + ")"});
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
        {"requires", {{"nodeType", "nodeType", 1}, {"dataType", "dataType", 1}}, accepted},
        {"fileInfo", {{"rm", "remove", 1}}, accepted},
        {"lockNode",
         {{"l", "lock", 1}, {"lu", "lockUnpublished", 1}, {"ic", "ignoreComponents", 0}},
         accepted},
        {"rename", {{"uid", "uuid", 0}, {"is", "ignoreShape", 0}}, rename},
        {"relationship", {{"b", "break", 0}}, relationship},
        {"file",
         {{"r", "reference", 0},
          {"rdi", "referenceDepthInfo", 1},
          {"ns", "namespace", 1},
          {"rfn", "referenceNode", 1},
          {"op", "options", 1},
          {"typ", "type", 1},
          {"dr", "deferReference", 1},
          {"shd", "sharedNodes", 1},
          {"gl", "groupLocator", 0},
          {"mnc", "mergeNamespacesOnClash", 1},
          {"pmt", "prompt", 1}},
         file},
        {"setKeyframe", {{"t", "time", 1}, {"v", "value", 1}, {"at", "attribute", 1}}, setKeyframe},
    };
    return table;
}

} // namespace scene
