#include <maya/MGlobal.h>

#include "scene/mel_commands.h"
#include "scene/mel_values.h"
#include "scene/selection.h"

#include <hostkit/scene.h>

#include <maya/MSelectionList.h>
#include <maya/MTypes.h>

#include <iostream>
#include <vector>

namespace {

std::vector<hostkit::ExecutedCommand>& commandLog() {
    static std::vector<hostkit::ExecutedCommand> log;
    return log;
}

scene::MelResult runCommand(const MString& command, MStatus& status, bool display, bool undo) {
    commandLog().push_back({command.asChar(), display, undo});
    scene::MelResult result;
    std::string message;
    status = scene::runMelScript(command.asChar(), result, message);
    if (!status)
        MGlobal::displayError(message.c_str());
    return result;
}

std::string firstText(const scene::MelResult& result) {
    if (result.isText())
        return result.strings.front();
    return result.numbers.empty() ? "" : scene::formatDouble(result.numbers.front());
}

} // namespace

namespace hostkit {

std::vector<ExecutedCommand> executedCommands() {
    return commandLog();
}

} // namespace hostkit

MString MGlobal::mayaVersion() {
    return "2019";
}
int MGlobal::apiVersion() {
    return MAYA_API_VERSION;
}

MGlobal::MMayaState MGlobal::mayaState(MStatus* ReturnStatus) {
    if (ReturnStatus)
        *ReturnStatus = MS::kSuccess;
    return kLibraryApp;
}

void MGlobal::displayInfo(const MString& theMessage) {
    std::cerr << theMessage.asChar() << "\n";
}

void MGlobal::displayWarning(const MString& theWarning) {
    std::cerr << "// Warning: " << theWarning.asChar() << "\n";
}

void MGlobal::displayError(const MString& theError) {
    std::cerr << "// Error: " << theError.asChar() << "\n";
}

// The command is not echoed and there is no undo queue: display and undo flags are only kept in
// the log of executed commands.
MStatus MGlobal::executeCommand(const MString& command, bool display, bool undo) {
    MStatus status;
    runCommand(command, status, display, undo);
    return status;
}

MStatus MGlobal::executeCommand(const MString& command, int& result, bool display, bool undo) {
    MStatus status;
    scene::MelResult r = runCommand(command, status, display, undo);
    if (status && !r.numbers.empty())
        result = static_cast<int>(r.numbers.front());
    return status;
}

namespace {

template <class Array, class Element>
MStatus numbersInto(const MString& command, Array& result, bool display, bool undo) {
    MStatus status;
    scene::MelResult r = runCommand(command, status, display, undo);
    result.clear();
    for (double v : r.numbers)
        result.append(static_cast<Element>(v));
    return status;
}

} // namespace

MStatus MGlobal::executeCommand(const MString& command, MIntArray& result, bool display,
                                bool undo) {
    return numbersInto<MIntArray, int>(command, result, display, undo);
}

MStatus MGlobal::executeCommand(const MString& command, double& result, bool display, bool undo) {
    MStatus status;
    scene::MelResult r = runCommand(command, status, display, undo);
    if (status && !r.numbers.empty())
        result = r.numbers.front();
    return status;
}

MStatus MGlobal::executeCommand(const MString& command, MDoubleArray& result, bool display,
                                bool undo) {
    return numbersInto<MDoubleArray, double>(command, result, display, undo);
}

MStatus MGlobal::executeCommand(const MString& command, MString& result, bool display, bool undo) {
    MStatus status;
    scene::MelResult r = runCommand(command, status, display, undo);
    result = firstText(r).c_str();
    return status;
}

MStatus MGlobal::executeCommand(const MString& command, MStringArray& result, bool display,
                                bool undo) {
    MStatus status;
    scene::MelResult r = runCommand(command, status, display, undo);
    result.clear();
    for (const std::string& s : r.strings)
        result.append(s.c_str());
    for (double v : r.numbers)
        result.append(scene::formatDouble(v).c_str());
    return status;
}

MString MGlobal::executeCommandStringResult(const MString& command, bool display, bool undo,
                                            MStatus* ReturnStatus) {
    MStatus status;
    scene::MelResult r = runCommand(command, status, display, undo);
    if (ReturnStatus)
        *ReturnStatus = status;
    return firstText(r).c_str();
}

// There is no idle loop: the command runs at once.
MStatus MGlobal::executeCommandOnIdle(const MString& command, bool displayEnabled) {
    return executeCommand(command, displayEnabled);
}

MStatus MGlobal::getActiveSelectionList(MSelectionList& dest, bool) {
    dest = scene::activeSelection();
    return MS::kSuccess;
}

MStatus MGlobal::setActiveSelectionList(const MSelectionList& src, ListAdjustment listAdjustment) {
    MSelectionList& active = scene::activeSelection();
    if (listAdjustment == kReplaceList) {
        active = src;
        return MS::kSuccess;
    }
    MSelectionList result = listAdjustment == kAddToHeadOfList ? src : active;
    const MSelectionList& other = listAdjustment == kAddToHeadOfList ? active : src;
    for (unsigned int i = 0; i < other.length(); ++i) {
        MObject node;
        other.getDependNode(i, node);
        const bool present = result.hasItem(node);
        if (listAdjustment == kRemoveFromList || (listAdjustment == kXORWithList && present)) {
            scene::removeNode(result, node);
        } else if (!present) {
            result.add(node);
        }
    }
    active = result;
    return MS::kSuccess;
}

MStatus MGlobal::selectByName(const MString& name, ListAdjustment listAdjustment) {
    MSelectionList list;
    MStatus status = list.add(name);
    if (!status)
        return status;
    return setActiveSelectionList(list, listAdjustment);
}

MStatus MGlobal::clearSelectionList() {
    scene::activeSelection().clear();
    return MS::kSuccess;
}

MStatus MGlobal::getSelectionListByName(const MString& name, MSelectionList& list) {
    list.clear();
    return list.add(name);
}
