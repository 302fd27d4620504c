// The builder operations the grammar runs as it reduces productions. Each
// returns a ParseStatus: 0 when accepted; otherwise it has already printed
// its diagnostic (where one applies) and the grammar records the status.
#pragma once

#include <cstdint>

#include "core/record_codes.h"
#include "core/records.h"

namespace mifkit {

struct ParseContext;

// Language, component and paths.
int SetLanguage(ParseContext &ctx, CountedString *literal);
int BeginComponent(ParseContext &ctx);
int SetComponentName(ParseContext &ctx, CountedString *literal);
int BeginPath(ParseContext &ctx);
int SetPathName(ParseContext &ctx, CountedString *literal);
int AddPathEntry(ParseContext &ctx, uint32_t os, CountedString *path, bool directInterface);
int EndPath(ParseContext &ctx);
int EndComponent(ParseContext &ctx);
int ResetCurrentObjects(ParseContext &ctx);
bool IsLanguageWellFormed(const CountedString *language);
CountedString *MakeDefaultLanguage(ParseContext &ctx);

// Enumerations.
int BeginEnumeration(ParseContext &ctx);
int BeginAttributeEnumeration(ParseContext &ctx);
int SetEnumerationName(ParseContext &ctx, CountedString *literal);
int AddEnumElement(ParseContext &ctx, CountedString *number, CountedString *literal);
int EndEnumeration(ParseContext &ctx);
int LeaveEnumeration(ParseContext &ctx);
CountedString *MakeEnumerationName(ParseContext &ctx);
Enumeration *FindEnumerationByName(ParseContext &ctx, const CountedString *name);
EnumElement *FindEnumElementByName(ParseContext &ctx, const CountedString *literal,
                                   const Enumeration *enumeration);
EnumElement *FindEnumElementByValue(ParseContext &ctx, const CountedString *number,
                                    const Enumeration *enumeration);

// Groups, keys and templates.
int BeginGroup(ParseContext &ctx);
int SetGroupName(ParseContext &ctx, CountedString *literal);
int SetClass(ParseContext &ctx, CountedString *literal);
int AddKeyAttribute(ParseContext &ctx, CountedString *number);
int MarkGroupKeyed(ParseContext &ctx);
int EndGroup(ParseContext &ctx);
int LeaveGroup(ParseContext &ctx);
Group *FindTemplateByClass(ParseContext &ctx, const CountedString *className);

// Attributes and the statements they share with groups and tables.
int BeginAttribute(ParseContext &ctx);
int SetAttributeName(ParseContext &ctx, CountedString *literal);
int SetId(ParseContext &ctx, CountedString *number);
int SetAttributeAccess(ParseContext &ctx, Access access);
int SetAttributeStorage(ParseContext &ctx, Storage storage);
int SetAttributeType(ParseContext &ctx, uint32_t type, CountedString *argument);
int SetAttributeValue(ParseContext &ctx, ValueForm form, TokenValue *value);
int SetDescription(ParseContext &ctx, CountedString *literal);
int SetPragma(ParseContext &ctx, CountedString *literal);
int LeaveAttribute(ParseContext &ctx);

// Values.
int ConvertAttributeValue(ParseContext &ctx);
int ConvertCellValue(ParseContext &ctx, TableCell &cell, const Attribute &column);

// Tables and rows.
int BeginTable(ParseContext &ctx);
int SetTableName(ParseContext &ctx, CountedString *literal);
int AddTableDataEntry(ParseContext &ctx, TokenValue *entry);
int EndTableRow(ParseContext &ctx);
int EndTable(ParseContext &ctx);
int ConvertTableValues(ParseContext &ctx);

// 0 when the two are equal (counts and bytes), 1 otherwise; null equals
// nothing, not even null.
int CompareCountedStrings(const CountedString *a, const CountedString *b);

}  // namespace mifkit
