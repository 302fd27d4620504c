#ifdef _WIN32

#include <windows.h>

#include <cstdlib>

#include "platform/zeroed_memory.h"

namespace mifkit::platform {

namespace {

constexpr size_t kMappedFrom = 2 * 1024 * 1024;

}  // namespace

// VirtualAlloc commits pages the system has zeroed.
void *AllocateZeroed(size_t size) {
    if (size < kMappedFrom) return std::calloc(1, size);
    return VirtualAlloc(nullptr, size, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
}

void FreeZeroed(void *memory, size_t size) {
    if (memory == nullptr) return;
    if (size < kMappedFrom)
        std::free(memory);
    else
        VirtualFree(memory, 0, MEM_RELEASE);
}

// Kept whole until it is freed: the parse reads its source once, and the
// Windows agents' files are small.
size_t ReleaseZeroedPages(void *, size_t, size_t from, size_t) { return from; }

}  // namespace mifkit::platform

#endif
