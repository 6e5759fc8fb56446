#pragma once
// How far a parameter block reaches. Array starts and counts may be attached to other shaders,
// so only the block's own size keeps a read within it.
//
// The size comes from the current shader record's `parameters` and `parameter_size`, fields of
// the 3.x shader interface this library is built against. Renderer versions whose record lacks
// them or names them otherwise need only this file changed; answering "unknown" there keeps
// positions from going below the storage and nothing more.
#include <shader.h>

namespace quillomar {

inline constexpr long long kUnknownCapacity = -1;

// How many elements of T fit between `storage` and the end of the parameter block `block`, or
// kUnknownCapacity when the current shader record does not describe `block`.
template <typename T>
long long storageCapacity(const miState* state, const void* block, const T* storage) {
    const miFunction* shader = state->shader;
    if (shader == nullptr || static_cast<const void*>(shader->parameters) != block) {
        return kUnknownCapacity;
    }
    const long long storageOffset =
        reinterpret_cast<const char*>(storage) - static_cast<const char*>(block);
    const long long bytes = static_cast<long long>(shader->parameter_size) - storageOffset;
    return bytes > 0 ? bytes / static_cast<long long>(sizeof(T)) : 0;
}

} // namespace quillomar
