// The four queries of the C interface, on any parser: the C exports call
// them on the process-wide parser, the C++ interface on its own.
#pragma once

#include <cstdint>

namespace mifkit {

struct ParseContext;

// IDs of the component's groups that have one, then of its tables; their
// number. Answers from whatever records a parse left, even a failed one.
int32_t QueryGroups(const ParseContext &ctx, const void *componentName, int32_t componentNameLength,
                    uint32_t *ids);

// The data block of a group or a table, or its size with a null buffer; 0
// when no database is loaded or nothing matches.
int32_t QueryGroupData(const ParseContext &ctx, const void *componentName, int32_t componentNameLength,
                       uint32_t groupId, const void *className, int32_t classNameLength,
                       const uint32_t *attributeIds, void *buffer);
int32_t QueryTableData(const ParseContext &ctx, const void *componentName, int32_t componentNameLength,
                       uint32_t tableId, const void *className, int32_t classNameLength,
                       const uint32_t *attributeIds, void *buffer);

}  // namespace mifkit
