// Prints each group and table of a MIF file with its attributes' values, or
// the file's diagnostics when it does not parse.
#include <mifkit/parser.h>
#include <mifkit/version.h>

#include <iostream>
#include <string>

namespace {

std::string Show(const mifkit::ValueView &value) {
    if (value.overlay()) return "*" + value.text().utf8();
    switch (value.type()) {
    case mifkit::kTypeCounter:
    case mifkit::kTypeGauge: return std::to_string(value.unsignedValue());
    case mifkit::kTypeInteger: return std::to_string(value.signedValue());
    case mifkit::kTypeCounter64: return std::to_string(value.uint64());
    case mifkit::kTypeInteger64: return std::to_string(value.int64());
    case mifkit::kTypeNamedEnumeration:
    case mifkit::kTypeOwnEnumeration:
        return value.element() ? value.element().text().utf8() : std::to_string(value.enumerationNumber());
    default: return value.text().utf8();
    }
}

}  // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::cerr << "usage: mifkit_summary FILE  (mifkit " MIFKIT_VERSION_STRING ")\n";
        return 2;
    }
    const mifkit::Database db = mifkit::Database::FromFile(argv[1]);
    if (!db.ok()) {
        for (const mifkit::Diagnostic &d : db.diagnostics()) std::cerr << d.text;
        return 1;
    }
    const mifkit::ComponentView component = db.component();
    std::cout << "component: " << component.name().utf8() << "\n";
    for (mifkit::GroupView group : component.groups()) {
        std::cout << "group " << group.className().utf8() << "\n";
        for (mifkit::AttributeView attribute : group.attributes())
            std::cout << "  " << attribute.name().utf8() << " = " << Show(attribute.value()) << "\n";
    }
    for (mifkit::TableView table : component.tables()) {
        std::cout << "table " << table.name().utf8() << ": " << table.rowCount() << " rows\n";
        for (mifkit::RowView row : table.rows()) {
            std::cout << " ";
            for (mifkit::CellView cell : row.cells()) std::cout << " " << Show(cell.value());
            std::cout << "\n";
        }
    }
    return 0;
}
