// A test plug-in: registers "coreProbe" on load and exports a hook so tests can call
// MFnPlugin::registerNode with chosen names, ids and initialize results. With
// CORE_PROBE_FAIL_INIT set in the environment, initializePlugin registers a type and then fails.
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnPlugin.h>
#include <maya/MPxNode.h>

#include <cstdlib>

namespace {

MObject gPlugin;

struct Probe : MPxNode {
    static MObject value;
    static void* creator() { return new Probe(); }
    static MStatus initialize() {
        MFnNumericAttribute fn;
        value = fn.create("value", "v", MFnNumericData::kFloat, 2.5);
        return addAttribute(value);
    }
};
MObject Probe::value;

MStatus failingInitialize() {
    return MS::kFailure;
}

} // namespace

PLUGIN_EXPORT MStatus initializePlugin(MObject obj) {
    gPlugin = obj;
    MFnPlugin plugin(obj, "Probe Vendor", "2.0", "Any");
    MStatus status =
        plugin.registerNode("coreProbe", MTypeId(0x7F101), Probe::creator, Probe::initialize);
    if (std::getenv("CORE_PROBE_FAIL_INIT"))
        return MS::kFailure;
    return status;
}

PLUGIN_EXPORT MStatus uninitializePlugin(MObject obj) {
    MFnPlugin plugin(obj);
    return plugin.deregisterNode(MTypeId(0x7F101));
}

extern "C" MLL_VISIBLE MStatus coreProbeRegister(const char* name, unsigned int id,
                                                 bool initializeFails) {
    MFnPlugin plugin(gPlugin);
    return plugin.registerNode(name, MTypeId(id), Probe::creator,
                               initializeFails ? failingInitialize : Probe::initialize);
}

extern "C" MLL_VISIBLE MStatus coreProbeDeregister(unsigned int id) {
    MFnPlugin plugin(gPlugin);
    return plugin.deregisterNode(MTypeId(id));
}

extern "C" MLL_VISIBLE const char* coreProbeVendor() {
    static MString vendor;
    vendor = MFnPlugin(gPlugin).vendor();
    return vendor.asChar();
}
