#include <maya/MFnDagNode.h>

#include "scene/dag.h"
#include "scene/node_factory.h"

#include <maya/MFnDependencyNode.h>
#include <maya/MFnMesh.h>
#include <maya/MFnNurbsCurve.h>
#include <maya/MPointArray.h>
#include <maya/MPlug.h>
#include <maya/MPxLocatorNode.h>

#include <algorithm>

namespace {

MStatus report(MStatus* status, MStatus value) {
    if (status)
        *status = value;
    return value;
}

} // namespace

MFnDagNode::MFnDagNode() = default;
MFnDagNode::MFnDagNode(MObject& object, MStatus* ReturnStatus) {
    report(ReturnStatus, attach(object));
}
MFnDagNode::MFnDagNode(const MObject& object, MStatus* ReturnStatus) {
    report(ReturnStatus, attach(object));
}
MFnDagNode::MFnDagNode(const MDagPath& path, MStatus* ReturnStatus) {
    MStatus status = attach(path.node());
    if (status)
        fPath = path;
    report(ReturnStatus, status);
}
MFnDagNode::~MFnDagNode() = default;

MFn::Type MFnDagNode::type() const {
    return MFn::kDagNode;
}

MObject MFnDagNode::create(const MTypeId& typeId, const MObject& parent, MStatus* ReturnStatus) {
    return create(MString(scene::typeNameOf(typeId.id()).c_str()), MString(), parent, ReturnStatus);
}

MObject MFnDagNode::create(const MTypeId& typeId, const MString& name, const MObject& parent,
                           MStatus* ReturnStatus) {
    return create(MString(scene::typeNameOf(typeId.id()).c_str()), name, parent, ReturnStatus);
}

MObject MFnDagNode::create(const MString& type, const MObject& parent, MStatus* ReturnStatus) {
    return create(type, MString(), parent, ReturnStatus);
}

// Returns the new transform when one was made above the node, else the node; the function set
// is attached to the node itself.
MObject MFnDagNode::create(const MString& type, const MString& name, const MObject& parent,
                           MStatus* ReturnStatus) {
    scene::CreatedNode created;
    std::string error;
    MStatus status = scene::createNodeOfType(type.asChar(), name.asChar(), parent, created, error);
    if (status && !scene::isDagNode(created.node))
        status = MS::kInvalidParameter; // a DG type: made, but not through this function set
    report(ReturnStatus, status);
    if (!status)
        return MObject();
    attach(created.node);
    fPath = MDagPath();
    return created.transform.isNull() ? created.node : created.transform;
}

unsigned int MFnDagNode::parentCount(MStatus* ReturnStatus) const {
    report(ReturnStatus, fObject.isNull() ? MS::kInvalidParameter : MS::kSuccess);
    return scene::dagParent(fObject).isNull() ? 0u : 1u;
}

MObject MFnDagNode::parent(unsigned int i, MStatus* ReturnStatus) const {
    MObject up = scene::dagParent(fObject);
    if (i != 0 || up.isNull()) {
        report(ReturnStatus, MS::kInvalidParameter);
        return MObject();
    }
    report(ReturnStatus, MS::kSuccess);
    return up;
}

// Instancing is not supported: a node keeps one parent.
MStatus MFnDagNode::addChild(MObject& child, unsigned int index, bool keepExistingParents) {
    if (keepExistingParents && !scene::dagParent(child).isNull())
        return MS::kNotImplemented;
    MStatus status = scene::reparent(child, fObject);
    if (!status || index == kNextPos)
        return status;
    // Move it from the end to the requested position among its siblings.
    std::vector<MObject> siblings = scene::dagChildren(fObject);
    siblings.pop_back();
    index = std::min<unsigned int>(index, static_cast<unsigned int>(siblings.size()));
    for (unsigned int i = index; i < siblings.size(); ++i) {
        scene::reparent(siblings[i], MObject());
        scene::reparent(siblings[i], fObject);
    }
    return status;
}

