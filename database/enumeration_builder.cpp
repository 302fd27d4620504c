// Enumerations at component level and inside an attribute's Type statement,
// and the lookups that value conversion runs over them.
#include <atomic>

#include "database/builder_support.h"
#include "database/builders.h"
#include "database/numeric_conversion.h"

namespace mifkit {

namespace {

// Below this many elements a walk is cheaper than building an index.
constexpr size_t kIndexedEnumerationSize = 16;

// The enumeration the Name, element and end statements address, or null
// when its start was refused and they must touch nothing.
Enumeration *AddressedEnumeration(ParseContext &ctx) {
    if (ctx.builder.refused.enumeration) return nullptr;
    ParseState &s = ctx.state;
    if (!s.inAttributeEnumeration) return s.currentEnumeration;
    return s.currentAttribute != nullptr ? s.currentAttribute->ownEnumeration : nullptr;
}

int RefuseEnumeration(ParseContext &ctx, int status) {
    ctx.builder.refused.enumeration = true;
    return status;
}

// The element index of an enumeration, built on first use and again if its
// elements were replaced.
const ElementIndex *IndexOf(ParseContext &ctx, const Enumeration *enumeration) {
    size_t count = 0;
    for (const EnumElement *e = enumeration->elements; e != nullptr && count < kIndexedEnumerationSize;
         e = e->next)
        ++count;
    if (count < kIndexedEnumerationSize) return nullptr;
    ElementIndex &index = ctx.builder.indexes.elements[enumeration];
    if (index.head == enumeration->elements) return &index;
    index = ElementIndex{};
    index.head = enumeration->elements;
    for (EnumElement *e = enumeration->elements; e != nullptr; e = e->next) {
        if (e->text != nullptr) index.byText.emplace(CountedKey(e->text), e);
        index.byValue.emplace(e->value, e);
    }
    return &index;
}

// The three letters of generated names as one number, AAA = 0: one counter
// for the whole process, never reset, advanced before each use, so names
// stay distinct across parses and parsers; after ZZZ comes AAA again.
std::atomic<uint32_t> enumerationNumber{0};

uint32_t NextEnumerationNumber() {
    constexpr uint32_t kNames = 26 * 26 * 26;
    uint32_t current = enumerationNumber.load(std::memory_order_relaxed);
    uint32_t next;
    do {
        next = (current + 1) % kNames;
    } while (!enumerationNumber.compare_exchange_weak(current, next, std::memory_order_relaxed));
    return next;
}

}  // namespace

int BeginEnumeration(ParseContext &ctx) {
    ParseState &s = ctx.state;
    ctx.builder.refused.enumeration = false;
    if (s.currentComponent == nullptr) return RefuseEnumeration(ctx, kEnumerationOutsideComponent);
    s.inAttributeEnumeration = false;
    int status = 0;
    auto *enumeration = AppendRecord(ctx, s.currentEnumeration, s.currentComponent->enumerations,
                                     kNoMemoryForEnumeration, kNoMemoryForFirstEnumeration, status);
    if (enumeration == nullptr) return RefuseEnumeration(ctx, status);
    s.currentEnumeration = enumeration;
    return 0;
}

int BeginAttributeEnumeration(ParseContext &ctx) {
    ParseState &s = ctx.state;
    ctx.builder.refused.enumeration = false;
    if (ctx.builder.refused.attribute) return RefuseEnumeration(ctx, 0);
    if (s.currentComponent == nullptr)
        return RefuseEnumeration(ctx, kAttributeEnumerationOutsideComponent);
    if (s.currentAttribute == nullptr)
        return RefuseEnumeration(ctx, kAttributeEnumerationOutsideAttribute);
    if (s.currentAttribute->ownEnumeration != nullptr)
        return RefuseEnumeration(ctx, kSecondAttributeEnumeration);
    auto *enumeration = NewRecord<Enumeration>(ctx);
    if (enumeration == nullptr)
        return RefuseEnumeration(ctx, MemoryFault(ctx, kNoMemoryForAttributeEnumeration));
    s.currentAttribute->ownEnumeration = enumeration;
    s.inAttributeEnumeration = true;
    s.currentAttribute->type = kTypeOwnEnumeration;
    s.currentAttribute->typeGiven = 1;
    enumeration->name = MakeEnumerationName(ctx);
    if (enumeration->name == nullptr) return MemoryFault(ctx, kNoMemoryForEnumerationName);
    return 0;
}

CountedString *MakeEnumerationName(ParseContext &ctx) {
    uint32_t n = NextEnumerationNumber();
    const char name[8] = {'l', 'e', 'n', 'u', 'm', static_cast<char>('A' + n / (26 * 26)),
                          static_cast<char>('A' + n / 26 % 26), static_cast<char>('A' + n % 26)};
    constexpr uint32_t kCount = 2 * sizeof name + 2;
    auto *text = static_cast<CountedString *>(ctx.pool.Allocate(CountedStringBlockSize(kCount)));
    if (text == nullptr) return nullptr;
    text->length = kCount;
    for (size_t i = 0; i < sizeof name; ++i)
        text->Bytes()[2 * i + 1] = static_cast<unsigned char>(name[i]);
    return text;
}

int SetEnumerationName(ParseContext &ctx, CountedString *literal) {
    Enumeration *enumeration = AddressedEnumeration(ctx);
    if (enumeration != nullptr) enumeration->name = literal;
    return 0;
}

int AddEnumElement(ParseContext &ctx, CountedString *number, CountedString *literal) {
    ParseState &s = ctx.state;
    if (AddressedEnumeration(ctx) == nullptr) return 0;
    int status = 0;
    EnumElement *tail = s.elementList != nullptr ? s.elementTail : nullptr;
    auto *element =
        AppendRecord(ctx, tail, s.elementList, kNoMemoryForElement, kNoMemoryForFirstElement, status);
    if (element == nullptr) return status;
    s.elementTail = element;
    element->value = static_cast<int32_t>(ParseSignedNumber(NumberText(number)));
    element->text = literal;
    return 0;
}

int EndEnumeration(ParseContext &ctx) {
    Enumeration *enumeration = AddressedEnumeration(ctx);
    ctx.builder.refused.enumeration = false;
    if (enumeration == nullptr) return 0;
    enumeration->elements = ctx.state.elementList;
    ctx.state.elementList = nullptr;
    return 0;
}

int LeaveEnumeration(ParseContext &ctx) {
    ctx.state.inAttributeEnumeration = false;
    return 0;
}

Enumeration *FindEnumerationByName(ParseContext &ctx, const CountedString *name) {
    const Component *component = ctx.state.currentComponent;
    if (component == nullptr || name == nullptr) return nullptr;
    // Component-level enumerations are complete before any attribute names
    // one, so each is indexed once, in list order: the first of a name wins.
    FirstByText<Enumeration> &index = ctx.builder.indexes.enumerations;
    if (index.owner != component) index = FirstByText<Enumeration>{component, nullptr, {}};
    for (Enumeration *e = index.last != nullptr ? index.last->next : component->enumerations;
         e != nullptr; e = e->next) {
        if (e->name != nullptr) index.first.emplace(CountedKey(e->name), e);
        index.last = e;
    }
    auto found = index.first.find(CountedKey(name));
    return found != index.first.end() ? found->second : nullptr;
}

EnumElement *FindEnumElementByName(ParseContext &ctx, const CountedString *literal,
                                   const Enumeration *enumeration) {
    if (enumeration == nullptr || literal == nullptr) return nullptr;
    if (const ElementIndex *index = IndexOf(ctx, enumeration)) {
        auto found = index->byText.find(CountedKey(literal));
        return found != index->byText.end() ? found->second : nullptr;
    }
    for (EnumElement *e = enumeration->elements; e != nullptr; e = e->next)
        if (CompareCountedStrings(e->text, literal) == 0) return e;
    return nullptr;
}

EnumElement *FindEnumElementByValue(ParseContext &ctx, const CountedString *number,
                                    const Enumeration *enumeration) {
    if (enumeration == nullptr) return nullptr;
    auto value = static_cast<int32_t>(ParseSignedNumber(NumberText(number)));
    if (const ElementIndex *index = IndexOf(ctx, enumeration)) {
        auto found = index->byValue.find(value);
        return found != index->byValue.end() ? found->second : nullptr;
    }
    for (EnumElement *e = enumeration->elements; e != nullptr; e = e->next)
        if (e->value == value) return e;
    return nullptr;
}

}  // namespace mifkit
