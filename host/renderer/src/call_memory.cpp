#include "rayhost/call_memory.h"

#include <cstring>
#include <memory>
#include <vector>

namespace rayhost {

namespace {

struct Block {
    std::unique_ptr<std::max_align_t[]> memory;
    std::size_t bytes = 0;
};

struct ThreadMemory {
    std::vector<Block> blocks; // reused from sample to sample
    std::size_t used = 0;
    int depth = 0;
};

thread_local ThreadMemory threadMemory;

} // namespace

CallScope::CallScope() {
    ++threadMemory.depth;
}

CallScope::~CallScope() {
    if (--threadMemory.depth == 0) {
        threadMemory.used = 0;
    }
}

void* callMemory(std::size_t bytes) {
    ThreadMemory& memory = threadMemory;
    if (memory.used == memory.blocks.size()) {
        memory.blocks.emplace_back();
    }
    Block& block = memory.blocks[memory.used++];
    if (block.bytes < bytes) {
        const std::size_t units = (bytes + sizeof(std::max_align_t) - 1) / sizeof(std::max_align_t);
        block.memory = std::make_unique<std::max_align_t[]>(units);
        block.bytes = units * sizeof(std::max_align_t);
    }
    std::memset(block.memory.get(), 0, bytes);
    return block.memory.get();
}

} // namespace rayhost
