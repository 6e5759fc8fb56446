#include "scene/mel_commands.h"

#include "scene/dag.h"
#include "scene/dag_names.h"
#include "scene/selection.h"

#include <maya/MFnDependencyNode.h>

namespace scene {

const char* const kMissingDefaultNodeKind =
    "warning: lines about nodes of Maya's default scene that the stand-in does not have "
    "(render settings, shading groups, ...) are skipped";

namespace {

const MelCommandDef* findCommand(const std::string& name) {
    for (const auto* table :
         {&nodeCommands(), &attributeCommands(), &addAttrCommands(), &sceneCommands()})
        for (const MelCommandDef& def : *table)
            if (name == def.name)
                return &def;
    return nullptr;
}

} // namespace

MelOutcome runMelCommand(const MelCommand& command, MelSession& session, MelResult& result,
                         std::string& message) {
    result = MelResult();
    const std::string& name = command.words.front().text;
    const MelCommandDef* def =
        command.words.front().kind == MelWord::Bare ? findCommand(name) : nullptr;
    if (!def) {
        message = "Cannot find procedure \"" + name + "\".";
        return MelOutcome::Unknown;
    }
    MelArgs args;
    if (!args.parse(command, def->flags, message)) {
        message = name + ": " + message;
        return MelOutcome::Failed;
    }
    if (!def->run(args, session, result, message)) {
        message = name + ": " + message;
        return MelOutcome::Failed;
    }
    return MelOutcome::Done;
}

MStatus runMelScript(const std::string& source, MelResult& result, std::string& message) {
    MelScript script = parseMel(source);
    if (!script.errors.empty()) {
        message = "Syntax error: " + script.errors.front().message;
        return MS::kFailure;
    }
    MelSession session;
    for (const MelCommand& command : script.commands)
        if (runMelCommand(command, session, result, message) != MelOutcome::Done)
            return MS::kFailure;
    return MS::kSuccess;
}

std::string ambiguityError(const std::string& name, const std::vector<MObject>& matches) {
    std::string list;
    for (const MObject& node : matches)
        list += (list.empty() ? "" : ", ") +
                (isDagNode(node) ? fullPathName(dagPathTo(node))
                                 : std::string(MFnDependencyNode(node).name().asChar()));
    return "More than one object matches name: " + name + " (" + list + ")";
}

MObject resolveNode(const std::string& name, std::string& error) {
    std::vector<MObject> nodes = nodesMatching(name);
    if (nodes.size() == 1)
        return nodes.front();
    error = nodes.empty() ? "No object matches name: " + name : ambiguityError(name, nodes);
    return MObject();
}

std::string resolvePlugName(const std::string& name, const MelSession& session) {
    if (!name.empty() && name[0] == '.' && !session.current.isNull())
        return uniqueNameOf(session.current) + name;
    if (!name.empty() && name[0] == ':')
        return name.substr(1);
    return name;
}

} // namespace scene
