#include "registry.h"

#include "graph.h"

namespace mcore {

namespace {

std::vector<std::function<void()>>& startupHooks() {
    static std::vector<std::function<void()>> hooks;
    return hooks;
}

bool& started() {
    static bool flag = false;
    return flag;
}

} // namespace

void addStartupHook(std::function<void()> hook) {
    if (started())
        hook();
    else
        startupHooks().push_back(std::move(hook));
}

void runStartupHooks() {
    if (started())
        return;
    started() = true;
    for (const auto& hook : startupHooks())
        hook();
}

Registry& Registry::instance() {
    // Never destroyed: types refer to plug-in code that may be gone at exit.
    static Registry* registry = new Registry();
    runStartupHooks();
    return *registry;
}

std::shared_ptr<NodeType> Registry::find(const std::string& name) const {
    for (const auto& type : types_)
        if (type->name == name)
            return type;
    return nullptr;
}

std::shared_ptr<NodeType> Registry::find(const MTypeId& id) const {
    for (const auto& type : types_)
        if (type->id == id)
            return type;
    return nullptr;
}

MStatus Registry::registerType(std::shared_ptr<NodeType> type) {
    if (type->name.empty() || !type->creator || !type->initialize || initializing_)
        return MS::kInvalidParameter;
    if (find(type->name) || find(type->id))
        return MS::kFailure;
    addInheritedAttributes(*type);
    initializing_ = type.get();
    MStatus status = type->initialize();
    initializing_ = nullptr;
    if (!status)
        return status;
    types_.push_back(std::move(type));
    return MS::kSuccess;
}

namespace {

std::vector<MObject> nodesOfType(const std::shared_ptr<NodeType>& type) {
    std::vector<MObject> nodes;
    for (const MObject& node : Graph::instance().nodes())
        if (nodeOf(node)->type == type)
            nodes.push_back(node);
    return nodes;
}

} // namespace

MStatus Registry::deregisterType(const MTypeId& id, const MObject& plugin) {
    for (auto it = types_.begin(); it != types_.end(); ++it) {
        if ((*it)->id != id)
            continue;
        if ((*it)->plugin != plugin)
            return MS::kInvalidParameter;
        // Nodes still in the scene would outlive their type's code.
        if (!nodesOfType(*it).empty())
            return MS::kFailure;
        types_.erase(it);
        return MS::kSuccess;
    }
    return MS::kFailure;
}

void Registry::dropType(const MTypeId& id) {
    for (auto it = types_.begin(); it != types_.end(); ++it) {
        if ((*it)->id != id)
            continue;
        for (const MObject& node : nodesOfType(*it))
            Graph::instance().deleteNode(node);
        types_.erase(it);
        return;
    }
}

MStatus registerBuiltinNodeType(const MString& typeName, const MTypeId& typeId,
                                MCreatorFunction creator, MInitializeFunction initialize,
                                MPxNode::Type kind, const std::vector<MFn::Type>& fnTypes) {
    auto type = makeNodeType(typeName, typeId, creator, initialize, kind);
    type->fnTypes = fnTypes.empty() ? std::vector<MFn::Type>{MFn::kDependencyNode} : fnTypes;
    return Registry::instance().registerType(std::move(type));
}

std::shared_ptr<NodeType> makeNodeType(const MString& typeName, const MTypeId& typeId,
                                       MCreatorFunction creator, MInitializeFunction initialize,
                                       MPxNode::Type kind) {
    auto type = std::make_shared<NodeType>();
    type->name = typeName.asChar();
    type->id = typeId;
    type->creator = creator;
    type->initialize = initialize;
    type->kind = kind;
    return type;
}

std::vector<MFn::Type> fnTypesOf(MPxNode::Type kind) {
    switch (kind) {
    case MPxNode::kLocatorNode:
        return {MFn::kPluginLocatorNode, MFn::kLocator, MFn::kShape, MFn::kDagNode,
                MFn::kDependencyNode};
    case MPxNode::kDeformerNode:
        return {MFn::kPluginDeformerNode, MFn::kWeightGeometryFilt, MFn::kGeometryFilt,
                MFn::kDependencyNode};
    case MPxNode::kGeometryFilter:
        return {MFn::kPluginGeometryFilter, MFn::kGeometryFilt, MFn::kDependencyNode};
    default:
        return {MFn::kPluginDependNode, MFn::kDependencyNode};
    }
}

} // namespace mcore
