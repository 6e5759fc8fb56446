// MFnPlugin: identity of a loaded plug-in and registration of its node types.
#include "plugin_object.h"
#include "registry.h"
#include "status_util.h"

#define MNoPluginEntry
#define MNoVersionString
#include <maya/MFnPlugin.h>

#include <string>

using namespace mcore;

namespace {

PluginObject* pluginOf(const MObject& object) {
    return objectAs<PluginObject>(object);
}

MString text(const MObject& object, std::string PluginObject::*field, MStatus* status) {
    const PluginObject* plugin = pluginOf(object);
    setReturn(status, plugin != nullptr);
    return plugin ? MString((plugin->*field).c_str()) : MString();
}

} // namespace

MFnPlugin::MFnPlugin() = default;

MFnPlugin::MFnPlugin(MObject& object, const char* vendor, const char* version,
                     const char* /*requiredApiVersion*/, MStatus* ReturnStatus) {
    const MStatus status = attach(object);
    // The identity is given once, at load; function sets built later with the default
    // "Unknown" (as in uninitializePlugin) do not erase it.
    if (PluginObject* plugin = pluginOf(fObject)) {
        if (vendor && std::string(vendor) != "Unknown")
            plugin->vendor = vendor;
        if (version && std::string(version) != "Unknown")
            plugin->version = version;
    }
    setReturn(ReturnStatus, status);
}

MFnPlugin::~MFnPlugin() = default;
MFn::Type MFnPlugin::type() const {
    return MFn::kPlugin;
}

MString MFnPlugin::vendor(MStatus* s) const {
    return text(fObject, &PluginObject::vendor, s);
}
MString MFnPlugin::version(MStatus* s) const {
    return text(fObject, &PluginObject::version, s);
}
MString MFnPlugin::apiVersion(MStatus* s) const {
    return text(fObject, &PluginObject::apiVersion, s);
}
MString MFnPlugin::name(MStatus* s) const {
    return text(fObject, &PluginObject::name, s);
}

MString MFnPlugin::loadPath(MStatus* ReturnStatus) const {
    const std::string path = text(fObject, &PluginObject::path, ReturnStatus).asChar();
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? MString(".") : MString(path.substr(0, slash).c_str());
}

MStatus MFnPlugin::setName(const MString& newName, bool) {
    PluginObject* plugin = pluginOf(fObject);
    if (!plugin || newName.length() == 0)
        return MS::kFailure;
    plugin->name = newName.asChar();
    return MS::kSuccess;
}

MStatus MFnPlugin::setVersion(const MString& newVersion) {
    PluginObject* plugin = pluginOf(fObject);
    if (!plugin)
        return MS::kFailure;
    plugin->version = newVersion.asChar();
    return MS::kSuccess;
}

MStatus MFnPlugin::registerNode(const MString& typeName, const MTypeId& typeId,
                                MCreatorFunction creatorFunction, MInitializeFunction initFunction,
                                MPxNode::Type type, const MString* classification) {
    if (!pluginOf(fObject))
        return MS::kFailure;
    auto nodeType = makeNodeType(typeName, typeId, creatorFunction, initFunction, type);
    nodeType->plugin = fObject;
    nodeType->classification = classification ? classification->asChar() : "";
    return Registry::instance().registerType(std::move(nodeType));
}

MStatus MFnPlugin::deregisterNode(const MTypeId& typeId) {
    if (!pluginOf(fObject))
        return MS::kFailure;
    return Registry::instance().deregisterType(typeId, fObject);
}
