// MPlug: structure (elements, children, names, connections) of a node's attribute.
#include "data_block_access.h"
#include "graph.h"
#include "plug_io.h"
#include "plug_path.h"

#include <maya/MIntArray.h>
#include <maya/MPlug.h>
#include <maya/MPlugArray.h>

#include <iterator>

using namespace mcore;

const PlugPath& MPlugAccess::path(const MPlug& plug) {
    static const PlugPath empty;
    return plug.fPtr ? *static_cast<const PlugPath*>(plug.fPtr) : empty;
}

MPlug MPlugAccess::make(const PlugPath& path) {
    MPlug plug;
    if (!path.isNull())
        plug.fPtr = new PlugPath(path);
    return plug;
}

namespace {

PlugPath* pathPtr(void* ptr) {
    return static_cast<PlugPath*>(ptr);
}

void report(MStatus* status, bool ok, MStatus failure = MS::kFailure) {
    if (status)
        *status = ok ? MStatus(MS::kSuccess) : failure;
}

bool alive(const PlugPath& path) {
    const Node* node = path.nodePtr();
    return node && node->alive && path.attrPtr();
}

// The existing elements of an array plug, bringing computed arrays up to date first.
// `evaluate`: bring a computed array up to date first; otherwise count what the block holds.
Value* existingElements(const PlugPath& path, bool evaluate = true) {
    if (!path.isArrayPlug() || !alive(path))
        return nullptr;
    Value* array =
        evaluate ? Graph::instance().evaluate(path, true) : Graph::instance().resolve(path, true);
    return array && array->arrayLevel ? array : nullptr;
}

PlugPath elementPath(const PlugPath& array, unsigned int logicalIndex) {
    PlugPath element = array;
    element.indices.back() = logicalIndex;
    return element;
}

} // namespace

MPlug::MPlug() : fPtr(nullptr) {}

MPlug::MPlug(const MPlug& in) : fPtr(in.fPtr ? new PlugPath(*pathPtr(in.fPtr)) : nullptr) {}

MPlug::MPlug(const MObject& node, const MObject& attribute) : fPtr(nullptr) {
    Node* n = nodeOf(node);
    const Attribute* attr = attributeOf(attribute);
    if (n && attr && n->hasAttribute(attr))
        fPtr = new PlugPath(makePath(node, attribute));
}

MPlug::~MPlug() {
    delete pathPtr(fPtr);
}

MPlug& MPlug::operator=(const MPlug& other) {
    if (this != &other) {
        PlugPath* copy = other.fPtr ? new PlugPath(*pathPtr(other.fPtr)) : nullptr;
        delete pathPtr(fPtr);
        fPtr = copy;
    }
    return *this;
}

MStatus MPlug::setAttribute(MObject& attribute) {
    const PlugPath& current = MPlugAccess::path(*this);
    Node* node = current.nodePtr();
    if (!node || !node->hasAttribute(attributeOf(attribute)))
        return MS::kInvalidParameter;
    *this = MPlugAccess::make(makePath(current.node, attribute));
    return MS::kSuccess;
}

MObject MPlug::attribute(MStatus* ReturnStatus) const {
    report(ReturnStatus, fPtr != nullptr);
    return MPlugAccess::path(*this).attr;
}

MObject MPlug::node(MStatus* ReturnStatus) const {
    report(ReturnStatus, fPtr != nullptr);
    return MPlugAccess::path(*this).node;
}

MString MPlug::name(MStatus* ReturnStatus) const {
    report(ReturnStatus, fPtr != nullptr);
    return plugName(MPlugAccess::path(*this), true, true).c_str();
}

MString MPlug::partialName(bool includeNodeName, bool, bool, bool, bool, bool useLongNames,
                           MStatus* ReturnStatus) const {
    report(ReturnStatus, fPtr != nullptr);
    return plugName(MPlugAccess::path(*this), includeNodeName, useLongNames).c_str();
}

MString MPlug::info(MStatus* ReturnStatus) const {
    return name(ReturnStatus);
}

bool MPlug::isNull(MStatus* ReturnStatus) const {
    report(ReturnStatus, true);
    return !alive(MPlugAccess::path(*this));
}

