// Entry points Maya calls when it loads and unloads the plug-in.
#include "obakeDeformer.h"
#include "reticle.h"
#include "sign.h"

#include <maya/MFnPlugin.h>
#include <maya/MObject.h>
#include <maya/MPxNode.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTypeId.h>

#include <iostream>

namespace {
struct NodeType {
    const MString& name;
    const MTypeId& id;
    MCreatorFunction creator;
    MInitializeFunction initialize;
    MPxNode::Type kind;
    int registerLine;   // reported when registering fails
    int deregisterLine; // reported when deregistering fails
};

// In registration order; deregistration walks the same order. The report lines are the ones
// users and support scripts know these failures by.
const NodeType kNodeTypes[] = {
    {ObakeDeformer::nodeTypeName, ObakeDeformer::nodeTypeId, ObakeDeformer::creator,
     ObakeDeformer::initialize, MPxNode::kDeformerNode, 19, 49},
    {Sign::nodeTypeName, Sign::nodeTypeId, Sign::creator, Sign::initialize, MPxNode::kLocatorNode,
     28, 52},
    {Reticle::nodeTypeName, Reticle::nodeTypeId, Reticle::creator, Reticle::initialize,
     MPxNode::kLocatorNode, 37, 55},
};

MStatus report(const MStatus& status, int line) {
    std::cerr << "\nAPI error detected in src/pluginMain.cpp at line " << line << std::endl;
    status.perror("");
    return status;
}
} // namespace

MStatus initializePlugin(MObject obj) {
    MFnPlugin plugin(obj, "Teruyo Vannek", "1.0.0", "Any");
    MStatus status;
    for (const NodeType& type : kNodeTypes) {
        status = plugin.registerNode(type.name, type.id, type.creator, type.initialize, type.kind,
                                     nullptr);
        if (!status)
            return report(status, type.registerLine);
    }
    return status;
}

MStatus uninitializePlugin(MObject obj) {
    MFnPlugin plugin(obj, "Unknown", "Unknown", "Any");
    MStatus status;
    for (const NodeType& type : kNodeTypes) {
        status = plugin.deregisterNode(type.id);
        if (!status)
            return report(status, type.deregisterLine);
    }
    return status;
}
