// Not a complete plug-in: it exports initializePlugin but no uninitializePlugin.
#define MNoPluginEntry
#include <maya/MFnPlugin.h>

PLUGIN_EXPORT MStatus initializePlugin(MObject) {
    return MS::kSuccess;
}
