// Large zero-filled regions for the block pool. Fresh pages from the system
// are already zero, so nothing is cleared by hand; on Linux a large region
// is offered to the kernel for huge pages, which turns hundreds of page
// faults per megabyte into one.
#pragma once

#include <cstddef>

namespace mifkit::platform {

// At least `size` zeroed bytes aligned for any record, or null.
void *AllocateZeroed(size_t size);

// Returns a region from AllocateZeroed; `size` as it was asked for, even
// after some of its pages were released.
void FreeZeroed(void *memory, size_t size);

// Gives back the whole pages of bytes [from, to) of a region of `size` bytes
// from AllocateZeroed, where the system allows it; they must not be touched
// again. Returns the offset up to which the region is now released (`from`
// when nothing could be).
size_t ReleaseZeroedPages(void *memory, size_t size, size_t from, size_t to);

}  // namespace mifkit::platform
