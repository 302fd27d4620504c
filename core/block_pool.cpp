#include "core/block_pool.h"

#include <cstdlib>
#include <algorithm>
#include <cstddef>
#include <cstring>

#include "platform/zeroed_memory.h"

namespace mifkit {

namespace {

constexpr size_t kAlignment = kBlockAlignment;
constexpr size_t kFirstChunkSize = 64 * 1024;
// Chunks double up to this: few enough chunks for a large file, and large
// ones come straight from fresh zeroed pages instead of a memset.
constexpr size_t kLargestChunkSize = 64 * 1024 * 1024;

constexpr size_t RoundUp(size_t n) { return (n + kAlignment - 1) & ~(kAlignment - 1); }

}  // namespace

struct BlockPool::Chunk {
    Chunk *next;
    size_t capacity;  // bytes usable after the header
    size_t used;
};

size_t BlockPool::ChunkBytes(size_t capacity) { return RoundUp(sizeof(Chunk)) + capacity; }

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
    // Fresh memory is zeroed, and bump allocation never reuses a byte, so
    // every block is zero-filled without a memset per block.
    void *memory = platform::AllocateZeroed(ChunkBytes(capacity));
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

BlockPool::Chunk *BlockPool::TakeChunk(size_t capacity) {
    Chunk *spare = spare_;
    if (spare != nullptr && spare->capacity >= capacity) {
        // Zeroing only what the last parse used keeps a run of small files cheap.
        std::memset(reinterpret_cast<unsigned char *>(spare) + RoundUp(sizeof(Chunk)), 0, spare->used);
        spare->used = 0;
        spare->next = nullptr;
        spare_ = nullptr;
        return spare;
    }
    return NewChunk(capacity);
}

void *BlockPool::Bump(uint32_t size) {
    if (FaultDue()) return nullptr;
    size_t need = RoundUp(size == 0 ? 1 : size);
    Chunk *chunk = chunks_;
    if (chunk == nullptr || chunk->capacity - chunk->used < need) {
        size_t standard = chunk == nullptr ? kFirstChunkSize
                                           : std::min(2 * chunk->capacity, kLargestChunkSize);
        // Large blocks get a chunk of their own behind the current one, so
        // the space left in the current chunk is not wasted.
        bool large = need > standard / 4;
        Chunk *fresh = large ? NewChunk(need) : TakeChunk(standard);
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
        // The first chunk is kept for the next parse, whose first blocks
        // then cost no system call.
        if (chunks_->capacity == kFirstChunkSize && spare_ == nullptr)
            spare_ = chunks_;
        else
            platform::FreeZeroed(chunks_, ChunkBytes(chunks_->capacity));
        chunks_ = next;
    }
    blockCount_ = 0;
    bytesInUse_ = 0;
}

BlockPool::~BlockPool() {
    Release();
    if (spare_ != nullptr) platform::FreeZeroed(spare_, ChunkBytes(spare_->capacity));
}

}  // namespace mifkit
