#pragma once
// The renderer's evaluation rule, applied to every parameter read: a field is read in place
// unless the current shader record says it is attached to another shader's output.
#include <shader.h>
#include <cstring>

namespace quillomar {

inline constexpr miTag kDetachedTag = static_cast<miTag>(-2);

// Address to read `field` from: the field itself, or the value the renderer computed for it.
template <typename T> inline const T* evaluated(miState* state, const T* field) {
    const miFunction* shader = state->shader;
    if (shader == nullptr || shader->ghost_used != 1) {
        return field;
    }
    miTag tag;
    std::memcpy(&tag, reinterpret_cast<const char*>(field) + shader->ghost_offs, sizeof tag);
    if (tag == miNULLTAG || tag == kDetachedTag) {
        return field;
    }
    const void* value = mi_phen_eval(state, const_cast<T*>(field));
    // A renderer that cannot evaluate leaves the in-place value, never a null read.
    return value != nullptr ? static_cast<const T*>(value) : field;
}

template <typename T> inline T evaluatedValue(miState* state, const T* field) {
    return *evaluated(state, field);
}

} // namespace quillomar
