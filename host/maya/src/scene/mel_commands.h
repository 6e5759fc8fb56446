#pragma once
// The MEL commands the host runs, through MGlobal::executeCommand and the scene reader.
#include "scene/mel_args.h"
#include "scene/mel_script.h"

#include <maya/MObject.h>
#include <maya/MStatus.h>

#include <string>
#include <vector>

namespace scene {

struct MelResult {
    std::vector<std::string> strings;
    std::vector<double> numbers;
    bool isText() const { return !strings.empty(); }
};

struct MelSession {
    bool readingFile = false; // createNode does not select while a scene is read
    MObject current;          // the node relative names (".attr") refer to
};

struct MelCommandDef {
    const char* name;
    std::vector<MelFlag> flags;
    MStatus (*run)(const MelArgs& args, MelSession& session, MelResult& result, std::string& error);
};

// Command tables, one per group of commands.
const std::vector<MelCommandDef>& nodeCommands();
const std::vector<MelCommandDef>& attributeCommands();
const std::vector<MelCommandDef>& sceneCommands();

enum class MelOutcome { Done, Failed, Unknown };
MelOutcome runMelCommand(const MelCommand& command, MelSession& session, MelResult& result,
                         std::string& message);

// A command line: stops at the first error. Syntax errors fail before anything runs.
MStatus runMelScript(const std::string& source, MelResult& result, std::string& message);

// Name look-ups shared by the commands: ":name" is the root namespace; ".attr" is an
// attribute of the session's current node.
MObject resolveNode(const std::string& name, std::string& error);
std::string resolvePlugName(const std::string& name, const MelSession& session);

} // namespace scene