MStatus MFnDagNode::removeChild(MObject& child) {
    if (scene::dagParent(child) != fObject || fObject.isNull())
        return MS::kInvalidParameter;
    return scene::reparent(child, MObject());
}

unsigned int MFnDagNode::childCount(MStatus* ReturnStatus) const {
    report(ReturnStatus, fObject.isNull() ? MS::kInvalidParameter : MS::kSuccess);
    return static_cast<unsigned int>(scene::dagChildren(fObject).size());
}

MObject MFnDagNode::child(unsigned int i, MStatus* ReturnStatus) const {
    std::vector<MObject> children = scene::dagChildren(fObject);
    if (i >= children.size()) {
        report(ReturnStatus, MS::kInvalidParameter);
        return MObject();
    }
    report(ReturnStatus, MS::kSuccess);
    return children[i];
}

bool MFnDagNode::hasParent(const MObject& node, MStatus* ReturnStatus) const {
    report(ReturnStatus, MS::kSuccess);
    return !node.isNull() && scene::dagParent(fObject) == node;
}

bool MFnDagNode::hasChild(const MObject& node, MStatus* ReturnStatus) const {
    report(ReturnStatus, MS::kSuccess);
    return !fObject.isNull() && scene::dagParent(node) == fObject;
}

bool MFnDagNode::isChildOf(const MObject& node, MStatus* ReturnStatus) const {
    return hasParent(node, ReturnStatus);
}

bool MFnDagNode::isParentOf(const MObject& node, MStatus* ReturnStatus) const {
    return hasChild(node, ReturnStatus);
}

MStatus MFnDagNode::getPath(MDagPath& path) const {
    if (fPath.isValid() && fPath.node() == fObject) {
        path = fPath;
        return MS::kSuccess;
    }
    return MDagPath::getAPathTo(fObject, path);
}

MDagPath MFnDagNode::dagPath(MStatus* ReturnStatus) const {
    MDagPath path;
    report(ReturnStatus, getPath(path));
    return path;
}

MString MFnDagNode::fullPathName(MStatus* ReturnStatus) const {
    return dagPath(ReturnStatus).fullPathName();
}

MString MFnDagNode::partialPathName(MStatus* ReturnStatus) const {
    return dagPath(ReturnStatus).partialPathName();
}

MMatrix MFnDagNode::transformationMatrix(MStatus* ReturnStatus) const {
    report(ReturnStatus, fObject.isNull() ? MS::kInvalidParameter : MS::kSuccess);
    return scene::localMatrix(fObject);
}

// Locators report their own box, meshes and curves the box of their points or CVs (object
// space); anything else an empty box.
MBoundingBox MFnDagNode::boundingBox(MStatus* ReturnStatus) const {
    report(ReturnStatus, fObject.isNull() ? MS::kInvalidParameter : MS::kSuccess);
    if (auto* locator = dynamic_cast<MPxLocatorNode*>(userNode()))
        return locator->boundingBox();
    MPointArray points;
    if (fObject.hasFn(MFn::kMesh))
        MFnMesh(fObject).getPoints(points);
    else if (fObject.hasFn(MFn::kNurbsCurve))
        MFnNurbsCurve(fObject).getCVs(points);
    MBoundingBox box;
    for (unsigned int i = 0; i < points.length(); ++i)
        if (i == 0)
            box = MBoundingBox(points[0], points[0]);
        else
            box.expand(points[i]);
    return box;
}

bool MFnDagNode::isIntermediateObject(MStatus* ReturnStatus) const {
    MPlug plug = findPlug("intermediateObject", true, ReturnStatus);
    return !plug.isNull() && plug.asBool();
}

// The host's default colours for selected and unselected wireframes.
MColor MFnDagNode::activeColor(MStatus* ReturnStatus) const {
    report(ReturnStatus, MS::kSuccess);
    return MColor(1.0f, 1.0f, 1.0f);
}

MColor MFnDagNode::dormantColor(MStatus* ReturnStatus) const {
    report(ReturnStatus, MS::kSuccess);
    return MColor(0.0f, 0.016f, 0.376f);
}
