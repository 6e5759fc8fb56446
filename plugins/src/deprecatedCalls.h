#pragma once
// Brackets a call the 2019 devkit marks deprecated but that has no replacement in the legacy
// viewport draw (beginGL/endGL, MFileObject's setters), so that the warning is silenced there
// alone and the build stays warning-free against the real devkit.
#if defined(_MSC_VER)
#define QUILLOMAR_DEPRECATED_CALL_BEGIN __pragma(warning(push)) __pragma(warning(disable : 4996))
#define QUILLOMAR_DEPRECATED_CALL_END __pragma(warning(pop))
#else
#define QUILLOMAR_DEPRECATED_CALL_BEGIN                                                            \
    _Pragma("GCC diagnostic push") _Pragma("GCC diagnostic ignored \"-Wdeprecated-declarations\"")
#define QUILLOMAR_DEPRECATED_CALL_END _Pragma("GCC diagnostic pop")
#endif
