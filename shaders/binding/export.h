#pragma once
// How the library shows itself to the renderer: shader exports are visible under their plain
// names; the binding entries, which carry the renderer functions' own names, stay private so the
// library's calls reach its own entries and the renderer's exports are found only by name.
#include <shader.h>

#ifdef _WIN32
#define QUILLOMAR_EXPORT extern "C" __declspec(dllexport)
#define QUILLOMAR_BINDING_ENTRY extern "C"
#else
#define QUILLOMAR_EXPORT extern "C" __attribute__((visibility("default")))
#define QUILLOMAR_BINDING_ENTRY extern "C" __attribute__((visibility("hidden")))
#endif

// Defines SHADER_version, which the renderer calls once before using SHADER.
#define QUILLOMAR_SHADER_VERSION(shader)                                                           \
    QUILLOMAR_EXPORT int shader##_version(void) {                                                  \
        return 1;                                                                                  \
    }
