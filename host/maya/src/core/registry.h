#pragma once
// The node types known to the host: built-in ones and those plug-ins registered.
#include "node.h"

#include <maya/MPxNode.h>
#include <maya/MStatus.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace mcore {

class Registry {
public:
    // Runs the start-up hooks on first use.
    static Registry& instance();

    std::shared_ptr<NodeType> find(const std::string& name) const;
    std::shared_ptr<NodeType> find(const MTypeId& id) const;
    const std::vector<std::shared_ptr<NodeType>>& types() const { return types_; }

    // Runs initialize with the type current; on any failure nothing stays registered.
    MStatus registerType(std::shared_ptr<NodeType> type);
    // Forgets the type. Only the registering plug-in may do so, and only while no node of the
    // type exists.
    MStatus deregisterType(const MTypeId& id, const MObject& plugin);
    // Deletes the type's nodes, then forgets the type: for types whose plug-in code is going.
    void dropType(const MTypeId& id);
    // The type whose initialize is running (addAttribute/attributeAffects apply to it).
    NodeType* initializing() const { return initializing_; }

private:
    Registry() = default;
    std::vector<std::shared_ptr<NodeType>> types_;
    NodeType* initializing_ = nullptr;
};

std::shared_ptr<NodeType> makeNodeType(const MString& typeName, const MTypeId& typeId,
                                       MCreatorFunction creator, MInitializeFunction initialize,
                                       MPxNode::Type kind);
// MFn types of nodes of a plug-in node kind.
std::vector<MFn::Type> fnTypesOf(MPxNode::Type kind);
// Adds the attributes a base class contributes (DAG, locator, geometry filter, deformer).
void addInheritedAttributes(NodeType& type);
void runStartupHooks();

} // namespace mcore
