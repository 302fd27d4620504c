#include "tools/table_views.h"

#include <algorithm>
#include <cstdio>

#include "tools/loaded_database.h"

namespace mifkit::tool {

namespace {

// Characters, not bytes, so that non-ASCII text keeps the columns straight.
size_t Width(const std::string &text) {
    return static_cast<size_t>(std::count_if(text.begin(), text.end(),
                                             [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// A value as a person reads it: numbers in decimal, an enumeration by its
// element's text (its number when it matched none), an overlay as *name.
std::string ValueText(const ValueView &value) {
    if (value.overlay()) return "*" + value.text().utf8();
    switch (value.type()) {
    case kTypeCounter:
    case kTypeGauge: return std::to_string(value.unsignedValue());
    case kTypeInteger: return std::to_string(value.signedValue());
    case kTypeCounter64: return std::to_string(value.uint64());
    case kTypeInteger64: return std::to_string(value.int64());
    case kTypeNamedEnumeration:
    case kTypeOwnEnumeration:
        if (value.element()) return value.element().text().utf8();
        return value.text().present() ? std::to_string(value.enumerationNumber()) : std::string();
    default: return value.text().utf8();
    }
}

void Print(const std::string &text) { std::fwrite(text.data(), 1, text.size(), stdout); }

}  // namespace

std::string FormatTextTable(const std::vector<std::vector<std::string>> &rows) {
    std::vector<size_t> widths;
    for (const auto &row : rows) {
        if (widths.size() < row.size()) widths.resize(row.size(), 0);
        for (size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], Width(row[i]));
    }
    std::string out;
    for (const auto &row : rows) {
        std::string line;
        for (size_t i = 0; i < row.size(); ++i) {
            line += row[i];
            if (i + 1 < row.size()) line.append(widths[i] - Width(row[i]) + 2, ' ');
        }
        // Empty trailing cells would leave blanks at the end of the line.
        line.erase(line.find_last_not_of(' ') + 1);
        out += line + "\n";
    }
    return out;
}

std::string FormatGroupList(const Database &database) {
    std::vector<std::vector<std::string>> rows{{"ID", "KIND", "NAME", "CLASS", "COLUMNS", "ROWS"}};
    const ComponentView component = database.component();
    for (GroupView group : component.groups())
        rows.push_back({group.idGiven() ? std::to_string(group.id()) : "-", group.idGiven() ? "group" : "template",
                        group.name().utf8(), group.className().utf8(), std::to_string(group.attributeCount()), "-"});
    for (TableView table : component.tables())
        rows.push_back({std::to_string(table.id()), "table", table.name().utf8(), table.className().utf8(),
                        std::to_string(table.columnCount()), std::to_string(table.rowCount())});
    return FormatTextTable(rows);
}

bool FormatTableRows(const Database &database, uint32_t id, std::string &out) {
    for (TableView table : database.component().tables()) {
        if (table.id() != id) continue;
        const size_t width = table.columnCount();
        std::vector<std::vector<std::string>> rows(1);
        for (AttributeView attribute : table.templateGroup().attributes()) {
            if (rows[0].size() == width) break;
            rows[0].push_back(attribute.name().utf8());
        }
        for (RowView row : table.rows()) {
            std::vector<std::string> cells(width);
            for (CellView cell : row.cells())
                if (cell.column() < width) cells[cell.column()] = ValueText(cell.value());
            rows.push_back(std::move(cells));
        }
        out = FormatTextTable(rows);
        return true;
    }
    return false;
}

int RunGroups(const std::string &file) {
    std::optional<Database> database = LoadDatabase(file);
    if (!database) return 1;
    Print(FormatGroupList(*database));
    return 0;
}

int RunTable(const std::string &file, uint32_t id) {
    std::optional<Database> database = LoadDatabase(file);
    if (!database) return 1;
    std::string out;
    if (!FormatTableRows(*database, id, out)) {
        std::fprintf(stderr, "%s: no table with ID %u\n", file.c_str(), id);
        return 1;
    }
    Print(out);
    return 0;
}

}  // namespace mifkit::tool
