#include "parameter_block.h"

#include <cstdio>
#include <cstdlib>

namespace {

std::size_t roundUp(std::size_t size) {
    return (size + 15) / 16 * 16;
}

} // namespace

ParameterBlock::ParameterBlock(std::size_t declaredSize, std::size_t storageSize)
    : capacity(roundUp(declaredSize + storageSize)), used(declaredSize),
      bytes(new unsigned char[2 * capacity]()) {
    function.parameter_size = static_cast<miInteger>(capacity);
    function.ghost_offs = static_cast<miUint>(capacity);
    function.ghost_used = 1;
    function.parameters = bytes.get();
}

void ParameterBlock::attach(const void* field, miTag tag) {
    std::memcpy(bytes.get() + offsetOf(field) + capacity, &tag, sizeof tag);
}

std::size_t ParameterBlock::offsetOf(const void* field) const {
    const unsigned char* address = static_cast<const unsigned char*>(field);
    if (address < bytes.get() || address >= bytes.get() + capacity) {
        std::fprintf(stderr, "parameter block: field outside the block\n");
        std::abort();
    }
    return static_cast<std::size_t>(address - bytes.get());
}

void ParameterBlock::reserve(std::size_t size) const {
    if (used + size > capacity) {
        std::fprintf(stderr, "parameter block: array storage does not fit\n");
        std::abort();
    }
}
