// A plug-in with a locator and a deformer that add nothing to their bases, so that a test can
// tell the attributes a node type adds from those it inherits.
#include <maya/MFnPlugin.h>
#include <maya/MPxDeformerNode.h>
#include <maya/MPxLocatorNode.h>
#include <maya/MTypeId.h>

namespace {
class BareLocator : public MPxLocatorNode {
public:
    static void* creator() { return new BareLocator; }
    static MStatus initialize() { return MS::kSuccess; }
};

class BareDeformer : public MPxDeformerNode {
public:
    static void* creator() { return new BareDeformer; }
    static MStatus initialize() { return MS::kSuccess; }
};

const MTypeId kBareLocatorId(0x7F0A1);
const MTypeId kBareDeformerId(0x7F0A2);
} // namespace

PLUGIN_EXPORT MStatus initializePlugin(MObject obj) {
    MFnPlugin plugin(obj, "quillomar tests", "1.0", "Any");
    MStatus status = plugin.registerNode("bareLocator", kBareLocatorId, BareLocator::creator,
                                         BareLocator::initialize, MPxNode::kLocatorNode);
    if (!status)
        return status;
    return plugin.registerNode("bareDeformer", kBareDeformerId, BareDeformer::creator,
                               BareDeformer::initialize, MPxNode::kDeformerNode);
}

PLUGIN_EXPORT MStatus uninitializePlugin(MObject obj) {
    MFnPlugin plugin(obj);
    plugin.deregisterNode(kBareDeformerId);
    return plugin.deregisterNode(kBareLocatorId);
}
