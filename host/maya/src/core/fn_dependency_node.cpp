// MFnDependencyNode: names, types, attributes and plugs of a node.
#include "graph.h"
#include "plug_path.h"
#include "registry.h"
#include "status_util.h"

#include <maya/MFnDependencyNode.h>
#include <maya/MPlugArray.h>

#include <algorithm>

using namespace mcore;

namespace {

Node* liveNode(const MObject& object) {
    Node* node = nodeOf(object);
    return node && node->alive ? node : nullptr;
}

// Every attribute of the node: the type's (parents before children), then dynamic ones.
std::vector<Attribute*> attributesOf(const Node& node) {
    std::vector<Attribute*> result = node.type->allAttributes();
    for (const MObject& object : node.dynamicAttributes) {
        Attribute* attr = attributeOf(object);
        result.push_back(attr);
        attr->forEachDescendant([&result](Attribute* child) { result.push_back(child); });
    }
    return result;
}

MObject createOf(const std::shared_ptr<NodeType>& type, const MString& name, MStatus* status) {
    if (!type) {
        setReturn(status, MS::kInvalidParameter);
        return MObject();
    }
    return Graph::instance().createNode(type, name.asChar(), status);
}

} // namespace

MFnDependencyNode::MFnDependencyNode() = default;
MFnDependencyNode::MFnDependencyNode(MObject& object, MStatus* ReturnStatus) {
    setReturn(ReturnStatus, attach(object));
}
MFnDependencyNode::MFnDependencyNode(const MObject& object, MStatus* ReturnStatus) {
    setReturn(ReturnStatus, attach(object));
}
MFnDependencyNode::~MFnDependencyNode() = default;
MFn::Type MFnDependencyNode::type() const {
    return MFn::kDependencyNode;
}

MObject MFnDependencyNode::create(const MTypeId& typeId, MStatus* ReturnStatus) {
    return create(typeId, MString(), ReturnStatus);
}

MObject MFnDependencyNode::create(const MTypeId& typeId, const MString& name,
                                  MStatus* ReturnStatus) {
    MObject node = createOf(Registry::instance().find(typeId), name, ReturnStatus);
    attach(node);
    return node;
}

MObject MFnDependencyNode::create(const MString& typeName, MStatus* ReturnStatus) {
    return create(typeName, MString(), ReturnStatus);
}

MObject MFnDependencyNode::create(const MString& typeName, const MString& name,
                                  MStatus* ReturnStatus) {
    MObject node = createOf(Registry::instance().find(typeName.asChar()), name, ReturnStatus);
    attach(node);
    return node;
}

MString MFnDependencyNode::name(MStatus* ReturnStatus) const {
    const Node* node = liveNode(fObject);
    setReturn(ReturnStatus, node != nullptr);
    return node ? MString(node->name.c_str()) : MString();
}

MString MFnDependencyNode::absoluteName(MStatus* ReturnStatus) const {
    return MString(":") + name(ReturnStatus);
}

MString MFnDependencyNode::setName(const MString& newName, bool, MStatus* ReturnStatus) {
    Node* node = liveNode(fObject);
    const bool ok = node && newName.length() > 0 && newName.index('.') < 0;
    setReturn(ReturnStatus, ok, MS::kInvalidParameter);
    if (ok)
        Graph::instance().rename(node, Graph::instance().uniqueName(newName.asChar(), node));
    return node ? MString(node->name.c_str()) : MString();
}

MTypeId MFnDependencyNode::typeId(MStatus* ReturnStatus) const {
    const Node* node = liveNode(fObject);
    setReturn(ReturnStatus, node != nullptr);
    return node ? node->type->id : MTypeId();
}

MString MFnDependencyNode::typeName(MStatus* ReturnStatus) const {
    const Node* node = liveNode(fObject);
    setReturn(ReturnStatus, node != nullptr);
    return node ? MString(node->type->name.c_str()) : MString();
}

MPxNode* MFnDependencyNode::userNode(MStatus* ReturnStatus) const {
    const Node* node = liveNode(fObject);
    setReturn(ReturnStatus, node && node->user);
    return node ? node->user : nullptr;
}

bool MFnDependencyNode::isFromReferencedFile(MStatus* ReturnStatus) const {
    setReturn(ReturnStatus, liveNode(fObject) != nullptr);
    return false;
}

unsigned int MFnDependencyNode::attributeCount(MStatus* ReturnStatus) const {
    const Node* node = liveNode(fObject);
    setReturn(ReturnStatus, node != nullptr);
    return node ? static_cast<unsigned int>(attributesOf(*node).size()) : 0u;
}

MObject MFnDependencyNode::attribute(unsigned int index, MStatus* ReturnStatus) const {
    const Node* node = liveNode(fObject);
    const std::vector<Attribute*> all = node ? attributesOf(*node) : std::vector<Attribute*>();
    const bool ok = index < all.size();
    setReturn(ReturnStatus, ok, MS::kInvalidParameter);
    return ok ? MObjectAccess::make(all[index]) : MObject();
}

