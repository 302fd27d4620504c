// Large zero-filled regions for the block pool. Fresh pages from the system
// are already zero, so nothing is cleared by hand; on Linux a large region
// is offered to the kernel for huge pages, which turns hundreds of page
// faults per megabyte into one.
#pragma once

#include <cstddef>

namespace mifkit::platform {

// At least `size` zeroed bytes aligned for any record, or null.
void *AllocateZeroed(size_t size);

// Returns a region from AllocateZeroed; `size` as it was asked for.
void FreeZeroed(void *memory, size_t size);

}  // namespace mifkit::platform
