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
// meaningful depends on the type.
struct AttributeValue {
    CountedString *text;
    uint32_t unsignedValue;
    int32_t signedValue;
    EnumElement *element;
    WideWords wideValue;
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

struct TableCell {
    TokenValue *entry;
    uint32_t type;
    uint32_t overlay;
    AttributeValue value;
    uint32_t column;
    TableCell *next;
};

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
