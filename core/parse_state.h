// The words the builder operations share while a parse runs: the database
// roots, the records currently open, list tails, pending literal pieces and
// the body flags that decide which record a shared statement addresses.
#pragma once

#include <cstdint>
#include <vector>

#include "core/token_value.h"

namespace mifkit {

struct Component;
struct ComponentPath;
struct PathEntry;
struct Enumeration;
struct EnumElement;
struct Group;
struct KeyEntry;
struct Attribute;
struct Table;
struct TableRow;
struct TableCell;
struct LiteralPiece;

struct ParseState {
    Component *componentList;
    Component *componentBegun;
    Group *topGroupList;
    Group *topGroupTail;
    CountedString *language;
    PathEntry *pathEntryList;
    EnumElement *elementList;
    EnumElement *elementTail;
    LiteralPiece *literalList;
    LiteralPiece *literalTail;
    LiteralPiece *sparePieces;  // entries of joined literals, for the next ones
    PathEntry *pathEntryTail;
    Component *currentComponent;
    Attribute *currentAttribute;
    ComponentPath *currentPath;
    Group *currentGroup;
    Enumeration *currentEnumeration;
    Table *currentTable;
    TableRow *currentRow;
    TableCell *currentCell;
    KeyEntry *keyTail;
    TokenValue *pendingEntry;
    bool inAttributeEnumeration;
    bool inComponent;
    bool inGroup;
    bool inAttribute;
    bool inTable;
    bool rowPending;
    // Token values of table entries, whose cells took their text and kind:
    // the lexer reuses them before it takes pool memory for new ones.
    std::vector<TokenValue *> spareValues;
};

}  // namespace mifkit
