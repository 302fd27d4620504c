// The pool hands out zero-filled, aligned, disjoint blocks until it is
// released as a whole; a simulated fault makes a chosen allocation fail.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "driver/block_pool.h"

namespace mifkit {
namespace {

bool AllZero(const unsigned char *block, size_t size) {
    return std::all_of(block, block + size, [](unsigned char b) { return b == 0; });
}

// Allocates every size in turn, scribbling over each block so that a later
// block overlapping it would not read as zero; then checks that no two
// blocks share a byte (a block of size 0 counts as one byte).
void AllocateAndCheck(BlockPool &pool, const std::vector<uint32_t> &sizes) {
    std::vector<std::pair<uintptr_t, uintptr_t>> spans;
    for (uint32_t size : sizes) {
        auto *block = static_cast<unsigned char *>(pool.Allocate(size));
        ASSERT_NE(block, nullptr) << "size " << size;
        EXPECT_EQ(reinterpret_cast<uintptr_t>(block) % kBlockAlignment, 0u);
        ASSERT_TRUE(AllZero(block, size)) << "size " << size;
        std::memset(block, 0xA5, size);
        uintptr_t begin = reinterpret_cast<uintptr_t>(block);
        spans.emplace_back(begin, begin + std::max<uint32_t>(size, 1));
    }
    std::sort(spans.begin(), spans.end());
    for (size_t i = 1; i < spans.size(); ++i)
        EXPECT_LE(spans[i - 1].second, spans[i].first) << "blocks overlap";
}

// Around the alignment, a quarter chunk, the 64 KiB chunk and beyond it,
// alone and mixed, so that small blocks follow large ones.
TEST(BlockPool, BlocksAreZeroedAlignedAndDisjointForManySizes) {
    const std::vector<std::vector<uint32_t>> runs = {
        {0, 0, 0, 1},
        std::vector<uint32_t>(3000, 1),
        std::vector<uint32_t>(200, 17),
        std::vector<uint32_t>(40, 16385),
        std::vector<uint32_t>(8, 65535),
        std::vector<uint32_t>(8, 65536),
        std::vector<uint32_t>(8, 65537),
        {24, 70000, 8, 1 << 20, 40000, 3, 65536, 16, 30000, 30000, 30000, 5},
    };
    BlockPool pool;
    pool.Release();  // harmless with nothing allocated
    for (const auto &sizes : runs) {
        // Memory the previous run scribbled on must come back zeroed.
        AllocateAndCheck(pool, sizes);
        EXPECT_EQ(pool.BlockCount(), sizes.size());
        pool.Release();
        EXPECT_TRUE(pool.Empty());
    }
}

struct FaultCase {
    uint64_t nth;
    bool repeat;
    const char *pattern;  // one character per allocation: o succeeds, x fails
};

TEST(BlockPool, SimulatedFaultHitsTheChosenAllocation) {
    const FaultCase cases[] = {
        {1, false, "xooo"}, {3, false, "ooxoo"}, {2, true, "oxxxx"}, {0, true, "oooo"},
    };
    for (const FaultCase &fc : cases) {
        BlockPool pool;
        pool.Allocate(8);  // counting starts at the call, not at the pool's birth
        pool.SimulateFault(fc.nth, fc.repeat);
        std::string seen;
        for (size_t i = 0; fc.pattern[i] != '\0'; ++i) {
            auto *block = static_cast<unsigned char *>(pool.Allocate(32));
            seen += block != nullptr ? 'o' : 'x';
            if (block != nullptr) {
                EXPECT_TRUE(AllZero(block, 32));
            }
        }
        EXPECT_EQ(seen, fc.pattern) << "nth " << fc.nth << (fc.repeat ? " repeating" : "");
    }
}

}  // namespace
}  // namespace mifkit
