// The queries of the database, on any parser: the C exports call them on
// the process-wide parser and copy the results out by the C protocol; the C++
// interface returns them as they are.
#pragma once

#include <cstdint>
#include <vector>

namespace mifkit {

struct ParseContext;

// IDs of the component's groups that have one, then of its tables.
// Answers from whatever records a parse left, even a failed one.
std::vector<uint32_t> GroupIds(const ParseContext &ctx, const void *componentName,
                               int32_t componentNameLength);

// The data block of a group or a table; empty when no database is loaded or
// nothing matches.
std::vector<unsigned char> GroupData(const ParseContext &ctx, const void *componentName,
                                     int32_t componentNameLength, uint32_t groupId, const void *className,
                                     int32_t classNameLength, const uint32_t *attributeIds);
std::vector<unsigned char> TableData(const ParseContext &ctx, const void *componentName,
                                     int32_t componentNameLength, uint32_t tableId, const void *className,
                                     int32_t classNameLength, const uint32_t *attributeIds);

}  // namespace mifkit
