#pragma once
// Driver face of the Maya stand-in: what tests and tools use to act as Maya. Loads plug-in
// libraries the way Maya does, creates and finds nodes, and sets, reads and connects
// attributes addressed by "node.attr" strings:
//   "node.attr"            a top-level attribute (long or short name)
//   "node.attr[3]"         element of logical index 3 of an array attribute
//   "node.parent.child"    a child of a compound ("node.parent[2].child" inside arrays; the
//                          child alone, "node.child", works too)
#include <maya/MObject.h>
#include <maya/MPlug.h>
#include <maya/MPxNode.h>
#include <maya/MStatus.h>

#include <string>
#include <utility>
#include <vector>

namespace hostkit {

// ---- plug-ins ----------------------------------------------------------------------------------

// dlopen()s the library, reads its MApiVersion string and calls initializePlugin with the
// plug-in's MObject. A library that cannot be loaded, lacks either entry point or whose
// initializePlugin fails is unloaded again; the status is an error and *error explains it.
// The plug-in's name is the file name without directory and extension.
MStatus loadPlugin(const std::string& path, std::string* error = nullptr);
// Calls uninitializePlugin, then dlclose()s. `nameOrPath` is the plug-in name or its path.
// When uninitializePlugin fails the library stays loaded (as in Maya). A node type cannot be
// deregistered while nodes of it exist, so delete a plug-in's nodes before unloading it.
MStatus unloadPlugin(const std::string& nameOrPath, std::string* error = nullptr);
bool isPluginLoaded(const std::string& nameOrPath);
std::vector<std::string> loadedPlugins();
// The MApiVersion string the plug-in exported.
std::string pluginApiVersion(const std::string& nameOrPath);
// The vendor and version the plug-in gave MFnPlugin (pluginInfo -query -vendor / -version).
std::string pluginVendor(const std::string& nameOrPath);
std::string pluginVersion(const std::string& nameOrPath);

// ---- node types --------------------------------------------------------------------------------

struct NodeTypeInfo {
    std::string name;
    unsigned int id = 0;
    MPxNode::Type kind = MPxNode::kDependNode;
    std::string plugin;         // empty for the host's built-in types
    std::string classification; // given to registerNode; Viewport 2.0 draws "drawdb/geometry/..."
};
std::vector<NodeTypeInfo> registeredTypes();
bool isTypeRegistered(const std::string& typeName);

// ---- nodes -------------------------------------------------------------------------------------

// Creates a node of a registered type. An empty name gives type name + number ("sign1"); a
// taken name gets a number appended. The creator runs, then postConstructor.
MObject createNode(const std::string& typeName, const std::string& name = "",
                   MStatus* status = nullptr);
MObject findNode(const std::string& name);
std::string nodeName(const MObject& node);
// How many values have been read through the node's plugs (getValue and the asX calls) since it
// was created; 0 for anything that is not a node. Viewport draws record it per locator draw.
long plugReads(const MObject& node);
// Breaks the node's connections and destroys it.
MStatus deleteNode(const MObject& node);
std::vector<MObject> allNodes();
// Deletes every node, then runs the host's scene-reset hooks (which recreate default nodes).
void resetScene();

// ---- attributes --------------------------------------------------------------------------------

MPlug findPlug(const std::string& path, MStatus* status = nullptr);
// Numbers, booleans, enums (stored value), time (in the current UI unit).
MStatus setAttr(const std::string& path, double value);
// Typed string attributes.
MStatus setAttrString(const std::string& path, const std::string& value);
// Compounds (children in child order, e.g. a colour) or a single value.
MStatus setAttrValues(const std::string& path, const std::vector<double>& values);
// Typed data (point arrays, matrices, meshes, curves ...).
MStatus setAttrData(const std::string& path, const MObject& data);

MStatus getAttr(const std::string& path, double& value);
MStatus getAttrString(const std::string& path, std::string& value);
MStatus getAttrValues(const std::string& path, std::vector<double>& values);
MStatus getAttrData(const std::string& path, MObject& data);

// Fails when the destination is already connected, unless `force` replaces that connection
// (connectAttr -f).
MStatus connectAttr(const std::string& source, const std::string& destination, bool force = false,
                    std::string* error = nullptr);
MStatus disconnectAttr(const std::string& source, const std::string& destination,
                       std::string* error = nullptr);
// Removes an array element and breaks its connections (removeMultiInstance).
MStatus removeMultiInstance(const std::string& element);
// Every connection as (source, destination) plug names, oldest first.
std::vector<std::pair<std::string, std::string>> listConnections();

} // namespace hostkit
