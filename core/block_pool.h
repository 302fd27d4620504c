// The block pool: every database record and token value of a parse lives
// here and is released all at once. An arena of large zero-filled chunks, so
// an allocation is a pointer bump, never a search.
#pragma once

#include <cstddef>
#include <cstdint>

namespace mifkit {

// Records hold pointers and 32-bit words, nothing wider: blocks are aligned
// for a pointer, not for every type, which keeps small blocks small.
constexpr size_t kBlockAlignment = alignof(void *);

class BlockPool {
public:
    BlockPool() = default;
    ~BlockPool();
    BlockPool(const BlockPool &) = delete;
    BlockPool &operator=(const BlockPool &) = delete;

    // A zero-filled block of `size` bytes, valid until Release(); null when
    // memory is exhausted. A size of zero still yields a distinct block.
    void *Allocate(uint32_t size);

    // Frees every block at once. Harmless when nothing was allocated.
    void Release();

    bool Empty() const { return chunks_ == nullptr; }
    size_t BlockCount() const { return blockCount_; }
    size_t BytesInUse() const { return bytesInUse_; }
    // Allocations refused so far, over the pool's life.
    uint64_t FailureCount() const { return failures_; }

    // Test hook: the nth allocation from now (1 = the next) returns null;
    // with `repeat` every later one does too. 0 switches the fault off.
    void SimulateFault(uint64_t nth, bool repeat = false);

private:
    struct Chunk;

    static size_t ChunkBytes(size_t capacity);  // a chunk's header and capacity

    bool FaultDue();
    void *Bump(uint32_t size);
    Chunk *NewChunk(size_t capacity);
    Chunk *TakeChunk(size_t capacity);

    Chunk *chunks_ = nullptr;  // newest first; allocations bump in the newest
    Chunk *spare_ = nullptr;   // the first chunk of the last parse, for the next
    size_t blockCount_ = 0;
    size_t bytesInUse_ = 0;
    uint64_t faultCountdown_ = 0;
    bool faultRepeats_ = false;
    uint64_t failures_ = 0;
};

}  // namespace mifkit
