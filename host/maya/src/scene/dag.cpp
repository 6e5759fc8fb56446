#include "scene/dag.h"

#include "core/internal.h"
#include "scene/builtin_transform.h"
#include "scene/dag_names.h"
#include "scene/transform_math.h"

#include <maya/MArrayDataBuilder.h>
#include <maya/MArrayDataHandle.h>
#include <maya/MDataBlock.h>
#include <maya/MDataHandle.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MPlug.h>

#include <algorithm>

namespace scene {

namespace {

const char* const kSlot = "scene.dag";

struct DagLinks : mcore::NodeExtension {
    MObject parent;
    std::vector<MObject> children;
};

DagLinks* linksOf(const MObject& node) {
    return static_cast<DagLinks*>(mcore::nodeExtension(node, kSlot));
}

void unlink(const MObject& child) {
    DagLinks* links = linksOf(child);
    if (!links || links->parent.isNull())
        return;
    if (DagLinks* up = linksOf(links->parent)) {
        auto& siblings = up->children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), child), siblings.end());
    }
    links->parent = MObject();
}

void nodeAdded(const MObject& node) {
    if (isDagNode(node))
        mcore::setNodeExtension(node, kSlot, std::make_unique<DagLinks>());
}

// A removed node leaves its parent; its children move under the world.
void nodeRemoved(const MObject& node) {
    DagLinks* links = linksOf(node);
    if (!links)
        return;
    unlink(node);
    for (const MObject& child : links->children)
        if (DagLinks* c = linksOf(child))
            c->parent = MObject();
    links->children.clear();
}

void setMatrixElement(MDataBlock& block, const MObject& attribute, const MMatrix& m) {
    MArrayDataHandle array = block.outputArrayValue(attribute);
    MArrayDataBuilder builder = array.builder();
    builder.addElement(0).set(m);
    array.set(builder);
}

MStatus evaluateDagMatrix(const MPlug& plug, MDataBlock& block) {
    const mcore::DagAttributes& dag = mcore::dagAttributes();
    MObject node = plug.node();
    MObject attribute = plug.attribute();
    std::vector<MObject> path = dagPathTo(node);
    if (attribute == dag.matrix || attribute == dag.inverseMatrix) {
        MMatrix m = localMatrix(node);
        block.outputValue(attribute).set(attribute == dag.matrix ? m : m.inverse());
        return MS::kSuccess;
    }
    if (path.empty())
        path.push_back(node);
    MMatrix world = pathMatrix(path);
    path.pop_back();
    MMatrix parent = pathMatrix(path);
    if (attribute == dag.worldMatrix)
        setMatrixElement(block, attribute, world);
    else if (attribute == dag.worldInverseMatrix)
        setMatrixElement(block, attribute, world.inverse());
    else if (attribute == dag.parentMatrix)
        setMatrixElement(block, attribute, parent);
    else if (attribute == dag.parentInverseMatrix)
        setMatrixElement(block, attribute, parent.inverse());
    else
        return MS::kUnknownParameter;
    return MS::kSuccess;
}

} // namespace

bool isDagNode(const MObject& node) {
    return node.hasFn(MFn::kDagNode);
}
bool isTransformNode(const MObject& node) {
    return node.hasFn(MFn::kTransform);
}
bool isShapeNode(const MObject& node) {
    return isDagNode(node) && !isTransformNode(node);
}

MObject dagParent(const MObject& node) {
    DagLinks* links = linksOf(node);
    return links ? links->parent : MObject();
}

std::vector<MObject> dagChildren(const MObject& node) {
    DagLinks* links = linksOf(node);
    return links ? links->children : std::vector<MObject>();
}

std::vector<MObject> worldChildren() {
    std::vector<MObject> out;
    for (const MObject& node : mcore::allNodes())
        if (isDagNode(node) && dagParent(node).isNull())
            out.push_back(node);
    return out;
}

std::vector<MObject> dagPathTo(const MObject& node) {
    std::vector<MObject> path;
    if (!isDagNode(node) || !mcore::isAlive(node))
        return path;
    for (MObject at = node; !at.isNull(); at = dagParent(at))
        path.push_back(at);
    std::reverse(path.begin(), path.end());
    return path;
}

MStatus reparent(const MObject& child, const MObject& parent, std::string* error) {
    auto fail = [error](const std::string& message) {
        if (error)
            *error = message;
        return MStatus(MS::kInvalidParameter);
    };
    if (!isDagNode(child) || !linksOf(child))
        return fail("'" + std::string(MFnDependencyNode(child).name().asChar()) +
                    "' is not a DAG node");
    if (!parent.isNull()) {
        if (!isTransformNode(parent) || !linksOf(parent))
            return fail("'" + std::string(MFnDependencyNode(parent).name().asChar()) +
                        "' is not a transform and cannot have children");
        // Only a node with children can be above the new parent; a new node, as scenes make
        // them, has none, so a deep hierarchy is built without walking up from every node.
        bool cycle = parent == child;
        if (!linksOf(child)->children.empty())
            for (MObject above = dagParent(parent); !cycle && !above.isNull();
                 above = dagParent(above))
                cycle = above == child;
        if (cycle)
            return fail("cannot parent a node under itself or its own descendant");
    }
    unlink(child);
    if (!parent.isNull()) {
        linksOf(child)->parent = parent;
        linksOf(parent)->children.push_back(child);
    }
    // A sibling of the same name makes the newcomer take a numbered one, as in Maya.
    MFnDependencyNode fn(child);
    fn.setName(fn.name());
    return MS::kSuccess;
}

MMatrix localMatrix(const MObject& node) {
    if (!isTransformNode(node))
        return MMatrix::identity;
    double m[4][4];
    composeTransform(TransformNode::values(node), m);
    return MMatrix(m);
}

// A transform that does not inherit its parent's transform starts the product afresh.
MMatrix pathMatrix(const std::vector<MObject>& path) {
    MMatrix m;
    for (auto it = path.rbegin(); it != path.rend(); ++it) {
        m = m * localMatrix(*it);
        if (isTransformNode(*it) && !TransformNode::inheritsTransform(*it))
            break;
    }
    return m;
}

std::string fullPathName(const std::vector<MObject>& path) {
    std::string name;
    for (const MObject& node : path)
        name += "|" + std::string(MFnDependencyNode(node).name().asChar());
    return name;
}

void installDag() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    installDagNames();
    mcore::addNodeAddedCallback(nodeAdded);
    mcore::addNodeRemovedCallback(nodeRemoved);
    const mcore::DagAttributes& dag = mcore::dagAttributes();
    for (const MObject& attribute :
         {dag.matrix, dag.inverseMatrix, dag.worldMatrix, dag.worldInverseMatrix, dag.parentMatrix,
          dag.parentInverseMatrix})
        mcore::setHostEvaluator(attribute, evaluateDagMatrix);
}

} // namespace scene
