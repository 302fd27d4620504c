// The language statement, the component with its name and description, and
// its path definitions.
#include "database/builder_support.h"
#include "database/builders.h"

namespace mifkit {

namespace {

// "en|US|iso8859-1" in UTF-16BE with its NUL.
constexpr char kDefaultLanguage[] = "en|US|iso8859-1";
constexpr uint32_t kDefaultLanguageCount = 2 * (sizeof kDefaultLanguage - 1) + 2;

CountedString *NewUtf16String(ParseContext &ctx, const char *ascii, size_t length) {
    uint32_t count = static_cast<uint32_t>(2 * length + 2);
    auto *text = static_cast<CountedString *>(ctx.pool.Allocate(
        static_cast<uint32_t>(CountedStringBlockSize(count))));
    if (text == nullptr) return nullptr;
    text->length = count;
    for (size_t i = 0; i < length; ++i) text->Bytes()[2 * i + 1] = static_cast<unsigned char>(ascii[i]);
    return text;
}

}  // namespace

bool IsLanguageWellFormed(const CountedString *language) {
    if (language == nullptr || language->length < 2) return false;
    int bars = 0;
    const unsigned char *bytes = language->Bytes();
    for (uint32_t i = 0; i + 1 < language->length; i += 2)
        if (bytes[i] == 0 && bytes[i + 1] == '|') ++bars;
    return bars >= 2;
}

CountedString *MakeDefaultLanguage(ParseContext &ctx) {
    CountedString *text = NewUtf16String(ctx, kDefaultLanguage, sizeof kDefaultLanguage - 1);
    static_assert(kDefaultLanguageCount == 32);
    return text;
}

int SetLanguage(ParseContext &ctx, CountedString *literal) {
    if (!IsLanguageWellFormed(literal))
        return Refuse(ctx, Message::MalformedLanguage, kMalformedLanguage);
    ctx.state.language = literal;
    return 0;
}

int BeginComponent(ParseContext &ctx) {
    ParseState &s = ctx.state;
    s.currentGroup = nullptr;
    if (s.language == nullptr) s.language = MakeDefaultLanguage(ctx);
    if (s.componentBegun != nullptr) {
        ctx.builder.refused.component = true;
        return Refuse(ctx, Message::SecondComponent, kSecondComponent);
    }
    auto *component = NewRecord<Component>(ctx);
    s.componentList = component;
    if (component == nullptr) {
        ctx.builder.refused.component = true;
        return MemoryFault(ctx, kNoMemoryForComponent);
    }
    s.componentBegun = s.currentComponent = component;
    s.inComponent = true;
    return 0;
}

int SetComponentName(ParseContext &ctx, CountedString *literal) {
    Component *component = ctx.state.currentComponent;
    if (component == nullptr) return 0;  // a refused component: nothing to name
    if (component->name != nullptr)
        return Refuse(ctx, Message::DuplicateComponentStatement, kSecondComponentName);
    component->name = literal;
    return 0;
}

int BeginPath(ParseContext &ctx) {
    ParseState &s = ctx.state;
    ctx.builder.refused.path = true;  // until the path exists
    if (s.currentComponent == nullptr) return kPathOutsideComponent;
    int status = 0;
    auto *path = AppendRecord(ctx, s.currentPath, s.currentComponent->paths, kNoMemoryForPath,
                              kNoMemoryForFirstPath, status);
    if (path == nullptr) return status;
    // A later path starts a list of entries of its own.
    if (s.currentPath != nullptr) s.pathEntryTail = nullptr;
    s.currentPath = path;
    ctx.builder.refused.path = false;
    return 0;
}

int SetPathName(ParseContext &ctx, CountedString *literal) {
    ComponentPath *path = ctx.state.currentPath;
    // After a refused BeginPath the current path is an earlier one (or none):
    // it keeps its name, and a named one reports the clash as before.
    if (path == nullptr) return 0;
    if (path->name != nullptr) return Refuse(ctx, Message::UnknownError, kSecondPathName);
    if (ctx.builder.refused.path) return 0;
    path->name = literal;
    return 0;
}

int AddPathEntry(ParseContext &ctx, uint32_t os, CountedString *path, bool directInterface) {
    ParseState &s = ctx.state;
    if (ctx.builder.refused.path) return 0;  // the entries would join an earlier path
    uint32_t &osSeen = ctx.builder.indexes.pathOsSeen;
    // OS codes are 0 to 7; one bit each stands for the walk over the entries.
    uint32_t bit = os < 32 ? (uint32_t{1} << os) : 0;
    PathEntry *entry = nullptr;
    if (s.pathEntryTail == nullptr) {
        entry = NewRecord<PathEntry>(ctx);
        s.pathEntryList = entry;
        if (entry == nullptr) return MemoryFault(ctx, kNoMemoryForFirstPathEntry);
        osSeen = 0;
    } else {
        bool clash = bit != 0 ? (osSeen & bit) != 0 : false;
        for (const PathEntry *e = s.pathEntryList; bit == 0 && e != nullptr; e = e->next)
            clash = clash || e->os == os;
        if (clash) return Refuse(ctx, Message::DuplicatePathStatement, kSecondPathEntryForOs);
        entry = NewRecord<PathEntry>(ctx);
        if (entry == nullptr) return MemoryFault(ctx, kNoMemoryForPathEntry);
        s.pathEntryTail->next = entry;
    }
    s.pathEntryTail = entry;
    osSeen |= bit;
    entry->directInterface = directInterface ? 1 : 0;
    entry->os = os;
    // For Direct-Interface the lexer's value already holds that text.
    entry->path = path;
    return 0;
}

int EndPath(ParseContext &ctx) {
    if (ctx.builder.refused.path) {
        ctx.builder.refused.path = false;
        return 0;
    }
    ctx.state.currentPath->entries = ctx.state.pathEntryList;
    return 0;
}

int EndComponent(ParseContext &ctx) {
    const Component *component = ctx.state.currentComponent;
    if (component == nullptr) return 0;  // refused with 118: nothing to check
    if (component->name == nullptr)
        return Refuse(ctx, Message::ExpectingComponentName, kComponentWithoutName);
    if (component->groups == nullptr)
        return Refuse(ctx, Message::ComponentWithoutGroup, kComponentWithoutGroup);
    return 0;
}

int ResetCurrentObjects(ParseContext &ctx) {
    ParseState &s = ctx.state;
    s.currentComponent = nullptr;
    s.currentEnumeration = nullptr;
    s.currentGroup = nullptr;
    s.currentPath = nullptr;
    s.currentTable = nullptr;
    s.inComponent = false;
    ctx.builder.refused.component = false;
    return 0;
}

}  // namespace mifkit
