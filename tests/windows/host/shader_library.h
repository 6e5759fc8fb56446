#pragma once
// quillomarShaders.dll loaded the way the renderer loads it (LoadLibrary, exports by name), and
// the binding layer's diagnostics as they appear on the standard error stream.
#include <functional>
#include <string>

class ShaderLibrary {
public:
    explicit ShaderLibrary(const std::string& path);
    ~ShaderLibrary();
    ShaderLibrary(const ShaderLibrary&) = delete;
    ShaderLibrary& operator=(const ShaderLibrary&) = delete;

    bool loaded() const { return module != nullptr; }

    // The export `name`, or null.
    void* find(const std::string& name) const;
    template <typename Function> Function function(const std::string& name) const {
        return reinterpret_cast<Function>(find(name));
    }

    // Hands the library a renderer module handle through its miSetModuleHandle export.
    void setModuleHandle(void* renderer) const;

    // What SHADER_version returns, or -1 when it is not exported.
    int version(const std::string& shader) const;

private:
    void* module;
};

// The module handle of this program and of the system's kernel32.dll (a module that exports
// none of the renderer functions).
void* ownModuleHandle();
void* systemModuleHandle();

// Runs `action` with the C runtime's standard error stream sent to a file and returns what was
// written there. The library shares the program's msvcrt, so its messages are caught too.
std::string captureStandardError(const std::function<void()>& action);

// The binding layer's messages for a null module handle and for a failed lookup.
inline const char* kNullHandleMessage = "DYNLOAD: dl_handle null\n";
std::string lookupFailureMessage(const std::string& name, void* module, int error);

// The system's error code for a name a module does not export.
inline constexpr int kProcedureNotFound = 127;
