#include "query/queries.h"

#include <limits>

#include "core/parse_context.h"
#include "query/data_block.h"
#include "query/record_lookup.h"

namespace mifkit {

int32_t QueryGroups(const ParseContext &ctx, const void *componentName, int32_t componentNameLength,
                    uint32_t *ids) {
    const Component *component = FindComponent(ctx, componentName, componentNameLength);
    if (component == nullptr) return 0;
    uint64_t count = 0;
    for (const Group *g = component->groups; g != nullptr; g = g->next)
        if (g->idGiven == 1) ++count;
    for (const Table *t = component->tables; t != nullptr; t = t->next) ++count;
    if (count > static_cast<uint64_t>(std::numeric_limits<int32_t>::max())) return 0;
    if (ids != nullptr) {
        for (const Group *g = component->groups; g != nullptr; g = g->next)
            if (g->idGiven == 1) *ids++ = g->id;
        for (const Table *t = component->tables; t != nullptr; t = t->next) *ids++ = t->id;
    }
    return static_cast<int32_t>(count);
}

namespace {

// A data block of the record that `find` looks up in the named component.
template <typename Find, typename Write>
int32_t QueryDataBlock(const ParseContext &ctx, const void *componentName, int32_t componentNameLength,
                       Find find, Write write) {
    if (!ctx.databaseLoaded) return 0;
    const Component *component = FindComponent(ctx, componentName, componentNameLength);
    if (component == nullptr) return 0;
    const auto *record = find(*component);
    return record != nullptr ? write(*component, *record) : 0;
}

}  // namespace

int32_t QueryGroupData(const ParseContext &ctx, const void *componentName, int32_t componentNameLength,
                       uint32_t groupId, const void *className, int32_t classNameLength,
                       const uint32_t *attributeIds, void *buffer) {
    return QueryDataBlock(
        ctx, componentName, componentNameLength,
        [&](const Component &c) { return FindGroup(ctx, c, groupId, className, classNameLength); },
        [&](const Component &c, const Group &g) { return GroupDataBlock(c, g, attributeIds, buffer); });
}

int32_t QueryTableData(const ParseContext &ctx, const void *componentName, int32_t componentNameLength,
                       uint32_t tableId, const void *className, int32_t classNameLength,
                       const uint32_t *attributeIds, void *buffer) {
    return QueryDataBlock(
        ctx, componentName, componentNameLength,
        [&](const Component &c) { return FindTable(ctx, c, tableId, className, classNameLength); },
        [&](const Component &c, const Table &t) { return TableDataBlock(c, t, attributeIds, buffer); });
}

}  // namespace mifkit
