#include "query/queries.h"

#include <limits>

#include "driver/parse_context.h"
#include "query/data_block.h"
#include "query/query_index.h"

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

int32_t QueryGroupData(const ParseContext &ctx, const void *componentName, int32_t componentNameLength,
                       uint32_t groupId, const void *className, int32_t classNameLength,
                       const uint32_t *attributeIds, void *buffer) {
    if (!ctx.databaseLoaded) return 0;
    const Component *component = FindComponent(ctx, componentName, componentNameLength);
    if (component == nullptr) return 0;
    const Group *group = FindGroup(ctx, *component, groupId, className, classNameLength);
    return group != nullptr ? GroupDataBlock(*component, *group, attributeIds, buffer) : 0;
}

int32_t QueryTableData(const ParseContext &ctx, const void *componentName, int32_t componentNameLength,
                       uint32_t tableId, const void *className, int32_t classNameLength,
                       const uint32_t *attributeIds, void *buffer) {
    if (!ctx.databaseLoaded) return 0;
    const Component *component = FindComponent(ctx, componentName, componentNameLength);
    if (component == nullptr) return 0;
    const Table *table = FindTable(ctx, *component, tableId, className, classNameLength);
    return table != nullptr ? TableDataBlock(*component, *table, attributeIds, buffer) : 0;
}

}  // namespace mifkit
