// The data block of a group or a table: a 44-byte header, the column IDs,
// types and value offsets, the values column by column without padding, then
// the component name and the class string.
#pragma once

#include <cstdint>
#include <vector>

#include "core/records.h"

namespace mifkit {

// The block, or none when there is nothing to return (a group without
// attributes, a table without rows or cells) or its size would not fit a
// signed 32-bit number. `filter`: attribute IDs ended by 0, or null for all.
std::vector<unsigned char> GroupDataBlock(const Component &component, const Group &group,
                                          const uint32_t *filter);
std::vector<unsigned char> TableDataBlock(const Component &component, const Table &table,
                                          const uint32_t *filter);

}  // namespace mifkit
