// Groups and tables of the component by ID and by class, built once when a
// parse ends so that every query finds its record in constant time. The
// first record defined wins, as a walk of the lists would find it.
#pragma once

#include <cstdint>
#include <string_view>
#include <unordered_map>

#include "database/records.h"

namespace mifkit {

struct ParseContext;

struct QueryIndex {
    const Component *component = nullptr;
    std::unordered_map<uint32_t, const Group *> groupsById;
    std::unordered_map<std::string_view, const Group *> groupsByClass;
    std::unordered_map<uint32_t, const Table *> tablesById;
    std::unordered_map<std::string_view, const Table *> tablesByClass;
};

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
