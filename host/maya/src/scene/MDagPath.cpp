#include <maya/MDagPath.h>

#include "core/internal.h"
#include "scene/dag.h"
#include "scene/dag_names.h"

#include <maya/MFnDependencyNode.h>
#include <maya/MPlug.h>

#include <vector>

namespace {

using Nodes = std::vector<MObject>;

Nodes& nodesOf(void* p) {
    return *static_cast<Nodes*>(p);
}

MStatus report(MStatus* status, MStatus value) {
    if (status)
        *status = value;
    return value;
}

bool boolAttribute(const MObject& node, const char* name) {
    MPlug plug = MFnDependencyNode(node).findPlug(name, true);
    return !plug.isNull() && plug.asBool();
}

} // namespace

MDagPath::MDagPath() : fPtr(new Nodes()) {}
MDagPath::MDagPath(const MDagPath& src) : fPtr(new Nodes(nodesOf(src.fPtr))) {}
MDagPath& MDagPath::operator=(const MDagPath& src) {
    nodesOf(fPtr) = nodesOf(src.fPtr);
    return *this;
}
MDagPath::~MDagPath() {
    delete static_cast<Nodes*>(fPtr);
}

// Valid while every node lives and each is still the parent of the next.
bool MDagPath::isValid(MStatus* ReturnStatus) const {
    const Nodes& nodes = nodesOf(fPtr);
    bool valid = !nodes.empty() && scene::dagParent(nodes.front()).isNull();
    for (size_t i = 0; valid && i < nodes.size(); ++i)
        valid = mcore::isAlive(nodes[i]) && (i == 0 || scene::dagParent(nodes[i]) == nodes[i - 1]);
    report(ReturnStatus, MS::kSuccess);
    return valid;
}

MObject MDagPath::node(MStatus* ReturnStatus) const {
    const Nodes& nodes = nodesOf(fPtr);
    if (nodes.empty()) {
        report(ReturnStatus, MS::kInvalidParameter);
        return MObject();
    }
    report(ReturnStatus, MS::kSuccess);
    return nodes.back();
}

bool MDagPath::hasFn(MFn::Type type, MStatus* ReturnStatus) const {
    return node(ReturnStatus).hasFn(type);
}

MFn::Type MDagPath::apiType(MStatus* ReturnStatus) const {
    return node(ReturnStatus).apiType();
}

MObject MDagPath::transform(MStatus* ReturnStatus) const {
    const Nodes& nodes = nodesOf(fPtr);
    for (auto it = nodes.rbegin(); it != nodes.rend(); ++it)
        if (scene::isTransformNode(*it)) {
            report(ReturnStatus, MS::kSuccess);
            return *it;
        }
    report(ReturnStatus, MS::kInvalidParameter);
    return MObject();
}

unsigned int MDagPath::length(MStatus* ReturnStatus) const {
    report(ReturnStatus, MS::kSuccess);
    return static_cast<unsigned int>(nodesOf(fPtr).size());
}

namespace {

std::vector<MObject> shapesBelow(const MObject& node, bool skipIntermediate) {
    std::vector<MObject> shapes;
    for (const MObject& child : scene::dagChildren(node))
        if (scene::isShapeNode(child) &&
            !(skipIntermediate && boolAttribute(child, "intermediateObject")))
            shapes.push_back(child);
    return shapes;
}

} // namespace

// A shape path stays as it is; a transform extends to its one non-intermediate shape.
MStatus MDagPath::extendToShape() {
    Nodes& nodes = nodesOf(fPtr);
    if (nodes.empty())
        return MS::kInvalidParameter;
    if (scene::isShapeNode(nodes.back()))
        return MS::kSuccess;
    std::vector<MObject> shapes = shapesBelow(nodes.back(), true);
    if (shapes.size() != 1)
        return MS::kInvalidParameter;
    nodes.push_back(shapes.front());
    return MS::kSuccess;
}

MStatus MDagPath::extendToShapeDirectlyBelow(unsigned int index) {
    Nodes& nodes = nodesOf(fPtr);
    if (nodes.empty())
        return MS::kInvalidParameter;
    std::vector<MObject> shapes = shapesBelow(nodes.back(), false);
    if (index >= shapes.size())
        return MS::kInvalidParameter;
    nodes.push_back(shapes[index]);
    return MS::kSuccess;
}

MStatus MDagPath::numberOfShapesDirectlyBelow(unsigned int& num) const {
    const Nodes& nodes = nodesOf(fPtr);
    num = nodes.empty() ? 0u : static_cast<unsigned int>(shapesBelow(nodes.back(), false).size());
    return nodes.empty() ? MS::kInvalidParameter : MS::kSuccess;
}

