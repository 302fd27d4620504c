// The records a parse builds: one component with its paths, enumerations,
// groups and tables, plus the top-level groups. Every record is a zero-filled
// block of the block pool, linked into singly linked lists in file order.
#pragma once

#include <cstdint>

#include "core/token_value.h"
#include "mifkit/data_type.h"

namespace mifkit {

struct EnumElement;

// A 64-bit value as two 32-bit words, the less significant first.
struct WideWords {
    uint32_t low;
    uint32_t high;
};

// The converted value that attributes and cells both carry; which field is
// meaningful depends on the type, and a type holds at most one number, so
// the numbers share their words: a table has a value per cell.
struct AttributeValue {
    CountedString *text;
    EnumElement *element;
    union {
        uint32_t unsignedValue;  // Counter, Gauge
        int32_t signedValue;     // Integer
        WideWords wideValue;     // Counter64, Integer64
    };
};

struct PathEntry {
    uint32_t directInterface;
    uint32_t os;
    CountedString *path;
    PathEntry *next;
};

struct ComponentPath {
    CountedString *name;
    PathEntry *entries;
    ComponentPath *next;
};

struct EnumElement {
    int32_t value;
    CountedString *text;
    EnumElement *next;
};

struct Enumeration {
    CountedString *name;
    EnumElement *elements;
    Enumeration *next;
};

struct KeyEntry {
    uint32_t attributeId;
    KeyEntry *next;
};

struct Attribute {
    CountedString *name;
    uint32_t id;
    uint32_t idGiven;
    uint32_t access;   // 1 read-only, 2 read-write, 3 write-only, 4 unsupported
    uint32_t storage;  // 1 specific, 0 common
    CountedString *description;
    CountedString *pragma;
    uint32_t typeGiven;
    uint32_t overlay;
    uint32_t valueUnknown;
    uint32_t valueForm;  // 0 a value, 1 Unsupported, 2 Unknown
    uint32_t type;
    CountedString *enumerationName;
    uint32_t size;
    TokenValue *pendingValue;
    Enumeration *ownEnumeration;
    Enumeration *namedEnumeration;
    AttributeValue value;
    Attribute *next;
};

struct Group {
    CountedString *name;
    uint32_t id;
    uint32_t idGiven;
    CountedString *className;
    KeyEntry *keys;
    CountedString *description;
    CountedString *pragma;
    Attribute *attributes;
    uint32_t keyStatementDone;
    uint32_t attributeCount;
    Group *next;
};

// A table holds most of a large file's records, so a cell is kept to six
// words: its entry is held as text and kind until the component ends and
// converts it.
struct TableCell {
    TableCell *next;
    AttributeValue value;
    CountedString *entryText;
    uint32_t column;
    uint8_t type;         // a data type code; every one fits a byte
    bool overlay;
    uint8_t entryKind;    // a TokenValueKind
    bool entryPending;    // entryText and entryKind wait for conversion
};
static_assert(sizeof(TableCell) <= 6 * sizeof(void *) + 8, "a cell stays small");

struct TableRow {
    TableCell *cells;
    uint32_t column;
    uint32_t entryOpen;
    TableRow *next;
};

struct Table {
    CountedString *name;
    uint32_t id;
    uint32_t idGiven;
    CountedString *className;
    uint32_t columnCount;
    uint32_t rowCount;
    Group *templateGroup;  // the group whose class the table names
    TableRow *rows;
    Table *next;
};

struct Component {
    CountedString *name;
    CountedString *description;
    CountedString *pragma;
    Group *groups;
    Enumeration *enumerations;
    Table *tables;
    ComponentPath *paths;
    Component *next;
};

struct LiteralPiece {
    CountedString *piece;
    LiteralPiece *next;
};

}  // namespace mifkit
