#pragma once
// A shader's parameter block laid out the way the renderer lays it out: the declared fields
// first, the element storage of its arrays after them, and an attachment tag for every field at
// the shader record's attachment offset past the field.
#include <shader.h>

#include <cstddef>
#include <cstring>
#include <memory>
#include <vector>

class ParameterBlock {
public:
    // Room for `declaredSize` bytes of declared fields and `storageSize` bytes of array elements.
    ParameterBlock(std::size_t declaredSize, std::size_t storageSize);

    template <typename Declared> Declared& fields() {
        return *reinterpret_cast<Declared*>(bytes.get());
    }

    // Copies `values` into the array storage and returns their start index relative to `slot`,
    // the array's declared first element: element k then lies at slot[start + k].
    template <typename T> miInteger append(const T* slot, const std::vector<T>& values) {
        const std::size_t slotOffset = offsetOf(slot);
        while (used < slotOffset || (used - slotOffset) % sizeof(T) != 0) {
            ++used;
        }
        const std::size_t size = values.size() * sizeof(T);
        reserve(size);
        std::memcpy(bytes.get() + used, values.data(), size);
        const miInteger start = static_cast<miInteger>((used - slotOffset) / sizeof(T));
        used += size;
        return start;
    }

    // Marks `field` (inside this block) as the output of another shader.
    void attach(const void* field, miTag tag = 7);

    // The shader record of an instance with this block: attachments in use.
    miFunction& record() { return function; }

private:
    std::size_t offsetOf(const void* field) const;
    void reserve(std::size_t size) const;

    std::size_t capacity;
    std::size_t used;
    std::unique_ptr<unsigned char[]> bytes; // fields and storage, then their attachment tags
    miFunction function{};
};
