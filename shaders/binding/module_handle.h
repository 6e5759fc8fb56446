#pragma once
// The renderer's module handle, handed over by the renderer before any shader runs.
#include "binding/export.h"

QUILLOMAR_EXPORT void miSetModuleHandle(void* handle);

namespace quillomar::binding {

void* moduleHandle();

} // namespace quillomar::binding
