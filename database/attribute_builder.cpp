// Attributes, and the ID, Description and Pragma statements that
// attributes, groups, tables and the component share.
#include "database/builder_support.h"
#include "database/builders.h"
#include "database/numeric_conversion.h"

namespace mifkit {

namespace {

// The open attribute when its statements may change it, else null.
Attribute *OpenAttribute(ParseContext &ctx) {
    return ctx.builder.refused.attribute ? nullptr : ctx.state.currentAttribute;
}

// Adds the non-zero IDs of a list of records to an index.
template <typename Record>
void CountIds(IdIndex &index, const Record *first) {
    for (const Record *r = first; r != nullptr; r = r->next)
        if (r->id != 0) ++index.counts[r->id];
}

// The index of one owner's IDs: built once when the owner changes, then kept
// current by SetId, the only writer of IDs.
template <typename Owner, typename Fill>
IdIndex &IdsOf(IdIndex &index, const Owner &owner, Fill fill) {
    if (index.owner != &owner) {
        index.owner = &owner;
        index.counts.clear();
        fill(index);
    }
    return index;
}

IdIndex &AttributeIds(ParseContext &ctx, const Group &group) {
    return IdsOf(ctx.builder.indexes.attributeIds, group,
                 [&](IdIndex &index) { CountIds(index, group.attributes); });
}

// Groups and tables of a component share one ID space.
IdIndex &GroupTableIds(ParseContext &ctx, const Component &component) {
    return IdsOf(ctx.builder.indexes.groupTableIds, component, [&](IdIndex &index) {
        CountIds(index, component.groups);
        CountIds(index, component.tables);
    });
}

// Stores `id` in a record and tells whether no other record of the index
// holds it. The record's own ID was 0 until now, so the index counts others.
bool StoreUniqueId(IdIndex *index, uint32_t &field, uint32_t id) {
    field = id;
    if (index == nullptr) return true;
    return index->counts[id]++ == 0;
}

// A text statement that attributes, groups and the component share: where
// each keeps it, and the statuses of a second one and of one outside them.
struct SharedText {
    CountedString *Attribute::*attributeText;
    CountedString *Group::*groupText;
    CountedString *Component::*componentText;
    int secondInAttribute;
    int secondInGroup;
    int secondInComponent;
    int outsideEveryBody;
};

// The statement goes to the innermost open body; a second one is refused.
int SetSharedText(ParseContext &ctx, const SharedText &statement, CountedString *literal) {
    ParseState &s = ctx.state;
    const RefusedConstructs &refused = ctx.builder.refused;
    // Inside a refused attribute or group the flags below still name the
    // enclosing record, which this statement must not reach.
    if (refused.attribute || refused.group) return 0;
    auto set = [&](CountedString *&text, Message duplicate, int status) {
        if (text != nullptr) return Refuse(ctx, duplicate, status);
        text = literal;
        return 0;
    };
    if (s.inAttribute)
        return set(s.currentAttribute->*statement.attributeText, Message::DuplicateAttributeStatement,
                   statement.secondInAttribute);
    if (s.inGroup)
        return set(s.currentGroup->*statement.groupText, Message::DuplicateGroupStatement,
                   statement.secondInGroup);
    if (!s.inComponent) return statement.outsideEveryBody;
    return set(s.currentComponent->*statement.componentText, Message::DuplicateComponentStatement,
               statement.secondInComponent);
}

}  // namespace

int CompareCountedStrings(const CountedString *a, const CountedString *b) {
    return a != nullptr && b != nullptr && CountedStringsEqual(a, b) ? 0 : 1;
}

int BeginAttribute(ParseContext &ctx) {
    ParseState &s = ctx.state;
    ctx.builder.refused.attribute = true;  // until the attribute exists
    if (ctx.builder.refused.group || s.currentGroup == nullptr) return 0;
    int status = 0;
    auto *attribute = AppendRecord(ctx, s.currentAttribute, s.currentGroup->attributes,
                                   kNoMemoryForAttribute, kNoMemoryForFirstAttribute, status);
    if (attribute == nullptr) return status;
    s.currentAttribute = attribute;
    s.inAttribute = true;
    ctx.builder.refused.attribute = false;
    return 0;
}

int SetAttributeName(ParseContext &ctx, CountedString *literal) {
    if (Attribute *attribute = OpenAttribute(ctx)) attribute->name = literal;
    return 0;
}

int SetId(ParseContext &ctx, CountedString *number) {
    ParseState &s = ctx.state;
    const RefusedConstructs &refused = ctx.builder.refused;
    if (refused.table || refused.group || refused.attribute) return 0;
    uint32_t id = ParseUnsignedNumber(NumberText(number));
    if (id == 0) return Refuse(ctx, Message::ZeroId, kZeroId);
    IdIndex *shared = s.currentComponent != nullptr ? &GroupTableIds(ctx, *s.currentComponent) : nullptr;
    if (s.inTable) {
        Table *table = s.currentTable;
        if (table->idGiven == 1) return Refuse(ctx, Message::DuplicateTableStatement, kSecondTableId);
        table->idGiven = 1;
        if (!StoreUniqueId(shared, table->id, id))
            return Refuse(ctx, Message::TableIdNotUnique, kTableIdTaken, id);
    } else if (s.inAttribute) {
        Attribute *attribute = s.currentAttribute;
        if (attribute->idGiven == 1)
            return Refuse(ctx, Message::DuplicateAttributeStatement, kSecondAttributeId, id);
        attribute->idGiven = 1;
        IdIndex *ids = s.currentGroup != nullptr && s.currentGroup->attributes != nullptr
                           ? &AttributeIds(ctx, *s.currentGroup)
                           : nullptr;
        if (!StoreUniqueId(ids, attribute->id, id))
            return Refuse(ctx, Message::AttributeIdNotUnique, kAttributeIdTaken, id);
    } else if (s.inGroup) {
        Group *group = s.currentGroup;
        if (group->idGiven == 1) return Refuse(ctx, Message::DuplicateGroupStatement, kSecondGroupId);
        group->idGiven = 1;
        if (!StoreUniqueId(shared, group->id, id))
            return Refuse(ctx, Message::GroupIdNotUnique, kGroupIdTaken, id);
    }
    return 0;
}

int SetAttributeAccess(ParseContext &ctx, Access access) {
    if (Attribute *attribute = OpenAttribute(ctx)) attribute->access = access;
    return 0;
}

int SetAttributeStorage(ParseContext &ctx, Storage storage) {
    if (Attribute *attribute = OpenAttribute(ctx)) attribute->storage = storage;
    return 0;
}

int SetAttributeType(ParseContext &ctx, uint32_t type, CountedString *argument) {
    Attribute *attribute = OpenAttribute(ctx);
    if (attribute == nullptr) return 0;
    attribute->type = type;
    attribute->typeGiven = 1;
    // A literal lost to an exhausted pool is missing, not an unknown name.
    if (argument == nullptr) return 0;
    if (type == kTypeNamedEnumeration) {
        attribute->enumerationName = argument;
        attribute->namedEnumeration = FindEnumerationByName(ctx, argument);
        if (attribute->namedEnumeration == nullptr) {
            ReportAtToken(ctx, Message::EnumerationNotFound);
            ctx.diagnostics.abortParse = true;
            return kUnknownEnumeration;
        }
        return 0;
    }
    attribute->size = ParseUnsignedNumber(NumberText(argument));
    return 0;
}

int SetAttributeValue(ParseContext &ctx, ValueForm form, TokenValue *value) {
    if (ctx.builder.refused.attribute) return 0;
    Attribute *attribute = ctx.state.currentAttribute;
    if (attribute == nullptr) return kValueOutsideAttribute;
    if (attribute->typeGiven == 0) return Refuse(ctx, Message::MissingType, kValueBeforeType);
    attribute->valueForm = form;
    switch (form) {
    case kUnsupportedValue:
        attribute->access = kUnsupported;
        return 0;
    case kUnknownValue:
        attribute->valueUnknown = 1;
        return 0;
    case kGivenValue:
        break;
    }
    attribute->pendingValue = value;
    return ConvertAttributeValue(ctx);
}

int SetDescription(ParseContext &ctx, CountedString *literal) {
    static constexpr SharedText kDescription{&Attribute::description, &Group::description,
                                             &Component::description,  kSecondAttributeDescription,
                                             kSecondGroupDescription,  kSecondComponentDescription,
                                             kSuccess};
    return SetSharedText(ctx, kDescription, literal);
}

int SetPragma(ParseContext &ctx, CountedString *literal) {
    static constexpr SharedText kPragma{&Attribute::pragma,     &Group::pragma,     &Component::pragma,
                                        kSecondAttributePragma, kSecondGroupPragma, kSecondComponentPragma,
                                        kPragmaOutsideComponent};
    return SetSharedText(ctx, kPragma, literal);
}

int LeaveAttribute(ParseContext &ctx) {
    ctx.state.inAttribute = false;
    ctx.builder.refused.attribute = false;
    return 0;
}

}  // namespace mifkit