MObject MFnDependencyNode::attribute(const MString& attrName, MStatus* ReturnStatus) const {
    const Node* node = liveNode(fObject);
    Attribute* attr = node ? node->findAttribute(attrName.asChar()) : nullptr;
    setReturn(ReturnStatus, attr != nullptr, MS::kInvalidParameter);
    return attr ? MObjectAccess::make(attr) : MObject();
}

MFnDependencyNode::MAttrClass MFnDependencyNode::attributeClass(const MObject& attr,
                                                                MStatus* ReturnStatus) const {
    const Node* node = liveNode(fObject);
    const Attribute* attribute = attributeOf(attr);
    if (!node || !node->hasAttribute(attribute)) {
        setReturn(ReturnStatus, MS::kInvalidParameter);
        return kInvalidAttr;
    }
    setReturn(ReturnStatus, MS::kSuccess);
    return node->type->hasAttribute(attribute) ? kNormalAttr : kLocalDynamicAttr;
}

bool MFnDependencyNode::hasAttribute(const MString& attrName, MStatus* ReturnStatus) const {
    const Node* node = liveNode(fObject);
    setReturn(ReturnStatus, node != nullptr);
    return node && node->findAttribute(attrName.asChar());
}

MStatus MFnDependencyNode::addAttribute(const MObject& attr) {
    Node* node = liveNode(fObject);
    Attribute* attribute = attributeOf(attr);
    if (!node || !attribute || attribute->parent)
        return MS::kInvalidParameter;
    std::vector<Attribute*> incoming{attribute};
    attribute->forEachDescendant([&incoming](Attribute* child) { incoming.push_back(child); });
    for (const Attribute* a : incoming)
        if (node->findAttribute(a->longName) || node->findAttribute(a->shortName))
            return MS::kInvalidParameter;
    for (Attribute* a : incoming)
        a->dynamic = true;
    node->dynamicAttributes.push_back(attr);
    node->createValue(attribute);
    return MS::kSuccess;
}

MStatus MFnDependencyNode::addAttribute(const MObject& attr, MAttrClass) {
    return addAttribute(attr);
}

MStatus MFnDependencyNode::removeAttribute(const MObject& attr) {
    Node* node = liveNode(fObject);
    if (!node)
        return MS::kInvalidParameter;
    std::vector<MObject>& dynamic = node->dynamicAttributes;
    auto it = std::find(dynamic.begin(), dynamic.end(), attr);
    if (it == dynamic.end())
        return MS::kInvalidParameter;
    Graph& graph = Graph::instance();
    for (std::size_t k = graph.connections().size(); k-- > 0;) {
        if (k >= graph.connections().size())
            continue;
        const Connection c = graph.connections()[k];
        const Attribute* removed = attributeOf(attr);
        if ((c.source.nodePtr() == node && removed->isRelatedTo(c.source.attrPtr())) ||
            (c.destination.nodePtr() == node && removed->isRelatedTo(c.destination.attrPtr())))
            graph.disconnect(c.source, c.destination, nullptr);
    }
    node->values.erase(attributeOf(attr));
    dynamic.erase(it);
    return MS::kSuccess;
}

MPlug MFnDependencyNode::findPlug(const MObject& attr, bool, MStatus* ReturnStatus) const {
    const Node* node = liveNode(fObject);
    const bool ok = node && node->hasAttribute(attributeOf(attr));
    setReturn(ReturnStatus, ok, MS::kInvalidParameter);
    return ok ? MPlug(fObject, attr) : MPlug();
}

MPlug MFnDependencyNode::findPlug(const MString& attrName, bool wantNetworkedPlug,
                                  MStatus* ReturnStatus) const {
    const Node* node = liveNode(fObject);
    Attribute* attr = node ? node->findAttribute(attrName.asChar()) : nullptr;
    if (!attr) {
        setReturn(ReturnStatus, MS::kInvalidParameter);
        return MPlug();
    }
    return findPlug(MObjectAccess::make(attr), wantNetworkedPlug, ReturnStatus);
}

MPlug MFnDependencyNode::findPlug(const MObject& attr, MStatus* ReturnStatus) const {
    return findPlug(attr, false, ReturnStatus);
}

MPlug MFnDependencyNode::findPlug(const MString& attrName, MStatus* ReturnStatus) const {
    return findPlug(attrName, false, ReturnStatus);
}

MStatus MFnDependencyNode::getConnections(MPlugArray& array) const {
    array.clear();
    if (!liveNode(fObject))
        return MS::kFailure;
    for (const Connection& c : Graph::instance().connections()) {
        if (c.source.node == fObject)
            array.append(MPlugAccess::make(c.source));
        if (c.destination.node == fObject)
            array.append(MPlugAccess::make(c.destination));
    }
    return MS::kSuccess;
}

MString MFnDependencyNode::classification(const MString& nodeTypeName) {
    const auto type = Registry::instance().find(nodeTypeName.asChar());
    return type ? MString(type->classification.c_str()) : MString();
}
