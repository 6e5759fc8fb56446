// A plug-in that takes the "sign" type id with a node of its own, so that loading the real
// plug-in afterwards fails on the sign registration.
#include <maya/MFnPlugin.h>
#include <maya/MPxNode.h>
#include <maya/MTypeId.h>

namespace {
class IdTaker : public MPxNode {
public:
    static void* creator() { return new IdTaker; }
    static MStatus initialize() { return MS::kSuccess; }
};

const MTypeId kTakenId(0x121EC7);
} // namespace

PLUGIN_EXPORT MStatus initializePlugin(MObject obj) {
    MFnPlugin plugin(obj, "quillomar tests", "1.0", "Any");
    return plugin.registerNode("signIdTaker", kTakenId, IdTaker::creator, IdTaker::initialize);
}

PLUGIN_EXPORT MStatus uninitializePlugin(MObject obj) {
    MFnPlugin plugin(obj);
    return plugin.deregisterNode(kTakenId);
}
