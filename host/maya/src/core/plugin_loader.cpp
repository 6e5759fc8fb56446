// Loading plug-in libraries the way Maya does.
#include "plugin_object.h"
#include "registry.h"
#include "vp2/draw_registry.h"

#include <hostkit/host.h>

#include <dlfcn.h>

#include <algorithm>
#include <vector>

using namespace mcore;

namespace {

std::vector<MObject>& loaded() {
    static std::vector<MObject>* plugins = new std::vector<MObject>();
    return *plugins;
}

std::string stem(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = file.rfind('.');
    return dot == std::string::npos || dot == 0 ? file : file.substr(0, dot);
}

PluginObject* find(const std::string& nameOrPath) {
    for (const MObject& object : loaded()) {
        PluginObject* plugin = objectAs<PluginObject>(object);
        if (plugin->name == nameOrPath || plugin->path == nameOrPath ||
            plugin->name == stem(nameOrPath))
            return plugin;
    }
    return nullptr;
}

MStatus fail(std::string* error, const std::string& message, MStatus status = MS::kFailure) {
    if (error)
        *error = message;
    return status;
}

// Types the plug-in left registered: their code is about to go, so they (and their nodes) go
// first.
void dropTypesOf(const MObject& object) {
    Registry& registry = Registry::instance();
    std::vector<MTypeId> ids;
    for (const auto& type : registry.types())
        if (type->plugin == object)
            ids.push_back(type->id);
    for (const MTypeId& id : ids)
        registry.dropType(id);
}

template <class T> T symbol(void* handle, const char* name) {
    return reinterpret_cast<T>(dlsym(handle, name));
}

} // namespace

namespace hostkit {

MStatus loadPlugin(const std::string& path, std::string* error) {
    Registry::instance();
    if (find(path))
        return fail(error, "plug-in already loaded: " + path);
    dlerror();
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* reason = dlerror();
        return fail(error,
                    "cannot load plug-in " + path + ": " + (reason ? reason : "unknown error"));
    }
    const char* version = symbol<const char*>(handle, "MApiVersion");
    auto initialize = symbol<MStatus (*)(MObject)>(handle, "initializePlugin");
    auto uninitialize = symbol<MStatus (*)(MObject)>(handle, "uninitializePlugin");
    const char* missing = !version        ? "MApiVersion"
                          : !initialize   ? "initializePlugin"
                          : !uninitialize ? "uninitializePlugin"
                                          : nullptr;
    if (missing) {
        dlclose(handle);
        return fail(error, "not a plug-in: " + path + " does not export " + missing);
    }
    auto* plugin = new PluginObject();
    MObject object = MObjectAccess::make(plugin);
    plugin->path = path;
    plugin->name = stem(path);
    plugin->apiVersion = version;
    plugin->handle = handle;
    plugin->initialize = initialize;
    plugin->uninitialize = uninitialize;
    const MStatus status = initialize(object);
    if (!status) {
        // A failed initialization unloads the plug-in again.
        dropTypesOf(object);
        mvp2::dropRegistrationsInModuleOf(reinterpret_cast<const void*>(initialize));
        dlclose(handle);
        plugin->handle = nullptr;
        return fail(error,
                    "initializePlugin of " + path + " failed: " + status.errorString().asChar(),
                    status);
    }
    loaded().push_back(object);
    return MS::kSuccess;
}

MStatus unloadPlugin(const std::string& nameOrPath, std::string* error) {
    PluginObject* plugin = find(nameOrPath);
    if (!plugin)
        return fail(error, "plug-in not loaded: " + nameOrPath, MS::kNotFound);
    MObject object = MObjectAccess::make(plugin);
    const MStatus status = plugin->uninitialize(object);
    if (!status)
        return fail(error,
                    "uninitializePlugin of " + plugin->path +
                        " failed: " + status.errorString().asChar(),
                    status);
    dropTypesOf(object);
    mvp2::dropRegistrationsInModuleOf(reinterpret_cast<const void*>(plugin->initialize));
    dlclose(plugin->handle);
    plugin->handle = nullptr;
    loaded().erase(std::remove(loaded().begin(), loaded().end(), object), loaded().end());
    return MS::kSuccess;
}

bool isPluginLoaded(const std::string& nameOrPath) {
    return find(nameOrPath) != nullptr;
}

std::vector<std::string> loadedPlugins() {
    std::vector<std::string> names;
    for (const MObject& object : loaded())
        names.push_back(objectAs<PluginObject>(object)->name);
    return names;
}

std::string pluginApiVersion(const std::string& nameOrPath) {
    const PluginObject* plugin = find(nameOrPath);
    return plugin ? plugin->apiVersion : std::string();
}

std::string pluginVendor(const std::string& nameOrPath) {
    const PluginObject* plugin = find(nameOrPath);
    return plugin ? plugin->vendor : std::string();
}

std::string pluginVersion(const std::string& nameOrPath) {
    const PluginObject* plugin = find(nameOrPath);
    return plugin ? plugin->version : std::string();
}

} // namespace hostkit