bool MPlug::isArray(MStatus* ReturnStatus) const {
    report(ReturnStatus, fPtr != nullptr);
    return MPlugAccess::path(*this).isArrayPlug();
}

bool MPlug::isElement(MStatus* ReturnStatus) const {
    report(ReturnStatus, fPtr != nullptr);
    return MPlugAccess::path(*this).isElement();
}

bool MPlug::isCompound(MStatus* ReturnStatus) const {
    report(ReturnStatus, fPtr != nullptr);
    const Attribute* attr = MPlugAccess::path(*this).attrPtr();
    return attr && attr->isCompound();
}

bool MPlug::isChild(MStatus* ReturnStatus) const {
    report(ReturnStatus, fPtr != nullptr);
    const Attribute* attr = MPlugAccess::path(*this).attrPtr();
    return attr && attr->parent;
}

bool MPlug::isKeyable(MStatus* ReturnStatus) const {
    report(ReturnStatus, fPtr != nullptr);
    const Attribute* attr = MPlugAccess::path(*this).attrPtr();
    return attr && attr->flags.keyable;
}

// ---- connections -------------------------------------------------------------------------------

bool MPlug::connectedTo(MPlugArray& array, bool asDst, bool asSrc, MStatus* ReturnStatus) const {
    array.clear();
    const PlugPath self = normalized(MPlugAccess::path(*this));
    report(ReturnStatus, fPtr != nullptr);
    for (const Connection& c : Graph::instance().connections()) {
        if (asDst && normalized(c.destination) == self)
            array.append(MPlugAccess::make(c.source));
        if (asSrc && normalized(c.source) == self)
            array.append(MPlugAccess::make(c.destination));
    }
    return array.length() > 0;
}

bool MPlug::isConnected(MStatus* ReturnStatus) const {
    MPlugArray others;
    return connectedTo(others, true, true, ReturnStatus);
}

bool MPlug::isSource(MStatus* ReturnStatus) const {
    MPlugArray others;
    return connectedTo(others, false, true, ReturnStatus);
}

bool MPlug::isDestination(MStatus* ReturnStatus) const {
    MPlugArray others;
    return connectedTo(others, true, false, ReturnStatus);
}

// ---- arrays ------------------------------------------------------------------------------------

namespace {
unsigned int countElements(const PlugPath& path, bool evaluate, MStatus* ReturnStatus) {
    const Value* array = existingElements(path, evaluate);
    report(ReturnStatus, array != nullptr);
    return array ? static_cast<unsigned int>(array->elements.size()) : 0u;
}
} // namespace

unsigned int MPlug::numElements(MStatus* ReturnStatus) const {
    return countElements(MPlugAccess::path(*this), false, ReturnStatus);
}

unsigned int MPlug::evaluateNumElements(MStatus* ReturnStatus) {
    return countElements(MPlugAccess::path(*this), true, ReturnStatus);
}

unsigned int MPlug::getExistingArrayAttributeIndices(MIntArray& indices, MStatus* ReturnStatus) {
    indices.clear();
    const Value* array = existingElements(MPlugAccess::path(*this));
    report(ReturnStatus, array != nullptr);
    if (array)
        for (const auto& entry : array->elements)
            indices.append(static_cast<int>(entry.first));
    return indices.length();
}

unsigned int MPlug::logicalIndex(MStatus* ReturnStatus) const {
    const PlugPath& path = MPlugAccess::path(*this);
    report(ReturnStatus, path.isElement());
    return path.isElement() ? static_cast<unsigned int>(path.indices.back())
                            : static_cast<unsigned int>(-1);
}

MPlug MPlug::elementByLogicalIndex(unsigned int logicalIndex, MStatus* ReturnStatus) const {
    const PlugPath& path = MPlugAccess::path(*this);
    if (!path.isArrayPlug() || !alive(path)) {
        report(ReturnStatus, false, MS::kInvalidParameter);
        return MPlug();
    }
    const PlugPath element = elementPath(path, logicalIndex);
    // Asking for an element creates it, as in Maya.
    Graph::instance().resolve(element, true);
    report(ReturnStatus, true);
    return MPlugAccess::make(element);
}

