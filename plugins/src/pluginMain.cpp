// Entry points Maya calls when it loads and unloads the plug-in.
#include "obakeDeformer.h"
#include "openmpRuntime.h"
#include "reticle.h"
#include "reticleDrawOverride.h"
#include "sign.h"
#include "signDrawOverride.h"

#include <maya/MDrawRegistry.h>
#include <maya/MFnPlugin.h>
#include <maya/MObject.h>
#include <maya/MPxNode.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTypeId.h>

#include <iostream>

namespace {
// Viewport 2.0 draw overrides are registered under this name.
const MString kDrawRegistrantId("quillomarPlugins");

struct NodeType {
    const MString& name;
    const MTypeId& id;
    MCreatorFunction creator;
    MInitializeFunction initialize;
    MPxNode::Type kind;
    int registerLine;   // reported when registering fails
    int deregisterLine; // reported when deregistering fails
    // Viewport 2.0: the draw classification passed to registerNode and the override drawing it
    // (none: null), with the report lines of their registration and deregistration.
    const MString* classification;
    MHWRender::MDrawRegistry::DrawOverrideCreator drawOverride;
    int overrideRegisterLine;
    int overrideDeregisterLine;
};

// In registration order; deregistration walks the same order, taking each type's override before
// the type. The report lines are the ones users and support scripts know these failures by; each
// call has its own, rising in the order the calls are made.
const NodeType kNodeTypes[] = {
    {ObakeDeformer::nodeTypeName, ObakeDeformer::nodeTypeId, ObakeDeformer::creator,
     ObakeDeformer::initialize, MPxNode::kDeformerNode, 19, 49, nullptr, nullptr, 0, 0},
    {Sign::nodeTypeName, Sign::nodeTypeId, Sign::creator, Sign::initialize, MPxNode::kLocatorNode,
     28, 52, &Sign::drawDbClassification, SignDrawOverride::creator, 32, 51},
    {Reticle::nodeTypeName, Reticle::nodeTypeId, Reticle::creator, Reticle::initialize,
     MPxNode::kLocatorNode, 37, 55, &Reticle::drawDbClassification, ReticleDrawOverride::creator,
     41, 54},
};

MStatus report(const MStatus& status, int line) {
    std::cerr << "\nAPI error detected in src/pluginMain.cpp at line " << line << std::endl;
    status.perror("");
    return status;
}
} // namespace

MStatus initializePlugin(MObject obj) {
    MFnPlugin plugin(obj, "Teruyo Vannek", "1.0.0", "Any");
    keepOpenMpRuntimeLoaded();
    MStatus status;
    for (const NodeType& type : kNodeTypes) {
        status = plugin.registerNode(type.name, type.id, type.creator, type.initialize, type.kind,
                                     type.classification);
        if (!status)
            return report(status, type.registerLine);
        if (!type.drawOverride)
            continue;
        status = MHWRender::MDrawRegistry::registerDrawOverrideCreator(
            *type.classification, kDrawRegistrantId, type.drawOverride);
        if (!status)
            return report(status, type.overrideRegisterLine);
    }
    return status;
}

MStatus uninitializePlugin(MObject obj) {
    MFnPlugin plugin(obj, "Unknown", "Unknown", "Any");
    MStatus status;
    for (const NodeType& type : kNodeTypes) {
        if (type.drawOverride) {
            status = MHWRender::MDrawRegistry::deregisterDrawOverrideCreator(*type.classification,
                                                                             kDrawRegistrantId);
            if (!status)
                return report(status, type.overrideDeregisterLine);
        }
        status = plugin.deregisterNode(type.id);
        if (!status) {
            // The type stays (its nodes are in use, say): so does its override, or those nodes
            // would vanish from Viewport 2.0.
            if (type.drawOverride)
                MHWRender::MDrawRegistry::registerDrawOverrideCreator(
                    *type.classification, kDrawRegistrantId, type.drawOverride);
            return report(status, type.deregisterLine);
        }
    }
    return status;
}
