#include "shader_library.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <io.h>

ShaderLibrary::ShaderLibrary(const std::string& path) : module(LoadLibraryA(path.c_str())) {}

ShaderLibrary::~ShaderLibrary() {
    if (module != nullptr) {
        FreeLibrary(static_cast<HMODULE>(module));
    }
}

void* ShaderLibrary::find(const std::string& name) const {
    if (module == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module), name.c_str()));
}

void ShaderLibrary::setModuleHandle(void* renderer) const {
    auto set = function<void (*)(void*)>("miSetModuleHandle");
    if (set != nullptr) {
        set(renderer);
    }
}

int ShaderLibrary::version(const std::string& shader) const {
    auto get = function<int (*)()>(shader + "_version");
    return get != nullptr ? get() : -1;
}

void* ownModuleHandle() {
    return GetModuleHandleA(nullptr);
}

void* systemModuleHandle() {
    return GetModuleHandleA("kernel32.dll");
}

std::string captureStandardError(const std::function<void()>& action) {
    std::FILE* file = std::tmpfile();
    if (file == nullptr) {
        return "(standard error could not be captured)";
    }
    std::fflush(stderr);
    const int saved = _dup(2);
    _dup2(_fileno(file), 2);
    action();
    std::fflush(stderr);
    _dup2(saved, 2);
    _close(saved);

    std::string text;
    std::rewind(file);
    char chunk[256];
    std::size_t read;
    while ((read = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        text.append(chunk, read);
    }
    std::fclose(file);
    // The stream may be in text mode; the messages are compared by their lines.
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

std::string lookupFailureMessage(const std::string& name, void* module, int error) {
    char text[256];
    std::snprintf(text, sizeof text, "dlsym failed on \"%s\" (handle: %08x error: %d)\n",
                  name.c_str(), static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(module)),
                  error);
    return text;
}
