#pragma once
// The MEL commands the host runs, through MGlobal::executeCommand and the scene reader.
#include "scene/mel_args.h"
#include "scene/mel_script.h"

#include <maya/MObject.h>
#include <maya/MStatus.h>

#include <functional>
#include <string>
#include <vector>

namespace scene {

struct MelResult {
    std::vector<std::string> strings;
    std::vector<double> numbers;
    bool isText() const { return !strings.empty(); }
};

// A warning a command gives while it succeeds, and the kind of lines it belongs with.
struct MelNote {
    std::string kind, text;
};

// A compound declared by addAttr (-at compound / double3 ... -nc N) that waits for its N
// children (addAttr -p); it joins its node, or its own parent compound, once they are there.
struct PendingCompound {
    MObject node;
    std::string longName, shortName, type, parent;
    size_t expected = 0;
    std::vector<MObject> children;
    std::function<void(const MObject& attribute)> applyFlags;
};

struct MelSession {
    bool readingFile = false; // createNode does not select while a scene is read
    MObject current;          // the node relative names (".attr") refer to
    // A node of Maya's default scene the host lacks, named by select -ne: the lines about it
    // that follow are skipped as one kind.
    std::string missingCurrent;
    // Per command: warnings, and for a failure the kind of lines it belongs with (else the
    // command's errors make a kind of their own).
    std::vector<MelNote> notes;
    std::string failureKind;
    std::vector<PendingCompound> compounds;
    std::vector<MelNote> fileReferences; // referenced files reported so far
};

// The kind of lines about nodes of Maya's default scene that the host does not have.
extern const char* const kMissingDefaultNodeKind;

struct MelCommandDef {
    const char* name;
    std::vector<MelFlag> flags;
    MStatus (*run)(const MelArgs& args, MelSession& session, MelResult& result, std::string& error);
};

// Command tables, one per group of commands.
const std::vector<MelCommandDef>& nodeCommands();
const std::vector<MelCommandDef>& attributeCommands();
const std::vector<MelCommandDef>& addAttrCommands();
const std::vector<MelCommandDef>& sceneCommands();

enum class MelOutcome { Done, Failed, Unknown };
MelOutcome runMelCommand(const MelCommand& command, MelSession& session, MelResult& result,
                         std::string& message);

// A command line: stops at the first error. Syntax errors fail before anything runs.
MStatus runMelScript(const std::string& source, MelResult& result, std::string& message);

// Name look-ups shared by the commands: ":name" is the root namespace; ".attr" is an
// attribute of the session's current node. A name that fits several nodes is an error that
// lists them.
MObject resolveNode(const std::string& name, std::string& error);
std::string ambiguityError(const std::string& name, const std::vector<MObject>& matches);
std::string resolvePlugName(const std::string& name, const MelSession& session);

} // namespace scene
