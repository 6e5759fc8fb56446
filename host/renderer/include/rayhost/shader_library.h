#pragma once
// Loads a shader library the way the renderer does: dlopen, hand it the renderer module's own
// handle through miSetModuleHandle, then call each declared shader's _version once.
#include "rayhost/declarations.h"

#include <shader.h>

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace rayhost {

// Every shader with a parameter block: (result, state, parameter block).
using ShaderFunction = miBoolean (*)(void* result, miState* state, void* parameters);

// Functions of other signatures (contour functions) are kept as a ShaderFunction and called by
// their own signature; both conversions go through the generic function pointer type.
template <typename Function> ShaderFunction asShaderFunction(Function function) {
    return reinterpret_cast<ShaderFunction>(reinterpret_cast<void (*)()>(function));
}
template <typename Function> Function fromShaderFunction(ShaderFunction function) {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(function));
}

struct LoadError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A declared shader and the function that implements it.
struct ShaderKind {
    const ShaderDeclaration* declaration = nullptr;
    ShaderFunction function = nullptr;
};

class ShaderLibrary {
public:
    // Throws LoadError (library cannot be loaded, a version differs from its declaration) or
    // DeclarationError.
    ShaderLibrary(const std::string& libraryPath, const std::string& declarationsPath);
    ~ShaderLibrary();
    ShaderLibrary(const ShaderLibrary&) = delete;
    ShaderLibrary& operator=(const ShaderLibrary&) = delete;

    const std::vector<ShaderDeclaration>& declarations() const { return declarations_; }
    // Whether the library exports the declared shader and its _version.
    bool provides(const std::string& shader) const;
    // Throws LoadError when the shader is not declared or not exported.
    ShaderKind kind(const std::string& shader) const;
    // Any export by name (for functions with other signatures, such as contour functions), or
    // null.
    void* symbol(const std::string& name) const;
    // What the shader's _version returned at load, or 0 when it is not exported.
    int version(const std::string& shader) const;

private:
    void* module_ = nullptr;
    std::vector<ShaderDeclaration> declarations_;
    std::map<std::string, int> versions_;
};

// The renderer module's own handle (its dlopen handle), as handed to miSetModuleHandle.
void* rendererModuleHandle();

} // namespace rayhost
