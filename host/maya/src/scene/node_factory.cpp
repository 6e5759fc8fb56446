#include "scene/node_factory.h"

#include "core/internal.h"
#include "scene/dag.h"

#include <hostkit/host.h>
#include <maya/MFnDependencyNode.h>

namespace scene {

namespace {

// Taken by a node other than `self`.
bool nameTaken(const std::string& name, const MObject& self) {
    for (const MObject& other : mcore::nodesWithName(name))
        if (other != self)
            return true;
    return false;
}

// "cameraShape1" / "camera1" with the first number free for both.
void defaultShapeNames(const std::string& typeName, const MObject& self, std::string& shape,
                       std::string& transform) {
    for (int n = 1;; ++n) {
        shape = typeName + "Shape" + std::to_string(n);
        transform = typeName + std::to_string(n);
        if (!nameTaken(shape, self) && !nameTaken(transform, self))
            return;
    }
}

} // namespace

std::string typeNameOf(unsigned int typeId) {
    for (const hostkit::NodeTypeInfo& info : hostkit::registeredTypes())
        if (info.id == typeId)
            return info.name;
    return "";
}

MStatus createNodeOfType(const std::string& typeName, const std::string& name,
                         const MObject& parent, CreatedNode& created, std::string& error) {
    created = CreatedNode();
    if (!hostkit::isTypeRegistered(typeName)) {
        error = "Unknown object type: " + typeName;
        return MS::kInvalidParameter;
    }
    if (!parent.isNull() && !isTransformNode(parent)) {
        error = "'" + std::string(MFnDependencyNode(parent).name().asChar()) +
                "' is not a transform and cannot have children";
        return MS::kInvalidParameter;
    }
    MStatus status;
    std::string nodeName = name, transformName; // empty: "transform" + number
    MObject node = hostkit::createNode(typeName, nodeName, &status);
    if (!status) {
        error = "Cannot create a node of type " + typeName;
        return status;
    }
    if (name.empty() && isShapeNode(node)) {
        defaultShapeNames(typeName, node, nodeName, transformName);
        MFnDependencyNode(node).setName(nodeName.c_str());
    }
    MObject above = parent;
    if (above.isNull() && isShapeNode(node)) {
        above = hostkit::createNode("transform", name.empty() ? transformName : "", &status);
        if (!status) {
            hostkit::deleteNode(node);
            error = "Cannot create the transform of " + nodeName;
            return status;
        }
        created.transform = above;
    }
    if (!above.isNull())
        reparent(node, above, &error);
    // Named once in place: a DAG node may share its name with nodes under other parents.
    if (!name.empty())
        MFnDependencyNode(node).setName(name.c_str());
    created.node = node;
    return MS::kSuccess;
}

} // namespace scene