MPlug MPlug::elementByPhysicalIndex(unsigned int physicalIndex, MStatus* ReturnStatus) const {
    const PlugPath& path = MPlugAccess::path(*this);
    const Value* array = existingElements(path);
    if (!array || physicalIndex >= array->elements.size()) {
        report(ReturnStatus, false, MS::kInvalidParameter);
        return MPlug();
    }
    report(ReturnStatus, true);
    const unsigned int logical = std::next(array->elements.begin(), physicalIndex)->first;
    return MPlugAccess::make(elementPath(path, logical));
}

MPlug MPlug::operator[](unsigned int logicalIndex) const {
    return elementByLogicalIndex(logicalIndex);
}

MPlug MPlug::array(MStatus* ReturnStatus) const {
    const PlugPath& path = MPlugAccess::path(*this);
    if (!path.isElement()) {
        report(ReturnStatus, false, MS::kInvalidParameter);
        return MPlug();
    }
    PlugPath whole = path;
    whole.indices.back() = -1;
    report(ReturnStatus, true);
    return MPlugAccess::make(whole);
}

// ---- compounds ---------------------------------------------------------------------------------

unsigned int MPlug::numChildren(MStatus* ReturnStatus) const {
    const Attribute* attr = MPlugAccess::path(*this).attrPtr();
    report(ReturnStatus, attr && attr->isCompound());
    return attr ? static_cast<unsigned int>(attr->children.size()) : 0u;
}

MPlug MPlug::child(MObject& attr, MStatus* ReturnStatus) const {
    const PlugPath& path = MPlugAccess::path(*this);
    const Attribute* parentAttr = path.attrPtr();
    Attribute* childAttr = attributeOf(attr);
    // The children of an array's elements, not of the array itself.
    if (!parentAttr || !childAttr || childAttr->parent != parentAttr || path.isArrayPlug()) {
        report(ReturnStatus, false, MS::kInvalidParameter);
        return MPlug();
    }
    PlugPath result = path;
    result.attr = attr;
    if (childAttr->isArray())
        result.indices.push_back(-1);
    report(ReturnStatus, true);
    return MPlugAccess::make(result);
}

MPlug MPlug::child(unsigned int index, MStatus* ReturnStatus) const {
    const Attribute* attr = MPlugAccess::path(*this).attrPtr();
    if (!attr || index >= attr->children.size()) {
        report(ReturnStatus, false, MS::kInvalidParameter);
        return MPlug();
    }
    MObject childAttr = attr->children[index];
    return child(childAttr, ReturnStatus);
}

MPlug MPlug::operator[](MObject& attr) const {
    return child(attr);
}

MPlug MPlug::parent(MStatus* ReturnStatus) const {
    const PlugPath& path = MPlugAccess::path(*this);
    const Attribute* attr = path.attrPtr();
    if (!attr || !attr->parent) {
        report(ReturnStatus, false, MS::kInvalidParameter);
        return MPlug();
    }
    PlugPath result = path;
    result.attr = MObjectAccess::make(attr->parent);
    if (attr->isArray())
        result.indices.pop_back();
    report(ReturnStatus, true);
    return MPlugAccess::make(result);
}

// ---- comparison --------------------------------------------------------------------------------

MPlug::operator MObject() const {
    return attribute();
}

bool MPlug::operator==(const MPlug& other) const {
    return normalized(MPlugAccess::path(*this)) == normalized(MPlugAccess::path(other));
}

bool MPlug::operator==(const MObject& other) const {
    return fPtr && MPlugAccess::path(*this).attr == other;
}

bool MPlug::operator!=(const MPlug& other) const {
    return !(*this == other);
}

bool MPlug::operator!=(const MObject& other) const {
    return !(*this == other);
}

MDataHandle MPlug::asMDataHandle(MStatus* ReturnStatus) const {
    const PlugPath& path = MPlugAccess::path(*this);
    Value* value = alive(path) ? Graph::instance().evaluate(path, true) : nullptr;
    report(ReturnStatus, value != nullptr);
    return MDataHandleAccess::handle(value, path.nodePtr());
}
