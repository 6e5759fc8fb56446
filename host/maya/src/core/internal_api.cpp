// The extension points other parts of the host use (internal.h).
#include "graph.h"
#include "internal.h"
#include "plug_io.h"
#include "px_node_access.h"

using namespace mcore;

namespace mcore {

std::vector<MObject> allNodes() {
    return Graph::instance().nodes();
}

bool isAlive(const MObject& node) {
    const Node* n = nodeOf(node);
    return n && n->alive;
}

MString nodeTypeName(const MObject& node) {
    const Node* n = nodeOf(node);
    return n ? MString(n->type->name.c_str()) : MString();
}

MObject nodeOf(const MPxNode* userNode) {
    return userNode ? userNode->thisMObject() : MObject();
}

long changeCount(const MObject& node) {
    const Node* n = nodeOf(node);
    return n ? n->changes : 0;
}

std::string typeClassification(const MObject& node) {
    const Node* n = nodeOf(node);
    return n ? n->type->classification : std::string();
}

NodeExtension* nodeExtension(const MObject& node, const char* part) {
    Node* n = mcore::nodeOf(node);
    if (!n || !part)
        return nullptr;
    auto it = n->extensions.find(part);
    return it == n->extensions.end() ? nullptr : it->second.get();
}

void setNodeExtension(const MObject& node, const char* part,
                      std::unique_ptr<NodeExtension> extension) {
    Node* n = mcore::nodeOf(node);
    if (n && n->alive && part)
        n->extensions[part] = std::move(extension);
}

void setNamePolicy(NamePolicy policy) {
    Graph::instance().namePolicy = std::move(policy);
}

std::vector<MObject> nodesWithName(const std::string& name) {
    std::vector<MObject> out;
    for (Node* node : Graph::instance().nodesNamed(name))
        out.push_back(MObjectAccess::make(node));
    return out;
}

void addNodeAddedCallback(NodeCallback callback) {
    Graph::instance().addedCallbacks.push_back(std::move(callback));
}

void addNodeRemovedCallback(NodeCallback callback) {
    Graph::instance().removedCallbacks.push_back(std::move(callback));
}

void addSceneResetHook(std::function<void()> hook) {
    Graph::instance().resetHooks.push_back(std::move(hook));
}

void setHostEvaluator(const MObject& attribute, HostEvaluator evaluator) {
    if (const Attribute* attr = attributeOf(attribute))
        Graph::instance().evaluators[attr] = std::move(evaluator);
}

MStatus setArrayNumbers(const MPlug& array, unsigned int first,
                        const std::vector<double>& numbers) {
    return writeArrayNumbers(MPlugAccess::path(array), first, numbers);
}

void markChanged(const MPlug& plug) {
    const PlugPath& path = MPlugAccess::path(plug);
    if (Node* node = path.nodePtr())
        Graph::instance().changed(node, path.attrPtr());
}

std::vector<std::pair<MPlug, MPlug>> allConnections() {
    std::vector<std::pair<MPlug, MPlug>> result;
    for (const Connection& c : Graph::instance().connections())
        result.emplace_back(MPlugAccess::make(c.source), MPlugAccess::make(c.destination));
    return result;
}

bool isDefaultValue(const MPlug& plug) {
    const Value* value = Graph::instance().resolve(MPlugAccess::path(plug), false);
    return !value || isDefault(*value);
}

bool isDynamicAttribute(const MObject& node, const MObject& attribute) {
    const Node* n = mcore::nodeOf(node);
    const Attribute* attr = attributeOf(attribute);
    return n && attr && n->hasAttribute(attr) && !n->type->hasAttribute(attr);
}

} // namespace mcore
