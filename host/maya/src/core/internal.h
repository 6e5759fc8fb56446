#pragma once
// Extension points of the stand-in's dependency graph for the other parts of the host (scene,
// viewport). Plug-ins never see this header. Everything here is main-thread only.
//
//  * Start-up: addStartupHook() queues a function run once, at the graph's first use (safe to
//    call from a static initializer); register built-in types and create default nodes there.
//  * Built-in node types: registerBuiltinNodeType() registers an MPxNode subclass as a plug-in
//    type would be, but owned by the host (no plug-in; survives plug-in unloads and scene
//    resets). Its initialize creates attributes with the public function sets and
//    MPxNode::addAttribute / attributeAffects. `fnTypes` lists the MFn types of its nodes, most
//    derived first (e.g. {kCamera, kShape, kDagNode, kDependencyNode}); DAG types call
//    addDagAttributes() in their initialize to get the shared DAG attributes.
//  * Data kinds: derive from DataObject and wrap it with makeDataObject(); the MObject then
//    carries it through typed attributes (accepted when dataType() matches or the attribute
//    takes kAny), MDataHandle::data()/asMesh()/asNurbsCurve() and MPlug::asMObject();
//    dataObject<T>(obj) gets it back.
//  * Nodes: allNodes() walks them in creation order (names and types through
//    MFnDependencyNode, the MPxNode* through MFnDependencyNode::userNode); per-node extension
//    slots hold a part's own state (e.g. DAG parents); callbacks tell of creation (after
//    postConstructor) and deletion (before the node goes).
//  * Scene reset: hostkit::resetScene() deletes every node, then runs the reset hooks in the
//    order they were added (e.g. to recreate "time1").
//  * Host evaluators: attributes whose value the host itself computes on every read (the
//    world matrices of DAG nodes), whatever the node's compute does.
//  * Connections and defaults, for scene files.
#include <maya/MArrayDataHandle.h>
#include <maya/MDataBlock.h>
#include <maya/MFn.h>
#include <maya/MFnData.h>
#include <maya/MMatrix.h>
#include <maya/MObject.h>
#include <maya/MPlug.h>
#include <maya/MPxNode.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTypeId.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace mcore {

// ---- built-in node types -----------------------------------------------------------------------

void addStartupHook(std::function<void()> hook);

MStatus registerBuiltinNodeType(const MString& typeName, const MTypeId& typeId,
                                MCreatorFunction creator, MInitializeFunction initialize,
                                MPxNode::Type kind, const std::vector<MFn::Type>& fnTypes);

// The attributes every DAG node has (shared objects; the locator statics are the same ones).
struct DagAttributes {
    MObject visibility;          // "visibility" "v", bool, default true
    MObject intermediateObject;  // "intermediateObject" "io", bool
    MObject isTemplated;         // "template" "tmp", bool
    MObject matrix;              // "matrix" "m"
    MObject inverseMatrix;       // "inverseMatrix" "im"
    MObject worldMatrix;         // "worldMatrix" "wm", array
    MObject worldInverseMatrix;  // "worldInverseMatrix" "wim", array
    MObject parentMatrix;        // "parentMatrix" "pm", array
    MObject parentInverseMatrix; // "parentInverseMatrix" "pim", array
};
const DagAttributes& dagAttributes();
// Adds the DAG attributes to the type being initialized.
MStatus addDagAttributes();

// ---- data kinds --------------------------------------------------------------------------------

class DataObject {
public:
    virtual ~DataObject() = default;
    virtual MFnData::Type dataType() const = 0;
    // The MFn type of the MObject carrying it (kMeshData, kNurbsCurveData, ...).
    virtual MFn::Type apiType() const = 0;
    // A deep copy (a deformer's output starts as a copy of its input).
    virtual std::shared_ptr<DataObject> clone() const = 0;
    // The world matrix geometry carries when taken from a shape's world-space output; the
    // identity for data that carries none.
    virtual MMatrix worldMatrix() const { return MMatrix(); }
};
MObject makeDataObject(std::shared_ptr<DataObject> data);
DataObject* dataObjectOf(const MObject& object);
template <class T> T* dataObject(const MObject& object) {
    return dynamic_cast<T*>(dataObjectOf(object));
}
// A new MObject holding a deep copy of the data (null for a non-data object).
MObject cloneData(const MObject& object);

