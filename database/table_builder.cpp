// Tables: their records, rows and cells as the entries arrive, the defaults
// a row takes from its template, and the conversion of every cell when the
// component ends.
#include <cstring>

#include "database/builder_support.h"
#include "database/builders.h"
#include "database/literal_joining.h"

namespace mifkit {

namespace {

// The attributes of a template by column (their ID order), built once per
// template so that a column is found in O(1).
const std::vector<Attribute *> &TemplateColumns(ParseContext &ctx, const Group &templateGroup) {
    ColumnIndex &index = ctx.builder.indexes.columns;
    if (index.templateGroup != &templateGroup || index.head != templateGroup.attributes) {
        index.templateGroup = &templateGroup;
        index.head = templateGroup.attributes;
        index.columns.clear();
        for (Attribute *a = templateGroup.attributes; a != nullptr; a = a->next)
            index.columns.push_back(a);
    }
    return index.columns;
}

const Attribute *ColumnAttribute(ParseContext &ctx, const Group *templateGroup, uint32_t column) {
    if (templateGroup == nullptr) return nullptr;
    const std::vector<Attribute *> &columns = TemplateColumns(ctx, *templateGroup);
    return column < columns.size() ? columns[column] : nullptr;
}

CountedString *CopyText(ParseContext &ctx, const CountedString *text) {
    if (text == nullptr) return nullptr;
    auto *copy = static_cast<CountedString *>(
        ctx.pool.Allocate(static_cast<uint32_t>(CountedStringBlockSize(text->length))));
    if (copy != nullptr) std::memcpy(copy, text, sizeof(uint32_t) + text->length);
    return copy;
}

// A cell of an empty column takes its template attribute's value. A table
// without a template, or a column past its last attribute, has none to take:
// the cell stays empty, and the column is reported when the component ends.
void CopyTemplateDefault(ParseContext &ctx, TableCell &cell) {
    const Attribute *a = ColumnAttribute(ctx, ctx.state.currentTable->templateGroup, cell.column);
    if (a == nullptr) return;
    cell.type = static_cast<uint8_t>(a->type);
    switch (a->type) {
    case kTypeCounter:
    case kTypeGauge:
        cell.value.unsignedValue = a->value.unsignedValue;
        break;
    case kTypeCounter64:
    case kTypeInteger64:
        cell.value.wideValue = a->value.wideValue;
        break;
    case kTypeInteger:
        cell.value.signedValue = a->value.signedValue;
        break;
    case kTypeOctetString:
    case kTypeDisplayString:
    case kTypeDate:
        cell.value.text = CopyText(ctx, a->value.text);
        break;
    case kTypeNamedEnumeration:
    case kTypeOwnEnumeration:
        cell.value.element = a->value.element;
        cell.value.text = a->value.text;
        break;
    default:
        break;
    }
    // An overlay name travels as the cell's text whatever the column's type.
    if (a->overlay == 1 && cell.value.text == nullptr) cell.value.text = a->value.text;
}

// A token value whose text and kind a cell now holds serves the lexer again.
void Recycle(ParseContext &ctx, TokenValue *value) {
    if (value == nullptr) return;
    value->text = nullptr;
    value->kind = 0;
    ctx.state.spareValues.push_back(value);
}

int AddRowCell(ParseContext &ctx, TokenValue *entry) {
    ParseState &s = ctx.state;
    Table &table = *s.currentTable;
    if (s.rowPending) {
        int status = 0;
        auto *row =
            AppendRecord(ctx, s.currentRow, table.rows, kNoMemoryForRow, kNoMemoryForFirstRow, status);
        if (row == nullptr) return status;
        table.rowCount = s.currentRow != nullptr ? table.rowCount + 1 : 1;
        s.currentRow = row;
        s.rowPending = false;
    }
    TableRow &row = *s.currentRow;
    if (entry == nullptr && row.entryOpen == 1) {
        // The comma closes the column its entry filled.
        ++row.column;
        row.entryOpen = 0;
        return 0;
    }
    int status = 0;
    auto *cell =
        AppendRecord(ctx, s.currentCell, row.cells, kNoMemoryForCell, kNoMemoryForFirstCell, status);
    if (cell == nullptr) return status;
    s.currentCell = cell;
    cell->column = row.column;
    if (entry != nullptr) {
        cell->entryText = entry->text;
        cell->entryKind = static_cast<uint8_t>(entry->kind);
        cell->entryPending = true;
        Recycle(ctx, entry);
    }
    if (entry == nullptr) {
        CopyTemplateDefault(ctx, *cell);
        ++row.column;
        row.entryOpen = 0;
        return 0;
    }
    if (row.entryOpen == 1) {
        row.entryOpen = 0;
        return Refuse(ctx, Message::ExpectingCommaOrBrace, kEntryWithoutComma);
    }
    row.entryOpen = 1;
    return 0;
}

// Makes the pending literal or overlay entry a cell, with its pieces joined.
int FlushPendingEntry(ParseContext &ctx) {
    TokenValue *pending = ctx.state.pendingEntry;
    if (pending == nullptr) return 0;
    pending->text = TakeLiteral(ctx);
    ctx.state.pendingEntry = nullptr;
    return AddRowCell(ctx, pending);
}

bool TableOpen(ParseContext &ctx) {
    return !ctx.builder.refused.table && ctx.state.currentTable != nullptr;
}

}  // namespace

int BeginTable(ParseContext &ctx) {
    ParseState &s = ctx.state;
    ctx.builder.refused.table = true;  // until the table exists
    // Only a refused component's table finds no component; it is ignored.
    if (s.currentComponent == nullptr) return 0;
    int status = 0;
    auto *table = AppendRecord(ctx, s.currentTable, s.currentComponent->tables, kNoMemoryForTable,
                               kNoMemoryForFirstTable, status);
    if (table == nullptr) return status;
    s.currentTable = table;
    s.inTable = true;
    s.rowPending = true;
    ctx.builder.refused.table = false;
    return 0;
}

int SetTableName(ParseContext &ctx, CountedString *literal) {
    if (!TableOpen(ctx)) return 0;
    Table &table = *ctx.state.currentTable;
    if (table.name != nullptr) return Refuse(ctx, Message::DuplicateTableStatement, kSecondTableName);
    table.name = literal;
    return 0;
}

int AddTableDataEntry(ParseContext &ctx, TokenValue *entry) {
    if (!TableOpen(ctx)) return 0;
    ParseState &s = ctx.state;
    if (entry == nullptr) {
        int status = FlushPendingEntry(ctx);
        return status != 0 ? status : AddRowCell(ctx, nullptr);
    }
    switch (entry->kind) {
    case kOverlayValue:
        if (s.pendingEntry != nullptr)
            return Refuse(ctx, Message::ExpectingCommaOrBrace, kOverlayWhileEntryPending);
        s.pendingEntry = entry;
        return AppendLiteral(ctx, entry->text);
    case kLiteralValue: {
        if (s.pendingEntry == nullptr) {
            s.pendingEntry = entry;
            return AppendLiteral(ctx, entry->text);
        }
        // A later piece of the pending literal: its text joins the list.
        int status = AppendLiteral(ctx, entry->text);
        Recycle(ctx, entry);
        return status;
    }
    default: {
        int status = FlushPendingEntry(ctx);
        return status != 0 ? status : AddRowCell(ctx, entry);
    }
    }
}

int EndTableRow(ParseContext &ctx) {
    if (!TableOpen(ctx)) return 0;
    ParseState &s = ctx.state;
    const Group *templateGroup = s.currentTable->templateGroup;
    if (templateGroup == nullptr)
        return Refuse(ctx, Message::ExpectingTemplateClass, kRowWithoutTemplate);
    int status = FlushPendingEntry(ctx);
    if (s.currentRow != nullptr) {
        uint32_t first = s.currentRow->column;
        for (uint32_t column = first; column < templateGroup->attributeCount; ++column)
            AddTableDataEntry(ctx, nullptr);
    }
    s.currentCell = nullptr;
    s.rowPending = true;
    if (s.currentRow != nullptr) s.currentRow->entryOpen = 0;
    return status;
}

int EndTable(ParseContext &ctx) {
    ParseState &s = ctx.state;
    if (!TableOpen(ctx)) {
        ctx.builder.refused.table = false;
        return 0;
    }
    const Group *templateGroup = s.currentTable->templateGroup;
    s.currentTable->columnCount = templateGroup != nullptr ? templateGroup->attributeCount : 0;
    // Rows refused for want of a template may leave an entry pending; its
    // pieces must not join the next statement's literal.
    if (s.pendingEntry != nullptr) {
        s.pendingEntry = nullptr;
        TakeLiteral(ctx);
    }
    s.inTable = false;
    s.currentRow = nullptr;
    s.currentCell = nullptr;
    return 0;
}

int ConvertTableValues(ParseContext &ctx) {
    if (ctx.builder.refused.component) return 0;
    const Component *component = ctx.state.componentList;
    if (component == nullptr) return 0;
    for (Table *table = component->tables; table != nullptr; table = table->next) {
        // A table without a template reported each of its rows already.
        if (table->templateGroup == nullptr) continue;
        for (TableRow *row = table->rows; row != nullptr; row = row->next) {
            for (TableCell *cell = row->cells; cell != nullptr; cell = cell->next) {
                const Attribute *column = ColumnAttribute(ctx, table->templateGroup, cell->column);
                if (column == nullptr) return Refuse(ctx, Message::TooManyRowValues, kCellWithoutColumn);
                if (ConvertCellValue(ctx, *cell, *column) != 0) return kCellValueRefused;
            }
        }
    }
    return 0;
}

}  // namespace mifkit
