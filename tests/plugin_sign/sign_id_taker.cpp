// A plug-in that takes the "sign" type id (or QUILLOMAR_TAKEN_ID) with a node of its own, so that
// loading the real plug-in afterwards fails on that registration.
#include <maya/MFnPlugin.h>
#include <maya/MPxNode.h>
#include <maya/MTypeId.h>

namespace {
class IdTaker : public MPxNode {
public:
    static void* creator() { return new IdTaker; }
    static MStatus initialize() { return MS::kSuccess; }
};

#ifndef QUILLOMAR_TAKEN_ID
#define QUILLOMAR_TAKEN_ID 0x121EC7
#endif
const MTypeId kTakenId(QUILLOMAR_TAKEN_ID);
} // namespace

PLUGIN_EXPORT MStatus initializePlugin(MObject obj) {
    MFnPlugin plugin(obj, "quillomar tests", "1.0", "Any");
    return plugin.registerNode("signIdTaker", kTakenId, IdTaker::creator, IdTaker::initialize);
}

PLUGIN_EXPORT MStatus uninitializePlugin(MObject obj) {
    MFnPlugin plugin(obj);
    return plugin.deregisterNode(kTakenId);
}
