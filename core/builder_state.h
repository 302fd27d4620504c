// What the builder operations keep beside the shared parse-state words: which
// open construct was refused (its statements must then touch nothing), and
// the indexes that turn the lookups by ID, key, name and class into O(1)
// steps, so that a parse stays linear however large a group or table is.
#pragma once

#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/records.h"

namespace mifkit {

// A construct whose start was refused leaves the current-object words
// pointing at an earlier record (or at none). Its statements are ignored,
// status 0: the refusal was already reported and the parse has failed.
struct RefusedConstructs {
    bool component = false;
    bool path = false;
    bool enumeration = false;
    bool group = false;
    bool attribute = false;
    bool table = false;
};

// The counted bytes of a string as a hash key: equal keys are equal
// strings, counts and bytes.
inline std::string_view CountedKey(const CountedString *text) {
    return std::string_view(text->Chars(), text->length);
}

// Occurrences of each non-zero ID among one owner's records.
struct IdIndex {
    const void *owner = nullptr;
    std::unordered_map<uint32_t, uint32_t> counts;
};

// The first record of a list for each name or class, filled incrementally
// from `last` on, so each record is indexed once.
template <typename Record>
struct FirstByText {
    const void *owner = nullptr;
    const Record *last = nullptr;
    std::unordered_map<std::string_view, Record *> first;
};

struct ElementIndex {
    const EnumElement *head = nullptr;
    std::unordered_map<std::string_view, EnumElement *> byText;
    std::unordered_map<int32_t, EnumElement *> byValue;
};

// A template's attributes by column, built once per template.
struct ColumnIndex {
    const Group *templateGroup = nullptr;
    const Attribute *head = nullptr;
    std::vector<Attribute *> columns;
};

struct BuilderIndexes {
    IdIndex attributeIds;   // owner: the group
    IdIndex groupTableIds;  // owner: the component
    const Group *keyOwner = nullptr;
    std::unordered_map<uint32_t, bool> keys;
    uint32_t pathOsSeen = 0;  // one bit per OS code of the open path
    FirstByText<Enumeration> enumerations;
    FirstByText<Group> topTemplates;
    FirstByText<Group> componentTemplates;
    std::unordered_map<const Enumeration *, ElementIndex> elements;
    ColumnIndex columns;
};

struct BuilderState {
    RefusedConstructs refused;
    BuilderIndexes indexes;

    // Forgets everything of one parse.
    void Reset() {
        refused = RefusedConstructs{};
        indexes = BuilderIndexes{};
    }
};

}  // namespace mifkit
