#include "query/queries.h"

#include "core/parse_context.h"
#include "query/data_block.h"
#include "query/record_lookup.h"

namespace mifkit {

std::vector<uint32_t> GroupIds(const ParseContext &ctx, const void *componentName,
                               int32_t componentNameLength) {
    std::vector<uint32_t> ids;
    const Component *component = FindComponent(ctx.state.componentList, componentName, componentNameLength);
    if (component == nullptr) return ids;
    for (const Group *g = component->groups; g != nullptr; g = g->next)
        if (g->idGiven == 1) ids.push_back(g->id);
    for (const Table *t = component->tables; t != nullptr; t = t->next) ids.push_back(t->id);
    return ids;
}

namespace {

// The data block of the record that `find` looks up in the named component.
template <typename Find, typename Write>
std::vector<unsigned char> QueryDataBlock(const ParseContext &ctx, const void *componentName,
                                          int32_t componentNameLength, Find find, Write write) {
    if (!ctx.databaseLoaded) return {};
    const Component *component = FindComponent(ctx.state.componentList, componentName, componentNameLength);
    if (component == nullptr) return {};
    const auto *record = find(*component);
    if (record == nullptr) return {};
    return write(*component, *record);
}

}  // namespace

std::vector<unsigned char> GroupData(const ParseContext &ctx, const void *componentName,
                                     int32_t componentNameLength, uint32_t groupId, const void *className,
                                     int32_t classNameLength, const uint32_t *attributeIds) {
    return QueryDataBlock(
        ctx, componentName, componentNameLength,
        [&](const Component &c) { return FindGroup(ctx.query, c, groupId, className, classNameLength); },
        [&](const Component &c, const Group &g) { return GroupDataBlock(c, g, attributeIds); });
}

std::vector<unsigned char> TableData(const ParseContext &ctx, const void *componentName,
                                     int32_t componentNameLength, uint32_t tableId, const void *className,
                                     int32_t classNameLength, const uint32_t *attributeIds) {
    return QueryDataBlock(
        ctx, componentName, componentNameLength,
        [&](const Component &c) { return FindTable(ctx.query, c, tableId, className, classNameLength); },
        [&](const Component &c, const Table &t) { return TableDataBlock(c, t, attributeIds); });
}

}  // namespace mifkit
