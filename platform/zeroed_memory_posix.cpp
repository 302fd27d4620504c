#ifndef _WIN32

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

#include "platform/zeroed_memory.h"

namespace mifkit::platform {

namespace {

// Below this the C library's own calloc is as cheap and wastes nothing.
constexpr size_t kMappedFrom = 2 * 1024 * 1024;
constexpr size_t kHugePage = 2 * 1024 * 1024;

size_t MappedSize(size_t size) { return (size + kHugePage - 1) & ~(kHugePage - 1); }

}  // namespace

void *AllocateZeroed(size_t size) {
    if (size < kMappedFrom) return std::calloc(1, size);
    const size_t length = MappedSize(size);
    // Mapped one huge page over, then trimmed to a huge-page boundary: the
    // kernel backs only aligned ranges with huge pages.
    void *raw = ::mmap(nullptr, length + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS,
                       -1, 0);
    if (raw == MAP_FAILED) return nullptr;
    const auto start = reinterpret_cast<uintptr_t>(raw);
    const uintptr_t aligned = (start + kHugePage - 1) & ~uintptr_t{kHugePage - 1};
    if (aligned > start) ::munmap(raw, aligned - start);
    const size_t tail = kHugePage - (aligned - start);
    if (tail > 0) ::munmap(reinterpret_cast<void *>(aligned + length), tail);
#ifdef MADV_HUGEPAGE
    ::madvise(reinterpret_cast<void *>(aligned), length, MADV_HUGEPAGE);
#endif
    return reinterpret_cast<void *>(aligned);
}

void FreeZeroed(void *memory, size_t size) {
    if (memory == nullptr) return;
    if (size < kMappedFrom)
        std::free(memory);
    else
        ::munmap(memory, MappedSize(size));
}

size_t ReleaseZeroedPages(void *memory, size_t size, size_t from, size_t to) {
    if (size < kMappedFrom) return from;
    // The region starts on a huge-page boundary, so offsets round as addresses do.
    const size_t page = static_cast<size_t>(::sysconf(_SC_PAGESIZE));
    const size_t end = to & ~(page - 1);
    if (end <= from) return from;
    ::munmap(static_cast<char *>(memory) + from, end - from);
    return end;
}

}  // namespace mifkit::platform

#endif
