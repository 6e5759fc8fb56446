#include "node.h"

#include <algorithm>

namespace mcore {

namespace {

Attribute* findIn(const std::vector<MObject>& attributes, const std::string& attrName) {
    for (const MObject& object : attributes) {
        Attribute* attr = attributeOf(object);
        if (attr->matchesName(attrName))
            return attr;
    }
    for (const MObject& object : attributes)
        if (Attribute* found = attributeOf(object)->findDescendant(attrName))
            return found;
    return nullptr;
}

bool containsRoot(const std::vector<MObject>& attributes, const Attribute* attr) {
    const Attribute* root = attr;
    while (root->parent)
        root = root->parent;
    return std::any_of(attributes.begin(), attributes.end(),
                       [root](const MObject& object) { return attributeOf(object) == root; });
}

} // namespace

Attribute* NodeType::findAttribute(const std::string& attrName) const {
    return findIn(attributes, attrName);
}

bool NodeType::hasAttribute(const Attribute* attr) const {
    return attr && containsRoot(attributes, attr);
}

std::vector<Attribute*> NodeType::allAttributes() const {
    std::vector<Attribute*> result;
    for (const MObject& object : attributes) {
        Attribute* attr = attributeOf(object);
        result.push_back(attr);
        attr->forEachDescendant([&result](Attribute* child) { result.push_back(child); });
    }
    return result;
}

Node::Node(std::shared_ptr<NodeType> nodeType, std::string nodeName, MPxNode* userNode)
    : type(std::move(nodeType)), name(std::move(nodeName)), user(userNode) {}

Node::~Node() {
    destroyUser();
}

void Node::destroyUser() {
    MPxNode* doomed = user;
    user = nullptr;
    delete doomed;
}

std::vector<MFn::Type> Node::fnTypes() const {
    std::vector<MFn::Type> types = type->fnTypes;
    types.push_back(MFn::kNamedObject);
    return types;
}

Attribute* Node::findAttribute(const std::string& attrName) const {
    if (Attribute* attr = type->findAttribute(attrName))
        return attr;
    return findIn(dynamicAttributes, attrName);
}

bool Node::hasAttribute(const Attribute* attr) const {
    return attr && (type->hasAttribute(attr) || containsRoot(dynamicAttributes, attr));
}

void Node::createValue(const Attribute* top) {
    if (!values.count(top))
        values[top] = makeValue(*top, top->isArray());
}

Value* Node::topValue(const Attribute* top) {
    createValue(top);
    return values[top].get();
}

const Value* Node::topValueIfAny(const Attribute* top) const {
    auto it = values.find(top);
    return it == values.end() ? nullptr : it->second.get();
}

namespace {

// Depth-first search for `target` below `value`, collecting the logical index of each element
// passed on the way.
bool findValue(const Value* value, const Value* target, std::vector<long long>& indices) {
    if (value == target)
        return true;
    for (const auto& [index, element] : value->elements) {
        indices.push_back(index);
        if (findValue(element.get(), target, indices))
            return true;
        indices.pop_back();
    }
    for (const auto& child : value->children)
        if (child && findValue(child.get(), target, indices))
            return true;
    return false;
}

} // namespace

bool Node::markOf(const Value* value, PlugMark& mark) const {
    if (!value)
        return false;
    for (const auto& [top, stored] : values) {
        std::vector<long long> indices;
        if (!findValue(stored.get(), value, indices))
            continue;
        // The whole array is named with -1 for its own level.
        mark = {value->attr, indices};
        if (value->arrayLevel)
            mark.indices.push_back(-1);
        return true;
    }
    return false;
}

} // namespace mcore
