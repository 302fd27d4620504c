#include "query/data_block.h"

#include <cstring>
#include <limits>
#include <new>
#include <unordered_set>
#include <vector>

#include "core/record_codes.h"
#include "database/numeric_conversion.h"

namespace mifkit {

namespace {

constexpr uint32_t kHeaderSize = 44;

// One selected column: its attribute, its type, and its value in each row.
struct Column {
    const Attribute *attribute;
    uint32_t type;
    std::vector<const AttributeValue *> values;  // one per row; null: no value
};

// Attributes in list order that the filter names and that have a value to
// give (not unsupported, not unknown). At most `limit` attributes are read.
// Positions are the attributes' places in the list, the cells' columns.
std::vector<std::pair<const Attribute *, uint32_t>> Select(const Attribute *attributes, uint32_t limit,
                                                           const uint32_t *filter) {
    std::unordered_set<uint32_t> wanted;
    if (filter != nullptr)
        for (const uint32_t *id = filter; *id != 0; ++id) wanted.insert(*id);
    std::vector<std::pair<const Attribute *, uint32_t>> selected;
    uint32_t position = 0;
    for (const Attribute *a = attributes; a != nullptr && position < limit; a = a->next, ++position) {
        if (filter != nullptr && wanted.count(a->id) == 0) continue;
        if (a->access == kUnsupported || a->valueUnknown == 1) continue;
        selected.emplace_back(a, position);
    }
    return selected;
}

// Bytes a value takes. A string without text takes its count alone (0); an
// enumeration value stands for its element's number.
uint64_t ValueSize(uint32_t type, const AttributeValue *value) {
    switch (type) {
    case kTypeCounter:
    case kTypeGauge:
    case kTypeInteger:
    case kTypeNamedEnumeration:
    case kTypeOwnEnumeration:
        return 4;
    case kTypeCounter64:
    case kTypeInteger64:
        return 8;
    case kTypeOctetString:
    case kTypeDisplayString:
    case kTypeDate:
        return 4 + (value != nullptr && value->text != nullptr ? uint64_t{value->text->length} : 0);
    default:
        return 0;
    }
}

// An enumeration value with no element (a number no element carries) gives
// the number as written; a value with neither gives 0.
int32_t ElementNumber(const AttributeValue *value) {
    if (value == nullptr) return 0;
    if (value->element != nullptr) return value->element->value;
    return value->text != nullptr ? static_cast<int32_t>(ParseSignedNumber(value->text->Chars())) : 0;
}

unsigned char *Put32(unsigned char *out, uint32_t word) {
    std::memcpy(out, &word, 4);
    return out + 4;
}

unsigned char *PutValue(unsigned char *out, uint32_t type, const AttributeValue *value) {
    static const AttributeValue kNone{};
    const AttributeValue &v = value != nullptr ? *value : kNone;
    switch (type) {
    case kTypeCounter:
    case kTypeGauge:
        return Put32(out, v.unsignedValue);
    case kTypeInteger:
        return Put32(out, static_cast<uint32_t>(v.signedValue));
    case kTypeNamedEnumeration:
    case kTypeOwnEnumeration:
        return Put32(out, static_cast<uint32_t>(ElementNumber(value)));
    case kTypeCounter64:
    case kTypeInteger64:
        return Put32(Put32(out, v.wideValue.low), v.wideValue.high);
    case kTypeOctetString:
    case kTypeDisplayString:
    case kTypeDate: {
        uint32_t count = v.text != nullptr ? v.text->length : 0;
        out = Put32(out, count);
        if (count != 0) std::memcpy(out, v.text->Bytes(), count);
        return out + count;
    }
    default:
        return out;
    }
}

uint32_t CountOf(const CountedString *text) { return text != nullptr ? text->length : 0; }

// The block of these columns.
std::vector<unsigned char> Build(const Component &component, uint32_t id, uint32_t rows,
                                 const CountedString *className, const std::vector<Column> &columns) {
    const uint64_t n = columns.size();
    uint64_t size = kHeaderSize + 12 * n;
    std::vector<uint32_t> offsets;
    offsets.reserve(columns.size());
    for (const Column &column : columns) {
        offsets.push_back(static_cast<uint32_t>(size));
        for (const AttributeValue *value : column.values) size += ValueSize(column.type, value);
        if (size > std::numeric_limits<int32_t>::max()) return {};
    }
    const uint64_t nameOffset = size;
    size += uint64_t{CountOf(component.name)} + CountOf(className);
    if (size > static_cast<uint64_t>(std::numeric_limits<int32_t>::max())) return {};

    std::vector<unsigned char> block(static_cast<size_t>(size));
    unsigned char *out = block.data();
    const uint32_t header[11] = {
        static_cast<uint32_t>(size), id, rows, static_cast<uint32_t>(n),
        static_cast<uint32_t>(nameOffset), CountOf(component.name),
        static_cast<uint32_t>(nameOffset + CountOf(component.name)), CountOf(className),
        kHeaderSize, static_cast<uint32_t>(kHeaderSize + 4 * n), static_cast<uint32_t>(kHeaderSize + 8 * n)};
    std::memcpy(out, header, sizeof header);
    unsigned char *at = out + kHeaderSize;
    for (const Column &column : columns) at = Put32(at, column.attribute->id);
    for (const Column &column : columns) at = Put32(at, column.type);
    for (uint32_t offset : offsets) at = Put32(at, offset);
    for (const Column &column : columns)
        for (const AttributeValue *value : column.values) at = PutValue(at, column.type, value);
    if (component.name != nullptr) std::memcpy(at, component.name->Bytes(), component.name->length);
    at += CountOf(component.name);
    if (className != nullptr) std::memcpy(at, className->Bytes(), className->length);
    return block;
}

}  // namespace

std::vector<unsigned char> GroupDataBlock(const Component &component, const Group &group,
                                          const uint32_t *filter) {
    if (group.attributeCount == 0) return {};
    try {
        std::vector<Column> columns;
        for (const auto &[attribute, position] : Select(group.attributes, group.attributeCount, filter))
            columns.push_back(Column{attribute, attribute->type, {&attribute->value}});
        return Build(component, group.id, 1, group.className, columns);
    } catch (const std::bad_alloc &) {
        return {};
    }
}

std::vector<unsigned char> TableDataBlock(const Component &component, const Table &table,
                                          const uint32_t *filter) {
    const Group *templateGroup = table.templateGroup;
    if (templateGroup == nullptr || table.rowCount == 0 || table.rows == nullptr ||
        table.rows->cells == nullptr)
        return {};
    try {
        // Each row's cells by column, gathered in one walk of the rows.
        const uint32_t width = table.columnCount;
        std::vector<const TableCell *> cells;
        uint32_t rows = 0;
        for (const TableRow *row = table.rows; row != nullptr && rows < table.rowCount; row = row->next) {
            cells.resize(cells.size() + width, nullptr);
            const TableCell **slots = cells.data() + size_t{rows} * width;
            for (const TableCell *cell = row->cells; cell != nullptr; cell = cell->next)
                if (cell->column < width && slots[cell->column] == nullptr) slots[cell->column] = cell;
            ++rows;
        }
        std::vector<Column> columns;
        for (const auto &[attribute, position] : Select(templateGroup->attributes, width, filter)) {
            // The first row's cell gives the column's type.
            const TableCell *first = cells[position];
            Column column{attribute, first != nullptr ? first->type : attribute->type, {}};
            column.values.reserve(rows);
            for (uint32_t row = 0; row < rows; ++row) {
                const TableCell *cell = cells[size_t{row} * width + position];
                column.values.push_back(cell != nullptr ? &cell->value : nullptr);
            }
            columns.push_back(std::move(column));
        }
        return Build(component, table.id, rows, templateGroup->className, columns);
    } catch (const std::bad_alloc &) {
        return {};
    }
}

}  // namespace mifkit
