#include "core/block_pool.h"

#include <cstdlib>
#include <cstddef>

namespace mifkit {

namespace {

constexpr size_t kAlignment = kBlockAlignment;
constexpr size_t kChunkSize = 64 * 1024;

constexpr size_t RoundUp(size_t n) { return (n + kAlignment - 1) & ~(kAlignment - 1); }

}  // namespace

struct BlockPool::Chunk {
    Chunk *next;
    size_t capacity;  // bytes usable after the header
    size_t used;
};

void BlockPool::SimulateFault(uint64_t nth, bool repeat) {
    faultCountdown_ = nth;
    faultRepeats_ = repeat;
}

bool BlockPool::FaultDue() {
    if (faultCountdown_ == 0) return false;
    if (faultCountdown_ > 1) {
        --faultCountdown_;
        return false;
    }
    if (!faultRepeats_) faultCountdown_ = 0;
    return true;
}

BlockPool::Chunk *BlockPool::NewChunk(size_t capacity) {
    // calloc hands out zeroed memory, and bump allocation never reuses a
    // byte, so every block is zero-filled without a memset per block.
    void *memory = std::calloc(1, RoundUp(sizeof(Chunk)) + capacity);
    if (memory == nullptr) return nullptr;
    Chunk *chunk = static_cast<Chunk *>(memory);
    chunk->capacity = capacity;
    chunk->used = 0;
    return chunk;
}

void *BlockPool::Allocate(uint32_t size) {
    void *block = Bump(size);
    if (block == nullptr) ++failures_;
    return block;
}

void *BlockPool::Bump(uint32_t size) {
    if (FaultDue()) return nullptr;
    size_t need = RoundUp(size == 0 ? 1 : size);
    Chunk *chunk = chunks_;
    if (chunk == nullptr || chunk->capacity - chunk->used < need) {
        // Large blocks get a chunk of their own behind the current one, so
        // the space left in the current chunk is not wasted.
        bool large = need > kChunkSize / 4;
        Chunk *fresh = NewChunk(large ? need : kChunkSize);
        if (fresh == nullptr) return nullptr;
        if (large && chunks_ != nullptr) {
            fresh->next = chunks_->next;
            chunks_->next = fresh;
        } else {
            fresh->next = chunks_;
            chunks_ = fresh;
        }
        chunk = fresh;
    }
    unsigned char *block = reinterpret_cast<unsigned char *>(chunk) + RoundUp(sizeof(Chunk)) + chunk->used;
    chunk->used += need;
    ++blockCount_;
    bytesInUse_ += need;
    return block;
}

void BlockPool::Release() {
    while (chunks_ != nullptr) {
        Chunk *next = chunks_->next;
        std::free(chunks_);
        chunks_ = next;
    }
    blockCount_ = 0;
    bytesInUse_ = 0;
}

}  // namespace mifkit
