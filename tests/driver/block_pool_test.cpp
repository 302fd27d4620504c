// The pool hands out zero-filled, aligned, disjoint blocks until it is
// released as a whole; a simulated fault makes a chosen allocation fail.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/block_pool.h"

namespace mifkit {
namespace {

// Around the alignment, a quarter chunk, the 64 KiB chunk and beyond it, then
// mixed so that small blocks follow large ones. Each block is scribbled over,
// so an overlapping or reused block would not read as zero.
TEST(BlockPool, BlocksAreZeroedAlignedAndDisjointForManySizes) {
    const std::vector<std::vector<uint32_t>> runs = {
        {0, 0, 0, 1}, std::vector<uint32_t>(3000, 1), std::vector<uint32_t>(200, 17), std::vector<uint32_t>(40, 16385),
        std::vector<uint32_t>(8, 65535), std::vector<uint32_t>(8, 65536), std::vector<uint32_t>(8, 65537),
        {24, 70000, 8, 1 << 20, 40000, 3, 65536, 16, 30000, 30000, 30000, 5}};
    BlockPool pool;
    pool.Release();  // harmless with nothing allocated
    for (const auto &sizes : runs) {
        std::vector<std::pair<uintptr_t, uintptr_t>> spans;
        for (uint32_t size : sizes) {
            auto *block = static_cast<unsigned char *>(pool.Allocate(size));
            ASSERT_NE(block, nullptr) << "size " << size;
            EXPECT_EQ(reinterpret_cast<uintptr_t>(block) % kBlockAlignment, 0u);
            ASSERT_EQ(std::count(block, block + size, 0), static_cast<std::ptrdiff_t>(size)) << "size " << size;
            std::memset(block, 0xA5, size);
            spans.emplace_back(reinterpret_cast<uintptr_t>(block), reinterpret_cast<uintptr_t>(block) + std::max(size, 1u));
        }
        std::sort(spans.begin(), spans.end());
        for (size_t i = 1; i < spans.size(); ++i) EXPECT_LE(spans[i - 1].second, spans[i].first) << "blocks overlap";
        EXPECT_EQ(pool.BlockCount(), sizes.size());
        pool.Release();
        EXPECT_TRUE(pool.Empty());
    }
}

// One character per allocation after the call: o succeeds (zeroed), x fails.
TEST(BlockPool, SimulatedFaultHitsTheChosenAllocation) {
    for (const auto &[nth, repeat, pattern] : {std::make_tuple(1u, false, "xooo"), std::make_tuple(3u, false, "ooxoo"),
                                               std::make_tuple(2u, true, "oxxxx"), std::make_tuple(0u, true, "oooo")}) {
        BlockPool pool;
        pool.Allocate(8);  // counting starts at the call, not at the pool's birth
        pool.SimulateFault(nth, repeat);
        std::string seen;
        for (size_t i = 0; pattern[i] != '\0'; ++i) {
            auto *block = static_cast<unsigned char *>(pool.Allocate(32));
            seen += block == nullptr ? 'x' : std::count(block, block + 32, 0) == 32 ? 'o' : '!';
        }
        EXPECT_EQ(seen, pattern) << "nth " << nth << (repeat ? " repeating" : "");
    }
}

}  // namespace
}  // namespace mifkit
