#include "query/record_lookup.h"

#include <cstring>

#include "core/parse_context.h"

namespace mifkit {

namespace {

bool Matches(const CountedString *text, const void *bytes, int32_t length) {
    return text != nullptr && length >= 0 && text->length == static_cast<uint32_t>(length) &&
           std::memcmp(text->Bytes(), bytes, text->length) == 0;
}

std::string_view Key(const void *bytes, int32_t length) {
    return std::string_view(static_cast<const char *>(bytes), static_cast<size_t>(length));
}

// The first record of `list` by ID, then by class: from the index for the
// indexed component, else by walking the list.
template <typename Record>
const Record *Find(const Record *list, const std::unordered_map<uint32_t, const Record *> &byId,
                   const std::unordered_map<std::string_view, const Record *> &byClass, bool indexed,
                   uint32_t id, const void *className, int32_t classLength) {
    if (id != 0) {
        if (indexed) {
            auto found = byId.find(id);
            if (found != byId.end()) return found->second;
        } else {
            for (const Record *r = list; r != nullptr; r = r->next)
                if (r->id == id) return r;
        }
    }
    if (className == nullptr || classLength < 0) return nullptr;
    if (indexed) {
        auto found = byClass.find(Key(className, classLength));
        return found != byClass.end() ? found->second : nullptr;
    }
    for (const Record *r = list; r != nullptr; r = r->next)
        if (Matches(r->className, className, classLength)) return r;
    return nullptr;
}

template <typename Record>
void IndexList(const Record *list, std::unordered_map<uint32_t, const Record *> &byId,
               std::unordered_map<std::string_view, const Record *> &byClass) {
    for (const Record *r = list; r != nullptr; r = r->next) {
        if (r->id != 0) byId.emplace(r->id, r);
        if (r->className != nullptr)
            byClass.emplace(std::string_view(r->className->Chars(), r->className->length), r);
    }
}

}  // namespace

void BuildQueryIndex(ParseContext &ctx) {
    ctx.query = QueryIndex{};
    const Component *component = ctx.state.componentList;
    if (component == nullptr) return;
    ctx.query.component = component;
    IndexList(component->groups, ctx.query.groupsById, ctx.query.groupsByClass);
    IndexList(component->tables, ctx.query.tablesById, ctx.query.tablesByClass);
}

const Component *FindComponent(const Component *components, const void *name, int32_t length) {
    for (const Component *c = components; c != nullptr; c = c->next) {
        if (c->name == nullptr) continue;
        if (name == nullptr || Matches(c->name, name, length)) return c;
    }
    return nullptr;
}

const Group *FindGroup(const QueryIndex &index, const Component &component, uint32_t id,
                       const void *className, int32_t classLength) {
    return Find(component.groups, index.groupsById, index.groupsByClass, index.component == &component,
                id, className, classLength);
}

const Table *FindTable(const QueryIndex &index, const Component &component, uint32_t id,
                       const void *className, int32_t classLength) {
    return Find(component.tables, index.tablesById, index.tablesByClass, index.component == &component,
                id, className, classLength);
}

}  // namespace mifkit
