// Groups inside and outside the component, their Name, Class and Key
// statements, the end-of-group checks and the templates tables find by class.
#include <algorithm>
#include <vector>

#include "database/builder_support.h"
#include "database/builders.h"
#include "database/numeric_conversion.h"

namespace mifkit {

namespace {

int RefuseGroup(ParseContext &ctx, int status) {
    ctx.builder.refused.group = true;
    return status;
}

// The open group when its statements may change it, else null.
Group *OpenGroup(ParseContext &ctx) {
    return ctx.builder.refused.group ? nullptr : ctx.state.currentGroup;
}

// Orders the group's attributes by ascending ID. Equal IDs arise only from
// refused duplicates, in a parse that has already failed; a stable sort keeps
// them in file order.
void SortGroupAttributes(Group &group) {
    std::vector<Attribute *> attributes;
    for (Attribute *a = group.attributes; a != nullptr; a = a->next) attributes.push_back(a);
    std::stable_sort(attributes.begin(), attributes.end(),
                     [](const Attribute *a, const Attribute *b) { return a->id < b->id; });
    Attribute **link = &group.attributes;
    for (Attribute *a : attributes) {
        *link = a;
        link = &a->next;
    }
    *link = nullptr;
    group.attributeCount = static_cast<uint32_t>(attributes.size());
}

// Indexes the groups of one list that were added since the last lookup, so
// that each group is indexed once; the first of a class wins.
Group *FindInList(FirstByText<Group> &index, const void *owner, Group *head,
                  const CountedString *className) {
    if (index.owner != owner) index = FirstByText<Group>{owner, nullptr, {}};
    for (Group *g = index.last != nullptr ? index.last->next : head; g != nullptr; g = g->next) {
        if (g->className != nullptr) index.first.emplace(CountedKey(g->className), g);
        index.last = g;
    }
    auto found = index.first.find(CountedKey(className));
    return found != index.first.end() ? found->second : nullptr;
}

}  // namespace

int BeginGroup(ParseContext &ctx) {
    ParseState &s = ctx.state;
    ctx.builder.refused.group = false;
    Group *group = nullptr;
    // Refusals and the default language come before the group's own block,
    // so that a refused group allocates nothing.
    if (s.currentComponent != nullptr) {
        int status = 0;
        group = AppendRecord(ctx, s.currentGroup, s.currentComponent->groups, kNoMemoryForGroup,
                             kNoMemoryForFirstGroup, status);
        if (group == nullptr) return RefuseGroup(ctx, status);
        s.currentGroup = group;
    } else if (s.topGroupList != nullptr) {
        if (s.componentBegun != nullptr)
            return RefuseGroup(ctx, Refuse(ctx, Message::SecondGlobalGroup, kSecondTopLevelGroup));
        group = NewRecord<Group>(ctx);
        if (group == nullptr) return RefuseGroup(ctx, MemoryFault(ctx, kNoMemoryForTopLevelGroup));
        s.topGroupTail->next = group;
        s.currentGroup = s.topGroupTail = group;
    } else {
        if (s.language == nullptr) s.language = MakeDefaultLanguage(ctx);
        group = NewRecord<Group>(ctx);
        if (group == nullptr) return RefuseGroup(ctx, MemoryFault(ctx, kNoMemoryForFirstTopLevelGroup));
        s.topGroupList = group;
        s.currentGroup = s.topGroupTail = group;
    }
    s.inGroup = true;
    return 0;
}

int SetGroupName(ParseContext &ctx, CountedString *literal) {
    Group *group = OpenGroup(ctx);
    if (group == nullptr) return 0;
    if (group->name != nullptr) return Refuse(ctx, Message::DuplicateGroupStatement, kSecondGroupName);
    group->name = literal;
    return 0;
}

int SetClass(ParseContext &ctx, CountedString *literal) {
    ParseState &s = ctx.state;
    if (ctx.builder.refused.table || ctx.builder.refused.group) return 0;
    if (s.inTable) {
        Table *table = s.currentTable;
        if (table->className != nullptr)
            return Refuse(ctx, Message::DuplicateTableStatement, kSecondTableClass);
        table->className = literal;
        Group *found = FindTemplateByClass(ctx, literal);
        if (found == nullptr) {
            ReportAtToken(ctx, Message::UnknownTableClass);
            ctx.diagnostics.abortParse = true;
            return kUnknownTableClass;
        }
        if (found->keys == nullptr) {
            ReportAtToken(ctx, Message::TemplateNotKeyed);
            ctx.diagnostics.abortParse = true;
            return kUnkeyedTemplate;
        }
        table->templateGroup = found;
        return 0;
    }
    if (s.inGroup) {
        if (s.currentGroup->className != nullptr)
            return Refuse(ctx, Message::DuplicateGroupStatement, kSecondGroupClass);
        s.currentGroup->className = literal;
        return 0;
    }
    return kClassOutsideGroupOrTable;
}

Group *FindTemplateByClass(ParseContext &ctx, const CountedString *className) {
    if (className == nullptr) return nullptr;
    ParseState &s = ctx.state;
    BuilderIndexes &indexes = ctx.builder.indexes;
    if (Group *top = FindInList(indexes.topTemplates, s.topGroupList, s.topGroupList, className))
        return top;
    if (s.currentComponent == nullptr) return nullptr;
    return FindInList(indexes.componentTemplates, s.currentComponent, s.currentComponent->groups,
                      className);
}

int AddKeyAttribute(ParseContext &ctx, CountedString *number) {
    ParseState &s = ctx.state;
    Group *group = OpenGroup(ctx);
    if (group == nullptr) return 0;
    if (group->keyStatementDone == 1)
        return Refuse(ctx, Message::DuplicateGroupStatement, kSecondKeyStatement);
    uint32_t id = ParseUnsignedNumber(NumberText(number));
    BuilderIndexes &indexes = ctx.builder.indexes;
    if (indexes.keyOwner != group) {
        indexes.keyOwner = group;
        indexes.keys.clear();
        for (const KeyEntry *k = group->keys; k != nullptr; k = k->next)
            indexes.keys[k->attributeId] = true;
    }
    KeyEntry *entry = nullptr;
    if (group->keys == nullptr) {
        entry = NewRecord<KeyEntry>(ctx);
        if (entry == nullptr) return MemoryFault(ctx, kNoMemoryForFirstKey);
        group->keys = entry;
    } else {
        // A repeated ID is refused before it costs a block.
        if (indexes.keys.count(id) != 0) return Refuse(ctx, Message::KeyNotUnique, kDuplicateKey);
        entry = NewRecord<KeyEntry>(ctx);
        if (entry == nullptr) return MemoryFault(ctx, kNoMemoryForKey);
        s.keyTail->next = entry;
    }
    s.keyTail = entry;
    entry->attributeId = id;
    indexes.keys[id] = true;
    return 0;
}

int MarkGroupKeyed(ParseContext &ctx) {
    if (Group *group = OpenGroup(ctx)) group->keyStatementDone = 1;
    return 0;
}

int EndGroup(ParseContext &ctx) {
    Group *group = OpenGroup(ctx);
    if (group == nullptr) return 0;  // refused at its start: nothing to check
    if (group->name == nullptr) return Refuse(ctx, Message::ExpectingGroupName, kGroupWithoutName);
    if (group->className == nullptr)
        return Refuse(ctx, Message::ExpectingGroupClass, kGroupWithoutClass);
    if (group->attributes == nullptr)
        return Refuse(ctx, Message::GroupWithoutAttribute, kGroupWithoutAttribute);
    if (group->idGiven == 0 && group->keys == nullptr)
        return Refuse(ctx, Message::ExpectingKeysOrId, kGroupWithoutIdOrKeys);
    SortGroupAttributes(*group);
    return 0;
}

int LeaveGroup(ParseContext &ctx) {
    ctx.state.currentAttribute = nullptr;
    ctx.state.inGroup = false;
    ctx.builder.refused.group = false;
    ctx.builder.refused.attribute = false;
    return 0;
}

}  // namespace mifkit
