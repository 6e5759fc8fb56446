#pragma once
// Node types and nodes of the dependency graph.
#include "attribute.h"
#include "dirty_state.h"
#include "internal.h"
#include "object.h"
#include "value.h"

#include <maya/MObject.h>
#include <maya/MPxNode.h>
#include <maya/MTypeId.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace mcore {

struct NodeType {
    std::string name;
    MTypeId id;
    MCreatorFunction creator = nullptr;
    MInitializeFunction initialize = nullptr;
    MPxNode::Type kind = MPxNode::kDependNode;
    std::vector<MFn::Type> fnTypes;
    MObject plugin; // null for built-in types
    std::string classification;

    // Top-level attributes in the order they were added.
    std::vector<MObject> attributes;
    std::map<const Attribute*, std::vector<const Attribute*>> affects;

    // Top-level or nested attribute by long or short name.
    Attribute* findAttribute(const std::string& attrName) const;
    bool hasAttribute(const Attribute* attr) const;
    // Every attribute, parents before their children.
    std::vector<Attribute*> allAttributes() const;
};

class Node : public Object {
public:
    Node(std::shared_ptr<NodeType> nodeType, std::string nodeName, MPxNode* userNode);
    ~Node() override;
    std::vector<MFn::Type> fnTypes() const override;

    std::shared_ptr<NodeType> type;
    std::string name;
    MPxNode* user;
    bool alive = true;

    // Dynamic attributes added to this node only.
    std::vector<MObject> dynamicAttributes;
    std::map<const Attribute*, std::unique_ptr<Value>> values;
    // Plugs whose stored value is out of date (outputs to compute).
    DirtyState dirty;
    // Attributes being computed or pulled right now (guards against cycles).
    std::set<const Attribute*> evaluating;
    std::map<std::string, std::unique_ptr<NodeExtension>> extensions;
    // Values read through this node's plugs since it was created (hostkit::plugReads).
    long plugReads = 0;
    // Times a value of this node changed or was dirtied (Viewport 2.0 redraws what changed).
    long changes = 0;

    Attribute* findAttribute(const std::string& attrName) const;
    bool hasAttribute(const Attribute* attr) const;
    // The stored value of a top-level attribute (created on first use).
    Value* topValue(const Attribute* top);
    const Value* topValueIfAny(const Attribute* top) const;
    void createValue(const Attribute* top);
    // The plug of the stored value `value` (null when it is not this node's).
    bool markOf(const Value* value, PlugMark& mark) const;
    // Destroys the user object (once).
    void destroyUser();
};

inline Node* nodeOf(const MObject& object) {
    return objectAs<Node>(object);
}

} // namespace mcore