// ---- nodes -------------------------------------------------------------------------------------

std::vector<MObject> allNodes();
bool isAlive(const MObject& node);
MString nodeTypeName(const MObject& node);
// The node of a user object (thisMObject() of it).
MObject nodeOf(const MPxNode* userNode);
// Grows whenever a value of the node changes or is dirtied (set, connected, disconnected or
// dirtied from upstream).
long changeCount(const MObject& node);
// The classification the node's type was registered with (empty when none).
std::string typeClassification(const MObject& node);

// How names designate nodes. The graph alone knows only flat names, unique across the scene;
// the part that adds the DAG lets DAG nodes share a name under different parents and resolves
// paths ("|a|b", "a|b").
struct NamePolicy {
    // Whether `self` may not carry the name `other` has (unset: never).
    std::function<bool(const MObject& self, const MObject& other)> clashes;
    // Every node a name designates (unset: the nodes with that name).
    std::function<std::vector<MObject>(const std::string& name)> resolve;
    // How plug names show a node (unset: its name).
    std::function<std::string(const MObject& node)> displayName;
};
void setNamePolicy(NamePolicy policy);
// Nodes whose own (short) name is `name`, oldest first.
std::vector<MObject> nodesWithName(const std::string& name);
// The plug "attr[2].child" names on a node (null when there is none), without looking the node
// up by name.
MPlug plugOn(const MObject& node, const std::string& attributePath);
// Logical indices are unsigned int, as in Maya.
constexpr unsigned long long kLargestLogicalIndex = 0xFFFFFFFFull;
// The first bracketed index of an attribute path that is not a whole number from 0 to
// kLargestLogicalIndex, with its brackets ("[-1]", "[99999999999]"); empty when there is none.
std::string badLogicalIndex(const std::string& attributePath);

class NodeExtension {
public:
    virtual ~NodeExtension() = default;
};
// One slot per part ("scene", ...), destroyed with the node.
NodeExtension* nodeExtension(const MObject& node, const char* part);
void setNodeExtension(const MObject& node, const char* part,
                      std::unique_ptr<NodeExtension> extension);

using NodeCallback = std::function<void(const MObject& node)>;
void addNodeAddedCallback(NodeCallback callback);
void addNodeRemovedCallback(NodeCallback callback);
void addSceneResetHook(std::function<void()> hook);

// ---- evaluation --------------------------------------------------------------------------------

// Called on every read of `attribute` (or its elements and children) on any node that has it,
// before the value is returned; it writes the value through the data block.
using HostEvaluator = std::function<MStatus(const MPlug& plug, MDataBlock& block)>;
void setHostEvaluator(const MObject& attribute, HostEvaluator evaluator);

// Calls visit(logicalIndex, element) for every element of the array, in ascending order. Unlike
// stepping an MArrayDataHandle by position, this costs O(1) per element, for long arrays such
// as a mesh's vertex list.
void forEachElement(const MArrayDataHandle& array,
                    const std::function<void(unsigned int, MDataHandle&)>& visit);

// Writes numbers into elements first, first + 1, ... of an array plug whose elements are
// numbers or numeric compounds, each element taking one number per leaf in child order, with
// one change notification for the lot: how scene files set long vertex lists. Fails, changing
// nothing, for other arrays and when the numbers do not fill whole elements.
MStatus setArrayNumbers(const MPlug& array, unsigned int first, const std::vector<double>& numbers);

// Marks a plug as changed (dirtying what it affects downstream) without setting it, e.g. when
// the host changed state a node's compute reads.
void markChanged(const MPlug& plug);

// ---- scene files -------------------------------------------------------------------------------

// Every connection (source, destination), oldest first.
std::vector<std::pair<MPlug, MPlug>> allConnections();
// True when the plug's stored value equals its attribute's default (arrays: no elements;
// compounds: every child default).
bool isDefaultValue(const MPlug& plug);
// True for attributes added to one node with MFnDependencyNode::addAttribute.
bool isDynamicAttribute(const MObject& node, const MObject& attribute);

} // namespace mcore
