#include "rayhost/shader_library.h"

#include <dlfcn.h>

namespace rayhost {

void* rendererModuleHandle() {
    // The handle of the module this function lives in; loading it again only counts a
    // reference, which is kept for the life of the process.
    static void* const handle = [] {
        Dl_info info{};
        if (dladdr(reinterpret_cast<void*>(&rendererModuleHandle), &info) == 0 ||
            info.dli_fname == nullptr) {
            return static_cast<void*>(nullptr);
        }
        return dlopen(info.dli_fname, RTLD_NOW | RTLD_NOLOAD);
    }();
    return handle;
}

ShaderLibrary::ShaderLibrary(const std::string& libraryPath, const std::string& declarationsPath)
    : declarations_(readDeclarations(declarationsPath)) {
    void* renderer = rendererModuleHandle();
    if (renderer == nullptr) {
        throw LoadError("cannot find the renderer module's own handle");
    }
    module_ = dlopen(libraryPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module_ == nullptr) {
        const char* why = dlerror();
        throw LoadError("cannot load shader library " + libraryPath + ": " +
                        (why != nullptr ? why : "unknown error"));
    }
    using SetModuleHandle = void (*)(void*);
    auto setModuleHandle = reinterpret_cast<SetModuleHandle>(symbol("miSetModuleHandle"));
    if (setModuleHandle == nullptr) {
        dlclose(module_);
        throw LoadError(libraryPath + " does not export miSetModuleHandle");
    }
    setModuleHandle(renderer);

    using VersionFunction = int (*)();
    for (const ShaderDeclaration& declaration : declarations_) {
        auto versionOf = reinterpret_cast<VersionFunction>(symbol(declaration.name + "_version"));
        if (versionOf == nullptr || symbol(declaration.name) == nullptr) {
            continue; // declared but not (yet) built into this library
        }
        const int version = versionOf();
        if (version != declaration.version) {
            dlclose(module_);
            throw LoadError("shader \"" + declaration.name + "\" of " + libraryPath +
                            " is version " + std::to_string(version) + ", declared version " +
                            std::to_string(declaration.version));
        }
        versions_[declaration.name] = version;
    }
}

ShaderLibrary::~ShaderLibrary() {
    dlclose(module_);
}

bool ShaderLibrary::provides(const std::string& shader) const {
    return versions_.count(shader) != 0;
}

ShaderKind ShaderLibrary::kind(const std::string& shader) const {
    const ShaderDeclaration* found = nullptr;
    for (const ShaderDeclaration& declaration : declarations_) {
        if (declaration.name == shader) {
            found = &declaration;
        }
    }
    if (found == nullptr) {
        throw LoadError("shader \"" + shader + "\" is not declared");
    }
    if (!provides(shader)) {
        throw LoadError("shader \"" + shader + "\" is declared but not exported by the library");
    }
    return {found, reinterpret_cast<ShaderFunction>(symbol(shader))};
}

void* ShaderLibrary::symbol(const std::string& name) const {
    return dlsym(module_, name.c_str());
}

int ShaderLibrary::version(const std::string& shader) const {
    auto found = versions_.find(shader);
    return found != versions_.end() ? found->second : 0;
}

} // namespace rayhost
