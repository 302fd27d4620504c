// Finding a component, group or table for a query through the context's
// QueryIndex.
#pragma once

#include <cstdint>

#include "core/records.h"

namespace mifkit {

struct ParseContext;

// Indexes the first component of the context's database (or clears the
// index when there is none).
void BuildQueryIndex(ParseContext &ctx);

// The component with this name (its UTF-16BE bytes and NUL, `length` bytes
// in all); a null name means the first component. A component without a
// name never matches.
const Component *FindComponent(const ParseContext &ctx, const void *name, int32_t length);

// A group by ID (0 skips that search) or else by class (null skips it).
const Group *FindGroup(const ParseContext &ctx, const Component &component, uint32_t id,
                       const void *className, int32_t classLength);
const Table *FindTable(const ParseContext &ctx, const Component &component, uint32_t id,
                       const void *className, int32_t classLength);

}  // namespace mifkit
