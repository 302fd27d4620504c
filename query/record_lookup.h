// Finding a component, group or table for a query through the context's
// QueryIndex.
#pragma once

#include <cstdint>

#include "core/query_index.h"
#include "core/records.h"

namespace mifkit {

struct ParseContext;

// Indexes the first component of the context's database (or clears the
// index when there is none).
void BuildQueryIndex(ParseContext &ctx);

// The component of `components` with this name (its UTF-16BE bytes and NUL,
// `length` bytes in all); a null name means the first component. A
// component without a name never matches.
const Component *FindComponent(const Component *components, const void *name, int32_t length);

// A group by ID (0 skips that search) or else by class (null skips it),
// through `index` when it indexes this component.
const Group *FindGroup(const QueryIndex &index, const Component &component, uint32_t id,
                       const void *className, int32_t classLength);
const Table *FindTable(const QueryIndex &index, const Component &component, uint32_t id,
                       const void *className, int32_t classLength);

}  // namespace mifkit
