// Tables: how the entries of a row fill the template's columns, the defaults
// of empty columns, and the conversion of every cell when the component ends.
#include <string>
#include <vector>

#include "tests/test_support.h"

namespace mifkit {
namespace {

// Two templates: "tpl", integers written in the order of IDs 3, 1, 2; "str",
// a string "s1", an integer and a string without values, and an enumeration.
// HEADER and ROWS are filled in: the table's header on line 13, its rows on
// 14, End Component on 16.
const char kTableMif[] = R"(Start Component Name = "c"
Start Group Name = "t" Class = "tpl" Key = 1
Start Attribute Name = "c" ID = 3 Type = Integer Value = 3 End Attribute
Start Attribute Name = "a" ID = 1 Type = Integer Value = 1 End Attribute
Start Attribute Name = "b" ID = 2 Type = Integer Value = 2 End Attribute
End Group
Start Group Name = "s" Class = "str" Key = 1
Start Attribute Name = "x" ID = 1 Type = DisplayString(4) Value = "s1" End Attribute
Start Attribute Name = "n" ID = 2 Type = Integer End Attribute
Start Attribute Name = "y" ID = 3 Type = String(4) End Attribute
Start Attribute Name = "e" ID = 4 Type = Start Enum 1 = "one" End Enum Value = 1 End Attribute
End Group
Start Table HEADER
ROWS
End Table
End Component
)";
Database TableDb(const std::string &header, const std::string &rows) {
    return Database::FromBuffer(test::Fill(kTableMif, {{"HEADER", header}, {"ROWS", rows}}));
}

// A cell as a short text: "?" and the entry for one not converted, "*" for
// an overlay, then the value by type ("e1" for element 1, "e-" for none).
std::string Cell(CellView c) {
    if (const TokenValue *entry = c.record()->entry; entry != nullptr)
        return "?" + (entry->kind == kLiteralValue ? test::Ascii(entry->text) : entry->text->Chars());
    std::string out = c.overlay() ? "*" : "";
    switch (c.type()) {
    case kTypeInteger: return out + std::to_string(c.value().signedValue());
    case kTypeDisplayString: return out + (c.value().text().present() ? c.value().text().utf8() : "(null)");
    case kTypeOwnEnumeration: return out + (c.value().element() ? "e" + std::to_string(c.value().element().value()) : "e-");
    default: return out + "t" + std::to_string(c.type());
    }
}

// Rows and columns counts, then every row: "2x3 10,2,3 | 1,20,3".
std::string Render(TableView t) {
    std::string out = std::to_string(t.rowCount()) + "x" + std::to_string(t.columnCount());
    const char *rowSeparator = " ";
    for (RowView r : t.rows()) {
        out += rowSeparator;
        rowSeparator = " | ";
        uint32_t expected = 0;  // a cell off the next column shows "@column"
        for (CellView c : r.cells()) {
            out += (c.record() == r.cells().front().record() ? "" : ",") + Cell(c) +
                   (c.column() == expected ? "" : "@" + std::to_string(c.column()));
            expected = c.column() + 1;
        }
    }
    return out;
}

const std::string k173 = ") Expecting a ',' or '}' after a table data entry.";
const std::string k171 = "DMI0171  (File: 0 (14): 0: <}>) Expecting the class name of a template.";

struct Case { const char *header, *rows; int status; std::vector<std::string> lines; const char *table; };

TEST(TableRows, EntriesFillTemplateColumns) {
    const Case cases[] = {
        // Column 0 belongs to ID 1 although ID 3 was written first.
        {"Class = \"tpl\"", "{10}{,20}{10,,30}{10,}", 0, {}, "4x3 10,2,3 | 1,20,3 | 10,2,30 | 10,2,3"},
        // An overlay in a number column converts its name's text: 0.
        {"Class = \"tpl\"", "{*\"ov\", * \"p\" \"q\"}", 0, {}, "1x3 *0,*0,3"},
        {"Class = \"str\"", "{\"ab\" \"c\", 5, \"\", \"one\"}{*\"o\" \"v\"}", 0, {}, "2x4 abc,5,,e1 | *ov,0,(null),e1"},
        {"Class = \"str\"", "{,,,1}{,,,9}{,,,*\"v\"}", 0, {}, "3x4 s1,0,(null),e1 | s1,0,(null),e- | s1,0,(null),*e-"},
        // A second entry in a column: the cell stays, with the same column.
        {"Class = \"tpl\"", "{10 20}", 1044, {"DMI0173  (File: 0 (14): 0: <20>" + k173}, "1x3 10,20@0,1@0,2,3"},
        // Reported with the overlay's literal just read: its line counts one
        // short, and its text is the literal's form in the working copy.
        {"Class = \"str\"", "{\"a\" * \"b\"}", 1074,
         {"DMI0173  (File: 0 (13): 0: <\"" + test::ZM + "b" + test::EM + ">" + k173}, "1x4 a,0,(null),e1"},
        // Extra columns pass the rows and are refused when the component ends.
        {"Class = \"tpl\"", "{10, 20, 30, 40}", 1046,
         {"DMI0172  (File: 0 (16): 0: <End Component>) The number of values exceeds the number of attributes."},
         "1x3 10,20,30,?40"},
        // Cell messages carry End Component's line; the walk stops at the
        // first refused cell and leaves later entries unconverted.
        {"Class = \"str\"", "{\"x\"}{5}{\"y\"}", 1047,
         {"DMI0157  (File: 0 (16): 0: <End Component>) Illegal value in table body."},
         "3x4 x,0,(null),e1 | ?5,0,(null),e1 | ?y,0,(null),e1"},
        {"Class = \"str\"", "{\"abcde\", \"n\"}", 1047,
         {"DMI0166  (File: 0 (16): 0: <End Component>) Table string value exceeds size specified in attribute."},
         "1x4 ?abcde,?n,(null),e1"},
        // No line applies to 238, and the UTF-16 entry prints as its bytes.
        {"Class = \"str\"", "{,,,\"two\"}", 1047,
         {"DMI0238  (File 0, ID 0, 0,  <>) Cannot locate enumeration element by value."}, "1x4 s1,0,(null),?two"},
        // Without a template every row is refused and stays open, so later
        // rows continue it; nothing is converted and no column is counted.
        {"Name = \"tb\"", "{10,,20}{30}{\"a\"}", 1048,
         {k171, "DMI0173  (File: 0 (14): 0: <30>" + k173, k171, k171}, "1x0 ?10,t0,?20,?30@2"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.header) + " " + c.rows);
        const Database db = TableDb(c.header, c.rows);
        EXPECT_EQ(db.status(), c.status);
        EXPECT_EQ(test::Lines(db), c.lines);
        ASSERT_TRUE(db.component().tables().front());
        EXPECT_EQ(Render(db.component().tables().front()), c.table);
    }
}

TEST(TableRows, TenThousandRowsConvert) {
    std::string rows, expected = "10000x3";
    for (int i = 0; i < 10000; ++i) {
        rows += "{" + std::to_string(i) + (i % 2 ? ",,-5}\n" : "}\n");
        expected += (i ? " | " : " ") + std::to_string(i) + (i % 2 ? ",2,-5" : ",2,3");
    }
    const Database db = TableDb("Class = \"tpl\"", rows);
    ASSERT_TRUE(db.ok()) << db.status();
    EXPECT_EQ(Render(db.component().tables().front()), expected);
}

}  // namespace
}  // namespace mifkit
