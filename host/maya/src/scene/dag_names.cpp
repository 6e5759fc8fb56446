#include "scene/dag_names.h"

#include "core/internal.h"
#include "scene/dag.h"

#include <maya/MFnDependencyNode.h>

namespace scene {

namespace {

std::string nameOf(const MObject& node) {
    return MFnDependencyNode(node).name().asChar();
}

std::vector<std::string> split(const std::string& path) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= path.size()) {
        const size_t bar = path.find('|', start);
        const size_t end = bar == std::string::npos ? path.size() : bar;
        parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// Whether the node's ancestors, nearest first, carry the names before the last part.
bool ancestorsMatch(const MObject& node, const std::vector<std::string>& parts, bool absolute) {
    MObject at = dagParent(node);
    for (size_t k = parts.size() - 1; k-- > (absolute ? 1 : 0);) {
        if (at.isNull() || nameOf(at) != parts[k])
            return false;
        at = dagParent(at);
    }
    return !absolute || at.isNull();
}

// A DAG node may share its name with DAG nodes under other parents; nothing else may.
bool clashes(const MObject& self, const MObject& other) {
    if (!isDagNode(self) || !isDagNode(other))
        return true;
    return dagParent(self) == dagParent(other);
}

} // namespace

std::vector<MObject> nodesNamed(const std::string& name) {
    std::string text = name;
    if (!text.empty() && text[0] == ':')
        text.erase(0, 1);
    if (text.find('|') == std::string::npos)
        return mcore::nodesWithName(text);
    const bool absolute = text[0] == '|';
    const std::vector<std::string> parts = split(text);
    std::vector<MObject> out;
    for (const MObject& node : mcore::nodesWithName(parts.back()))
        if (isDagNode(node) && ancestorsMatch(node, parts, absolute))
            out.push_back(node);
    return out;
}

std::string uniqueNameOf(const MObject& node) {
    std::string name = nameOf(node);
    if (!isDagNode(node) || mcore::nodesWithName(name).size() <= 1)
        return name;
    for (MObject at = dagParent(node); !at.isNull(); at = dagParent(at)) {
        name = nameOf(at) + "|" + name;
        if (nodesNamed(name).size() == 1)
            return name;
    }
    return "|" + name;
}

void installDagNames() {
    mcore::NamePolicy policy;
    policy.clashes = clashes;
    policy.resolve = nodesNamed;
    policy.displayName = uniqueNameOf;
    mcore::setNamePolicy(std::move(policy));
}

} // namespace scene
