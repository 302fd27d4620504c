// The data block of a group or a table: a 44-byte header, the column IDs,
// types and value offsets, the values column by column without padding, then
// the component name and the class string. One routine both sizes and
// writes it, so the size a caller is told is the size that gets written.
#pragma once

#include <cstdint>

#include "core/records.h"

namespace mifkit {

// The block's size, or 0 when there is nothing to return (a group without
// attributes, a table without rows or cells) or it would not fit a signed
// 32-bit size. Writes the block to `buffer` unless it is null or the result
// is 0. `filter`: attribute IDs ended by 0, or null for all.
int32_t GroupDataBlock(const Component &component, const Group &group, const uint32_t *filter,
                       void *buffer);
int32_t TableDataBlock(const Component &component, const Table &table, const uint32_t *filter,
                       void *buffer);

}  // namespace mifkit