MStatus MDagPath::push(const MObject& child) {
    Nodes& nodes = nodesOf(fPtr);
    if (!scene::isDagNode(child))
        return MS::kInvalidParameter;
    const MObject parent = scene::dagParent(child);
    if (nodes.empty() ? !parent.isNull() : parent != nodes.back())
        return MS::kInvalidParameter;
    nodes.push_back(child);
    return MS::kSuccess;
}

MStatus MDagPath::pop(unsigned int num) {
    Nodes& nodes = nodesOf(fPtr);
    if (num > nodes.size())
        return MS::kInvalidParameter;
    nodes.resize(nodes.size() - num);
    return MS::kSuccess;
}

unsigned int MDagPath::childCount(MStatus* ReturnStatus) const {
    const Nodes& nodes = nodesOf(fPtr);
    report(ReturnStatus, MS::kSuccess);
    return static_cast<unsigned int>(
        (nodes.empty() ? scene::worldChildren() : scene::dagChildren(nodes.back())).size());
}

MObject MDagPath::child(unsigned int i, MStatus* ReturnStatus) const {
    const Nodes& nodes = nodesOf(fPtr);
    std::vector<MObject> children =
        nodes.empty() ? scene::worldChildren() : scene::dagChildren(nodes.back());
    if (i >= children.size()) {
        report(ReturnStatus, MS::kInvalidParameter);
        return MObject();
    }
    report(ReturnStatus, MS::kSuccess);
    return children[i];
}

// Without instancing the path of a node is unique: only index 0 exists.
MStatus MDagPath::getPath(MDagPath& path, unsigned int i) const {
    if (i != 0 || nodesOf(fPtr).empty())
        return MS::kInvalidParameter;
    path = *this;
    return MS::kSuccess;
}

MMatrix MDagPath::inclusiveMatrix(MStatus* ReturnStatus) const {
    report(ReturnStatus, MS::kSuccess);
    return scene::pathMatrix(nodesOf(fPtr));
}

MMatrix MDagPath::exclusiveMatrix(MStatus* ReturnStatus) const {
    Nodes parents = nodesOf(fPtr);
    if (!parents.empty())
        parents.pop_back();
    report(ReturnStatus, MS::kSuccess);
    return scene::pathMatrix(parents);
}

MMatrix MDagPath::inclusiveMatrixInverse(MStatus* ReturnStatus) const {
    return inclusiveMatrix(ReturnStatus).inverse();
}

MMatrix MDagPath::exclusiveMatrixInverse(MStatus* ReturnStatus) const {
    return exclusiveMatrix(ReturnStatus).inverse();
}

MString MDagPath::fullPathName(MStatus* ReturnStatus) const {
    report(ReturnStatus, MS::kSuccess);
    return scene::fullPathName(nodesOf(fPtr)).c_str();
}

// The shortest path that designates only this node (its name when that is unique).
MString MDagPath::partialPathName(MStatus* ReturnStatus) const {
    const Nodes& nodes = nodesOf(fPtr);
    report(ReturnStatus, nodes.empty() ? MS::kInvalidParameter : MS::kSuccess);
    return nodes.empty() ? MString() : MString(scene::uniqueNameOf(nodes.back()).c_str());
}

bool MDagPath::isTemplated(MStatus* ReturnStatus) const {
    report(ReturnStatus, MS::kSuccess);
    for (const MObject& node : nodesOf(fPtr))
        if (boolAttribute(node, "template"))
            return true;
    return false;
}

bool MDagPath::isVisible(MStatus* ReturnStatus) const {
    const Nodes& nodes = nodesOf(fPtr);
    report(ReturnStatus, MS::kSuccess);
    for (const MObject& node : nodes) {
        MPlug plug = MFnDependencyNode(node).findPlug("visibility", true);
        if (!plug.isNull() && !plug.asBool())
            return false;
    }
    return !nodes.empty();
}

bool MDagPath::isInstanced(MStatus* ReturnStatus) const {
    report(ReturnStatus, MS::kSuccess);
    return false;
}

unsigned int MDagPath::instanceNumber(MStatus* ReturnStatus) const {
    report(ReturnStatus, MS::kSuccess);
    return 0;
}

bool MDagPath::operator==(const MDagPath& other) const {
    return nodesOf(fPtr) == nodesOf(other.fPtr);
}

MStatus MDagPath::getAPathTo(const MObject& node, MDagPath& path) {
    Nodes nodes = scene::dagPathTo(node);
    if (nodes.empty())
        return MS::kInvalidParameter;
    nodesOf(path.fPtr) = std::move(nodes);
    return MS::kSuccess;
}

MDagPath MDagPath::getAPathTo(const MObject& node, MStatus* ReturnStatus) {
    MDagPath path;
    report(ReturnStatus, getAPathTo(node, path));
    return path;
}
